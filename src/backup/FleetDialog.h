#pragma once
// "Program several radios...": the template, where each radio's identity
// comes from, and the log, chosen before the first radio.

#include "backup/FleetRun.h"

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace lumora {

class FleetDialog : public QDialog {
    Q_OBJECT
public:
    explicit FleetDialog(QWidget *parent = nullptr);
    FleetSetup Setup() const;

    QLineEdit *TemplateEdit, *IdsEdit, *LogEdit;
    QRadioButton *KeepOwn, *FromList, *Counting;
    QSpinBox *FirstId, *Step;
    QCheckBox *DtmfFollows;
    QDialogButtonBox *Buttons;

private:
    void updateButtons();
};

} // namespace lumora
