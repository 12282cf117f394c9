// lumora-cli's files and streams: "-" for standard input and output, an
// output that is a pipe or a device written straight through at the end,
// the output's folder checked before the radio, success said once proven.

#include "app/CliRunner.h"

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

// Where a verb reads its file and where it writes one.
QString *inputOf(CliRunner::Request &r)
{
    const QString &v = r.verb;
    return v == QLatin1String("write") || v == QLatin1String("diff") || v == QLatin1String("restore")
                           || v.endsWith(QLatin1String("-csv"))
                   ? &r.file
                   : nullptr;
}

QString *outputOf(CliRunner::Request &r)
{
    if (r.verb == QLatin1String("read"))
        return &r.file;
    if (r.verb == QLatin1String("backup") || r.verb.endsWith(QLatin1String("-csv")))
        return &r.output;
    return nullptr;
}

QString suffixOf(const CliRunner::Request &r, bool input)
{
    if (r.verb == QLatin1String("import-csv"))
        return input ? QStringLiteral("csv") : QStringLiteral("wh");
    if (r.verb == QLatin1String("export-csv"))
        return input ? QStringLiteral("wh") : QStringLiteral("csv");
    if (r.verb == QLatin1String("backup") || r.verb == QLatin1String("restore") || r.area != area::Main)
        return QStringLiteral("json");
    return QStringLiteral("wh");
}

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
    QTemporaryDir scratch;
    QString target;
    if (QString *input = inputOf(request); input && *input == QLatin1String("-")) {
        const QString copy = scratch.filePath(QStringLiteral("input.") + suffixOf(request, true));
        QFile in, file(copy);
        if (!in.open(stdin, QIODevice::ReadOnly) || !file.open(QIODevice::WriteOnly)
            || file.write(in.readAll()) < 0 || !file.flush()) {
            CliErr() << "lumora-cli: standard input: cannot be read" << Qt::endl;
            return 1;
        }
        *input = copy;
        scratchNames_.append({copy, QStringLiteral("standard input")});
    }
    if (QString *output = outputOf(request); output && streamsThrough(*output)) {
        target = *output;
        *output = scratch.filePath(QStringLiteral("output.") + suffixOf(request, false));
        dataOnStdout_ = target == QLatin1String("-") || isStandardOutput(target);
        scratchNames_.append({*output, target == QLatin1String("-") ? QStringLiteral("standard output") : target});
    }
    dataOnStdout_ = dataOnStdout_ || request.json;
    request_ = request;
    // A file is saved only once the radio is read: its folder is checked
    // before the radio is, so that a typo costs no read.
    if (QString *output = outputOf(request);
        output && target.isEmpty() && !request.verb.endsWith(QLatin1String("-csv"))) {
        const QFileInfo folder(QFileInfo(*output).absolutePath());
        if (!folder.isDir() || !folder.isWritable()) {
            CliErr() << "lumora-cli: Cannot create file \"" << *output << "\". "
                  << (folder.isDir() ? "Permission denied" : "No such folder") << Qt::endl;
            return 1;
        }
    }
    // Success is said once proven: after a verify's comparison, after a
    // streamed output has gone out.
    holding_ = !target.isEmpty() || request.verify;
    int status = runRequest(request);
    if (status == 0 && !target.isEmpty())
        status = giveOutput(target, *outputOf(request));
    if (status == 0)
        releaseHeld();
    return outputWritten(request) ? status : request.verb == QLatin1String("diff") ? 2 : 1;
}

bool CliRunner::outputWritten(const Request &request)
{
    // Standard output full or closed (a full disk behind "> file") is a
    // failure like any other.
    CliOut().flush();
    if (CliOut().status() == QTextStream::Ok && std::fflush(stdout) == 0 && !std::ferror(stdout))
        return true;
    CliErr() << "lumora-cli: standard output: cannot be written" << (request.json ? " (the JSON is incomplete)" : "")
          << Qt::endl;
    return false;
}

int CliRunner::giveOutput(const QString &target, const QString &made_)
{
    QFile made(made_), to;
    const bool opened = target == QLatin1String("-") ? to.open(stdout, QIODevice::WriteOnly)
                                                     : (to.setFileName(target), to.open(QIODevice::WriteOnly));
    if (!made.open(QIODevice::ReadOnly) || !opened || to.write(made.readAll()) < 0 || !to.flush()) {
        CliErr() << "lumora-cli: " << (target == QLatin1String("-") ? QStringLiteral("standard output") : target)
              << ": cannot be written: " << to.errorString() << Qt::endl;
        return 1;
    }
    return 0;
}

} // namespace lumora
