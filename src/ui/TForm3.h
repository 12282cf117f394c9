#pragma once
// The progress dialog of the main transfers, with Retry and Cancel: the
// user's only way to stop a main transfer, which never times out.

#include <QDialog>

class QProgressBar;
class QPushButton;

namespace lumora {

class TForm1;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(TForm1 &form1);

    QProgressBar *ProgressBar1;
    QPushButton *Button1; // "Retry"
    QPushButton *Button2; // "Cancel"

    void Button1Click(); // Retry: start the same transfer again from its greeting
    void Button2Click(); // Cancel: stop, close the port, give the window back
    void Step();         // one step further; never beyond the maximum

protected:
    // Escape and the window manager's close button: exactly Cancel.
    void reject() override { Button2Click(); }

private:
    TForm1 &form1_;
};

} // namespace lumora
