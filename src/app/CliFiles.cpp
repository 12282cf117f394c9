// lumora-cli's files and streams: "-" for standard input and output, an
// output that is a pipe or a device written straight through at the end,
// the output's folder checked before the radio, success said once proven.

#include "app/CliRunner.h"
#include "app/CliTexts.h"
#include "app/cli/CliCommand.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lumora {

namespace {

// A pipe, a terminal or another device: written straight through, not
// replaced by a saved copy as a regular file is.
bool streamsThrough(const QString &target)
{
    const QFileInfo info(target);
    return target == QLatin1String("-") || (info.exists() && !info.isFile() && !info.isDir());
}

// /dev/stdout, or whatever file standard output is.
bool isStandardOutput(const QString &target)
{
#ifdef _WIN32
    return target.compare(QLatin1String("CON"), Qt::CaseInsensitive) == 0;
#else
    struct stat a {}, b {};
    return ::stat(QFile::encodeName(target).constData(), &a) == 0 && ::fstat(STDOUT_FILENO, &b) == 0
           && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
#endif
}

} // namespace

int CliRunner::run(const Request &asked)
{
    // "-" and targets that are no regular files: the command works on a
    // scratch file, filled from standard input first or given out at the end.
    Request request = asked;
    const CliCommand &command = *FindCliCommand(request.verb);
    QTemporaryDir scratch;
    QString target;
    if (QString *input = command.Input(request); input && *input == QLatin1String("-")) {
        const QString copy = scratch.filePath(QStringLiteral("input.") + command.Suffix(request, true));
        QFile in, file(copy);
        if (!in.open(stdin, QIODevice::ReadOnly) || !file.open(QIODevice::WriteOnly)
            || file.write(in.readAll()) < 0 || !file.flush()) {
            CliErr() << "lumora-cli: " << Cli::tr("standard input: cannot be read") << Qt::endl;
            return 1;
        }
        *input = copy;
        scratchNames_.append({copy, Cli::tr("standard input")});
    }
    if (QString *output = command.Output(request); output && streamsThrough(*output)) {
        target = *output;
        *output = scratch.filePath(QStringLiteral("output.") + command.Suffix(request, false));
        dataOnStdout_ = target == QLatin1String("-") || isStandardOutput(target);
        scratchNames_.append({*output, target == QLatin1String("-") ? Cli::tr("standard output") : target});
    }
    dataOnStdout_ = dataOnStdout_ || request.json;
    request_ = request;
    // A file is saved only once the radio is read: its folder is checked
    // before the radio is, so that a typo costs no read.
    if (QString *output = command.Output(request);
        output && target.isEmpty() && command.ReadsRadioBeforeSaving()) {
        const QFileInfo folder(QFileInfo(*output).absolutePath());
        if (!folder.isDir() || !folder.isWritable()) {
            CliErr() << "lumora-cli: "
                     << (folder.isDir() ? Cli::tr("Cannot create file \"%1\". Permission denied")
                                        : Cli::tr("Cannot create file \"%1\". No such folder"))
                                .arg(*output)
                     << Qt::endl;
            return 1;
        }
    }
    // Success is said once proven: after a verify's comparison, after a
    // streamed output has gone out.
    holding_ = !target.isEmpty() || request.verify;
    int status = runRequest(request);
    if (status == 0 && !target.isEmpty())
        status = giveOutput(target, *command.Output(request));
    if (status == 0)
        releaseHeld();
    return outputWritten(request) ? status : command.FailureStatus();
}

bool CliRunner::outputWritten(const Request &request)
{
    // Standard output full or closed (a full disk behind "> file") is a
    // failure like any other.
    CliOut().flush();
    if (CliOut().status() == QTextStream::Ok && std::fflush(stdout) == 0 && !std::ferror(stdout))
        return true;
    CliErr() << "lumora-cli: "
             << (request.json ? Cli::tr("standard output: cannot be written (the JSON is incomplete)")
                              : Cli::tr("standard output: cannot be written"))
             << Qt::endl;
    return false;
}

int CliRunner::giveOutput(const QString &target, const QString &made_)
{
    QFile made(made_), to;
    const bool opened = target == QLatin1String("-") ? to.open(stdout, QIODevice::WriteOnly)
                                                     : (to.setFileName(target), to.open(QIODevice::WriteOnly));
    if (!made.open(QIODevice::ReadOnly) || !opened || to.write(made.readAll()) < 0 || !to.flush()) {
        CliErr() << "lumora-cli: "
                 << Cli::tr("%1: cannot be written: %2")
                            .arg(target == QLatin1String("-") ? Cli::tr("standard output") : target, to.errorString())
                 << Qt::endl;
        return 1;
    }
    return 0;
}

} // namespace lumora
