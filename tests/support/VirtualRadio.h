#pragma once
// Starts lumora-radio (or another program of its kind) for a test or the
// soak, and stops it with them.

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace lumora::test {

class VirtualRadio {
public:
    explicit VirtualRadio(const QStringList &args, const QString &program = QStringLiteral(LUMORA_RADIO_PATH))
    {
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.start(program, args);
        if (process_.waitForStarted(5000) && process_.waitForReadyRead(5000))
            device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    // Ended gently first: the radio keeps its memory file just after it
    // answers, so a kill could lose the last block a host saw acknowledged.
    ~VirtualRadio()
    {
        stop();
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
    VirtualRadio(const VirtualRadio &) = delete;
    VirtualRadio &operator=(const VirtualRadio &) = delete;

    bool ok() const { return !device_.isEmpty(); }
    const QString &device() const { return device_; }
    QProcess &process() { return process_; }

    // Ends it as a user would (it saves its memory and reports) and adds up
    // the faults it says it made; 0 once it has ended.
    int stop()
    {
        if (process_.state() == QProcess::NotRunning)
            return 0;
        process_.terminate();
        process_.waitForFinished(5000);
        const QString report = QString::fromLocal8Bit(process_.readAllStandardError());
        const QRegularExpressionMatch m =
                QRegularExpression("faults: (\\d+) dropped, (\\d+) corrupted, (\\d+) delayed").match(report);
        int faults = 0;
        for (int i = 1; m.hasMatch() && i <= 3; ++i)
            faults += m.captured(i).toInt();
        return faults;
    }

private:
    QProcess process_;
    QString device_;
};

} // namespace lumora::test
