#pragma once
// The DTMF window: encoder settings and sixteen autodial memories on the
// "DTMF Encode" page, the decoder settings on "DTMF Decode"; block type 1,
// blocks 0 to 3.

#include "signalling/DtmfBlocks.h"
#include "signalling/TSignallingForm.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;

namespace lumora {

class TEditCellEditor;
class TXStringGrid;

class TForm2 : public TSignallingForm {
    Q_OBJECT
public:
    explicit TForm2(ISignallingHost &host);
    ~TForm2() override;

    QTabWidget *PageControl1;
    TXStringGrid *xg2; // "NO.", "Autodial Memory"
    TEditCellEditor *EditCellEditor1;
    std::array<QComboBox *, 10> cb{}; // [1] to [9]: cb1 to cb9
    QCheckBox *CheckB1; // "DTMF Side Tone"
    QCheckBox *CheckB2; // "Clear To Transpond"
    QLineEdit *Edit1;   // "ID Code"
    // Counts of the ID code and memories 1 to 8, as the last read had them.
    DtmfDigitCounts DigitCounts{};

    DtmfControls Controls() const;
    void setControls(const DtmfControls &controls);

    void FormCreate();
    void xg2SetEditText(int col, int row);
    // Says what of a typed code the coding left out or cut.
    void sayDigitsLeftOut(const QString &where, const QString &typed, const QString &kept);
    void setSettings(const SettingsValues &values) override;

protected:
    SettingsControls settingsControls() const override;
    std::unique_ptr<TSignallingForm> makeScratch() const override { return std::make_unique<TForm2>(host()); }
    void decodeBlock(const uint8_t *frame) override;
    Payload encodeBlock(int index, const Payload &previous) const override;
    int readBarMaximum() const override { return 5; }
    int writeBarMaximum() const override { return 4; }
    void takeRead(const TSignallingForm &read) override;
};

} // namespace lumora
