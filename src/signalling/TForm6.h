#pragma once
// The FleetSync window: the radio's own fleet and ID, the data settings and
// sixteen fleet/ID entries; block type 2, blocks 0 to 2, each written as its
// header and then its payload, without a check value and without resending.

#include "signalling/FleetSyncBlocks.h"
#include "signalling/TSignallingForm.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace lumora {

class TEditCellEditor;
class TXStringGrid;

class TForm6 : public TSignallingForm {
    Q_OBJECT
public:
    explicit TForm6(ISignallingHost &host);
    ~TForm6() override;

    QLineEdit *ed1, *ed2, *ed3, *ed4;
    QComboBox *cb1; // fixed list: "1200", "2400"
    QCheckBox *CheckBox1;
    TXStringGrid *xg1; // "NO.", "Fleet", "ID"
    TEditCellEditor *EditCellEditor1;

    FleetSyncControls Controls() const;
    void setControls(const FleetSyncControls &controls);

    void FormCreate();

protected:
    SettingsControls settingsControls() const override;
    std::unique_ptr<TSignallingForm> makeScratch() const override { return std::make_unique<TForm6>(host()); }
    void decodeBlock(const uint8_t *frame) override;
    Payload encodeBlock(int index, const Payload &previous) const override;
    int readBarMaximum() const override { return 4; }
    int writeBarMaximum() const override { return 4; }
    bool writeResends() const override { return false; }
    bool writesHeaderThenPayload() const override { return true; }
};

} // namespace lumora
