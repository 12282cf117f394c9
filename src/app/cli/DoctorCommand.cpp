// lumora-cli doctor: whether each port opens, why not, and whether a radio answers.

#include "app/cli/CliCommand.h"
#include "protocol/ConnectionCheck.h"
#include "serial/PortList.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace lumora {

namespace {

class DoctorCommand : public CliCommand {
public:
    QString Name() const override { return QStringLiteral("doctor"); }
    QStringList Usage() const override
    {
        return {QStringLiteral("  lumora-cli doctor [--port DEV] [--json]")};
    }
    QString Help() const override
    {
        return QStringLiteral(R"(  doctor              say for each serial port (or DEV) whether it opens,
                      and if not why (missing, permission denied, busy),
                      and whether a radio answers on it: status 0 only
                      when a radio answered
)");
    }
    QStringList Options() const override { return {QStringLiteral("json")}; }
    QString Take(const CliArgs &args, const QStringList &words, CliRunner::Request &request) const override
    {
        Q_UNUSED(args)
        Q_UNUSED(request)
        return words.isEmpty() ? QString() : QStringLiteral("doctor takes no arguments");
    }
    bool NeedsWindows() const override { return false; }
    int Run(CliRunner &, const CliRunner::Request &request) const override
    {
        const ConnectionReport report = CheckConnections(
                request.port.isEmpty() ? ListSerialPortEntries() : QVector<SerialPortEntry>{{request.port, QString()}});
        if (request.json) {
            QJsonArray ports;
            for (const ConnectionReport::Port &p : report.ports)
                ports.append(QJsonObject{{"port", p.name},
                                         {"description", p.description},
                                         {"state", p.state},
                                         {"radioAnswered", p.radioAnswered},
                                         {"text", p.text}});
            CliOut() << QJsonDocument(QJsonObject{{"radioAnswered", report.radioAnswered}, {"ports", ports}}).toJson();
        } else {
            CliOut() << report.text() << Qt::endl;
        }
        return report.radioAnswered ? 0 : 1;
    }
    int RunOn(CliRunner &, ToolWindows &, const CliRunner::Request &) const override { return 1; }
};

} // namespace

const CliCommand &DoctorCommandInstance()
{
    static const DoctorCommand command;
    return command;
}

} // namespace lumora
