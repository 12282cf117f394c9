#pragma once
// The progress dialog of the main transfers, with Retry and Cancel: the
// user's only way to stop a main transfer, which never times out. The main
// window listens to its buttons.

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace lumora {

class TForm3 : public QDialog {
    Q_OBJECT
public:
    TForm3();

    QLabel *Label1; // what the transfer is doing, or how long the radio has been silent
    QProgressBar *ProgressBar1;
    QPushButton *Button1; // "Retry"
    QPushButton *Button2; // "Cancel"

    void Button1Click() { emit RetryClicked(); }
    void Button2Click() { emit CancelClicked(); }
    void Step(); // one step further; never beyond the maximum
    // What the transfer is doing now ("Reading channel 5 of 16").
    void ShowStep(const QString &text);
    // The radio has not answered for that long: said until the next step.
    // otherBlocks: the radio did answer, but not what was asked for.
    void ShowSilence(int seconds, const QString &transfer, bool otherBlocks = false);

signals:
    void RetryClicked();  // start the same transfer again from its greeting
    void CancelClicked(); // stop, close the port, give the window back

protected:
    // Escape and the window manager's close button: exactly Cancel.
    void reject() override { Button2Click(); }
};

} // namespace lumora
