#pragma once
// lumora-cli run as a script runs it, and the radio's areas read and set
// through it, for the command-line tests.

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace lumora::test {

struct CliRun {
    int status;
    QString out, err;
};

inline CliRun runAs(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardOutput()), QString::fromLocal8Bit(p.readAllStandardError())};
}

inline CliRun cli(const QStringList &args) { return runAs(QStringLiteral(LUMORA_CLI_PATH), args); }

// A program run as from cron or over ssh: no display, no session, no Qt settings.
inline CliRun bare(const QString &program, const QStringList &args, const QByteArray &input = QByteArray())
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR", "QT_QPA_PLATFORM", "LUMORA_PORTS_DIR"})
        env.remove(name);
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardOutput()), QString::fromLocal8Bit(p.readAllStandardError())};
}

inline QByteArray contents(const QString &file)
{
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

inline QJsonObject jsonOf(const QString &file) { return QJsonDocument::fromJson(contents(file)).object(); }

// Reads one signalling area of the radio on DEVICE into FILE.
inline QJsonObject readArea(const QString &device, const char *area, const QString &file)
{
    EXPECT_EQ(cli({"read", area, "-p", device, "-o", file}).status, 0) << area;
    return jsonOf(file);
}

// Reads one signalling area, changes VALUES and writes it back.
inline void setArea(const QString &device, const char *area, const QString &file, const QMap<QString, QString> &values)
{
    QJsonObject json = readArea(device, area, file);
    for (auto it = values.begin(); it != values.end(); ++it)
        json[it.key()] = it.value();
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QJsonDocument(json).toJson());
    f.close();
    ASSERT_EQ(cli({"write", area, "-p", device, file}).status, 0) << area;
}

// lumora-cli run as an unprivileged user (where the tests run as root, who
// may open anything): a copy of it that such a user may run, wherever the
// build is. Null where that cannot be done.
inline std::unique_ptr<QTemporaryDir> unprivilegedCli(QString &program, QStringList &prefix)
{
    program = QStringLiteral(LUMORA_CLI_PATH);
    prefix.clear();
    if (::geteuid() != 0)
        return std::make_unique<QTemporaryDir>();
    if (QStandardPaths::findExecutable("setpriv").isEmpty())
        return nullptr;
    auto open = std::make_unique<QTemporaryDir>();
    const QString copy = open->filePath("lumora-cli");
    if (!QFile::copy(program, copy) || ::chmod(QFile::encodeName(open->path()).constData(), 0755) != 0)
        return nullptr;
    prefix = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", copy};
    program = "setpriv";
    return open;
}

} // namespace lumora::test
