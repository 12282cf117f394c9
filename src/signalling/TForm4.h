#pragma once
// The 2TONE window: encode entries and timing on the "Encode" page, decode
// rows on the "Decode" page, the tones A to D (set only by a read) and the
// rest time; block type 3, blocks 0 to 10, counted in ReadIndex.

#include "signalling/TSignallingForm.h"
#include "signalling/TwoToneBlocks.h"

#include <array>

class QComboBox;
class QLineEdit;
class QTabWidget;

namespace lumora {

class TComboCellEditor;
class TEditCellEditor;
class TXStringGrid;

class TForm4 : public TSignallingForm {
    Q_OBJECT
public:
    explicit TForm4(ISignallingHost &host);
    ~TForm4() override;

    QTabWidget *PageControl1;
    TXStringGrid *xg1; // encode: "NO.", "First Frequency(hz)", "Second Frequency(hz)"
    TXStringGrid *xg2; // decode: "NO." and four times "DecodeN", "Response Mode", "Prompt"
    TEditCellEditor *EditCellEditor1;
    TComboCellEditor *ComboCellEditor1; // tone pairs
    TComboCellEditor *ComboCellEditor2; // prompts
    TComboCellEditor *ComboCellEditor3; // response modes
    std::array<QLineEdit *, 6> ed{};    // [1] to [5]: ed1 to ed5
    std::array<QComboBox *, 4> cb{};    // [1] to [3]: cb1 to cb3

    TwoToneControls Controls() const;
    void setControls(const TwoToneControls &controls);

    void FormCreate();
    void xg2SetEditText(int col, int row);

protected:
    SettingsControls settingsControls() const override;
    std::unique_ptr<TSignallingForm> makeScratch() const override { return std::make_unique<TForm4>(host()); }
    void decodeBlock(const uint8_t *frame) override;
    Payload encodeBlock(int index, const Payload &previous) const override;
    int readBarMaximum() const override { return 11; }
    int writeBarMaximum() const override { return 11; }
    bool countsInReadIndex() const override { return true; }
};

} // namespace lumora
