// lumora-cli ports: the serial ports, one a line or as JSON.

#include "app/cli/CliCommand.h"
#include "serial/PortList.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace lumora {

namespace {

class PortsCommand : public CliCommand {
public:
    QString Name() const override { return QStringLiteral("ports"); }
    QStringList Usage() const override
    {
        return {QStringLiteral("  lumora-cli ports [--json]")};
    }
    QString Help() const override
    {
        return QStringLiteral(R"(  ports               list the serial ports, one a line
)");
    }
    QStringList Options() const override { return {QStringLiteral("json")}; }
    QString Take(const CliArgs &args, const QStringList &words, CliRunner::Request &request) const override
    {
        Q_UNUSED(args)
        Q_UNUSED(request)
        return words.isEmpty() ? QString() : QStringLiteral("ports takes no arguments");
    }
    bool NeedsWindows() const override { return false; }
    int Run(CliRunner &, const CliRunner::Request &request) const override
    {
        QJsonArray ports;
        for (const SerialPortEntry &port : ListSerialPortEntries()) {
            if (!request.json) {
                CliOut() << port.name << Qt::endl;
                continue;
            }
            auto known = [](int id) { return id < 0 ? QJsonValue() : QJsonValue(id); };
            ports.append(QJsonObject{{"name", port.name},
                                     {"description", port.description},
                                     {"manufacturer", port.manufacturer},
                                     {"vendorId", known(port.vendorId)},
                                     {"productId", known(port.productId)},
                                     {"serialNumber", port.serialNumber}});
        }
        if (request.json)
            CliOut() << QJsonDocument(ports).toJson();
        return 0;
    }
    int RunOn(CliRunner &, ToolWindows &, const CliRunner::Request &) const override { return 1; }
};

} // namespace

const CliCommand &PortsCommandInstance()
{
    static const PortsCommand command;
    return command;
}

} // namespace lumora
