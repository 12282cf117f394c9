#pragma once
// Starts lumora-radio for a test and stops it with the test.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace lumora::test {

class VirtualRadio {
public:
    explicit VirtualRadio(const QStringList &args)
    {
        process_.setProcessChannelMode(QProcess::SeparateChannels);
        process_.start(QStringLiteral(LUMORA_RADIO_PATH), args);
        if (process_.waitForStarted(5000) && process_.waitForReadyRead(5000))
            device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~VirtualRadio()
    {
        process_.kill();
        process_.waitForFinished(5000);
    }
    VirtualRadio(const VirtualRadio &) = delete;
    VirtualRadio &operator=(const VirtualRadio &) = delete;

    bool ok() const { return !device_.isEmpty(); }
    const QString &device() const { return device_; }
    QProcess &process() { return process_; }

private:
    QProcess process_;
    QString device_;
};

} // namespace lumora::test
