#pragma once
// What every program does before its Qt application exists: answer
// --version (and the window program's --help) without a display, and keep
// Qt quiet where no login session gave it a runtime folder.

#include <QByteArray>
#include <QString>

namespace lumora {

// "lumora-cli 1.0"
QString VersionLine(const QString &program);
// --version, and with --verbose among the arguments also the Qt it runs
// on, the system and the third-party notices. Empty: no --version asked.
QString VersionAnswer(const QString &program, int argc, char **argv);

// Qt asks for the session's runtime folder while it starts; without one
// (under sudo, cron, ssh, in a container) it warns on standard error and
// makes /tmp/runtime-USER. A private folder of the program's own, removed
// when it ends, keeps both away; the linked-ports folder stays the one the
// session without a runtime folder has.
class QuietRuntimeFolder {
public:
    QuietRuntimeFolder();
    ~QuietRuntimeFolder();
    QuietRuntimeFolder(const QuietRuntimeFolder &) = delete;
    QuietRuntimeFolder &operator=(const QuietRuntimeFolder &) = delete;

private:
    QByteArray made_;
    bool pinnedPorts_ = false; // LUMORA_PORTS_DIR set here, to the folder it stood for
};

} // namespace lumora
