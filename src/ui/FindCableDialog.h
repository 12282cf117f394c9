#pragma once
// "Find cable...": asks the user to unplug the cable and plug it in again,
// shows what it sees, and offers the port that came back.

#include "serial/CableFinder.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace lumora {

class FindCableDialog : public QDialog {
    Q_OBJECT
public:
    // traps: the known traps' paragraphs, asked for when nothing was found.
    FindCableDialog(CableFinder::Lister lister, std::function<QStringList()> traps, QWidget *parent = nullptr,
                    int limitMs = 60000, int everyMs = 250);
    // The port found (empty name: none); "Use this port" accepts the dialog.
    SerialPortEntry Found() const { return found_; }
    CableFinder Finder;
    QLabel *Seen, *Result;
    QPushButton *UsePort;

private:
    QProgressBar *time_;
    SerialPortEntry found_;
};

} // namespace lumora
