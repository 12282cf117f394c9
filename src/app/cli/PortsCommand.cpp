// lumora-cli ports: the serial ports, one a line or as JSON; with --find,
// the port of the cable the user unplugs and plugs in again.

#include "app/cli/CliCommand.h"
#include "serial/CableFinder.h"
#include "serial/CableTraps.h"
#include "serial/PortList.h"

#include <QEventLoop>
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
                     {"  lumora-cli ports [--json]", "  lumora-cli ports --find [--json]"},
                     QT_TRANSLATE_NOOP("CliHelp", R"(  ports               list the serial ports, one a line
  ports --find        asks you to unplug the cable and plug it in again,
                      and prints the port that went away and came back
                      (or appeared); status 1 when none did within 60
                      seconds, with what was seen and the known traps
)"),
                     {"json", "find"})
    {
    }
    bool NeedsWindows() const override { return false; }
    int Run(CliRunner &, const CliRunner::Request &request) const override
    {
        if (request.find)
            return find(request);
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

private:
    static int find(const CliRunner::Request &request)
    {
        CableFinder finder(ListSerialPortEntries);
        QEventLoop loop;
        int status = 1;
        QObject::connect(&finder, &CableFinder::Saw, &loop, [](const QString &line) { CliErr() << line << Qt::endl; });
        QObject::connect(&finder, &CableFinder::Found, &loop, [&](const SerialPortEntry &port) {
            if (request.json)
                CliOut() << QJsonDocument(QJsonObject{{"name", port.name}, {"description", port.description}})
                                    .toJson(QJsonDocument::Compact)
                         << Qt::endl;
            else
                CliOut() << port.name << Qt::endl;
            status = 0;
            loop.quit();
        });
        QObject::connect(&finder, &CableFinder::GaveUp, &loop, [&](const QStringList &seen, bool) {
            CliErr() << CableFinder::GaveUpText(seen) << Qt::endl;
            for (const CableFinding &finding : CableTraps(GatherSystemFacts()))
                CliErr() << Qt::endl << finding.text << Qt::endl;
            loop.quit();
        });
        CliErr() << Cli::tr("Unplug the cable, then plug it in again (within 60 seconds).") << Qt::endl;
        finder.Start();
        loop.exec();
        return status;
    }
};

} // namespace

LUMORA_CLI_COMMAND(PortsCommand)

} // namespace lumora
