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
    PortsCommand()
        : CliCommand("ports",
                     {"  lumora-cli ports [--json]"},
                     QT_TRANSLATE_NOOP("CliHelp", R"(  ports               list the serial ports, one a line
)"),
                     {"json"})
    {
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
};

} // namespace

LUMORA_CLI_COMMAND(PortsCommand)

} // namespace lumora
