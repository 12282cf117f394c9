#pragma once
// lumora-cli's work: drives the main window, unseen, through the very
// handlers its buttons call, and reports on the standard streams.

#include "ui/UserDialogs.h"

#include <QString>
#include <QStringList>

namespace lumora {

class TForm1;

class CliRunner : public IUserDialogs {
public:
    struct Request {
        QString verb;           // ports, read, write
        QString area = "main";  // main (dtmf, 2tone, 5tone, fsk to come)
        QString port;
        QString file;           // read: --output, write: the file to write
        int timeoutSeconds = 60;
        bool reportTime = false;
    };

    int run(const Request &request);

    // IUserDialogs: boxes become lines on stdout and stderr.
    void ShowMessage(const QString &text) override;
    void ShowError(const QString &text, const QString &detail) override;
    bool AskYesNo(const QString &) override { return false; } // nothing is asked unseen
    QString AskOpenFileName(QWidget *, const QString &, const QString &) override { return {}; }
    QString AskSaveFileName(QWidget *, const QString &, const QString &) override { return {}; }

private:
    int transfer(TForm1 &form, const Request &request);

    bool finished_ = false;
    bool failed_ = false;
    QStringList messages_;
};

} // namespace lumora
