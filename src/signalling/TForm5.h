#pragma once
// The 5TONE window: the five standards and the tone table on "Standard",
// the encode entries and delays on "Encode", the decode entries on
// "Decode"; block type 4, blocks 0 to 16, counted in ReadIndex.

#include "signalling/FiveToneBlocks.h"
#include "signalling/TSignallingForm.h"

#include <array>

class QComboBox;
class QLineEdit;
class QTabWidget;

namespace lumora {

class TComboCellEditor;
class TEditCellEditor;
class TXStringGrid;

class TForm5 : public TSignallingForm {
    Q_OBJECT
public:
    explicit TForm5(ISignallingHost &host);
    ~TForm5() override;

    QTabWidget *PageControl1;
    QComboBox *CCIR;                      // "Standard Name": which tone table shows
    std::array<QLineEdit *, 17> Edit{};   // [1] to [16]: the tones of digits 0 to F
    TXStringGrid *xg1;                    // the five standards
    TXStringGrid *xg2;                    // encode entries
    TXStringGrid *xg3;                    // decode entries
    TEditCellEditor *EditCellEditor1, *EditCellEditor2, *EditCellEditor3;
    TComboCellEditor *ComboCellEditor1, *ComboCellEditor2, *ComboCellEditor3, *ComboCellEditor4;
    std::array<QComboBox *, 5> cb{};      // [1] to [4]: the delays
    QLineEdit *ed1;                       // "Reset Time(ms)", in no block

    FiveToneControls Controls() const;
    void setControls(const FiveToneControls &controls);

    void FormCreate();
    void CCIRChange();
    void xg2SetEditText(int col, int row);
    void xg3SetEditText(int col, int row);

protected:
    SettingsControls settingsControls() const override;
    std::unique_ptr<TSignallingForm> makeScratch() const override { return std::make_unique<TForm5>(host()); }
    void decodeBlock(const uint8_t *frame) override;
    Payload encodeBlock(int index, const Payload &previous) const override;
    int readBarMaximum() const override { return 16; }
    int writeBarMaximum() const override { return 17; }
    bool countsInReadIndex() const override { return true; }
};

} // namespace lumora
