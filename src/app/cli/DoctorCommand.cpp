// lumora-cli doctor: whether each port opens, why not, and whether a radio answers.

#include "app/cli/CliCommand.h"
#include "protocol/ConnectionCheck.h"
#include "memory/Errors.h"
#include "protocol/DiagnosticReport.h"
#include "serial/LineTrace.h"
#include "serial/PortList.h"
#include "ui/Languages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>


namespace lumora {

namespace {

class DoctorCommand : public CliCommand {
public:
    DoctorCommand()
        : CliCommand("doctor",
                     {"  lumora-cli doctor [--port DEV] [--json] [--report FILE]"},
                     QT_TRANSLATE_NOOP("CliHelp", R"(  doctor              say for each serial port (or DEV) whether it opens,
                      and if not why (missing, permission denied, busy),
                      and whether a radio answers on it: status 0 only
                      when a radio answered; then the known traps met
                      (brltty, ModemManager, a counterfeit or driverless
                      cable chip) with their cures. --report FILE also
                      writes a diagnostic report for a bug report: the
                      versions, the system, the ports and their drivers,
                      these findings, the settings and this run's trace
)"),
                     {"json", "report"})
    {
    }
    bool NeedsWindows() const override { return false; }
    int Run(CliRunner &, const CliRunner::Request &request) const override
    {
        const SourceTextsOnly english(request.json); // the JSON's texts are the same in every language
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
            QJsonArray findings;
            for (const CableFinding &f : report.findings)
                findings.append(QJsonObject{{"trap", f.trap}, {"text", f.text}});
            CliOut() << QJsonDocument(QJsonObject{{"radioAnswered", report.radioAnswered},
                                                  {"ports", ports},
                                                  {"findings", findings}})
                                .toJson();
        } else {
            CliOut() << report.text() << Qt::endl;
        }
        if (!request.report.isEmpty()) {
            const DiagnosticFacts facts{QStringLiteral("lumora-cli"), ListSerialPortEntries(), report,
                                        SettingsForReport(), LineTrace::Run().LastTransfer()};
            try {
                SaveDiagnosticReport(request.report, DiagnosticReportText(facts));
            } catch (const ELumoraError &e) {
                CliErr() << "lumora-cli: " << ErrorBoxText(e.text()) << Qt::endl;
                return 1;
            }
        }
        return report.radioAnswered ? 0 : 1;
    }
};

} // namespace

LUMORA_CLI_COMMAND(DoctorCommand)

} // namespace lumora
