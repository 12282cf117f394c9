// The cable, found and explained: "Find cable...", the status bar's offer
// when the remembered port is not here, and the diagnostic report.

#include "ui/TForm1.h"

#include "memory/Errors.h"
#include "protocol/ConnectionCheck.h"
#include "protocol/DiagnosticReport.h"
#include "serial/CableTraps.h"
#include "serial/LineTrace.h"
#include "serial/PortList.h"
#include "serial/TComm.h"
#include "ui/ToolTexts.h"
#include "ui/TXStringGrid.h"
#include "ui/UserDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QStatusBar>

namespace lumora {

void TForm1::buildCableEntries()
{
    MissingPortPanel = new QLabel(StatusBar1);
    MissingPortPanel->setTextFormat(Qt::RichText);
    MissingPortPanel->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    MissingPortPanel->hide();
    connect(MissingPortPanel, &QLabel::linkActivated, this, &TForm1::FindCableClick);
    StatusBar1->addPermanentWidget(MissingPortPanel);
}

void TForm1::OfferFindCable(const QString &missingPort)
{
    const QString link = QStringLiteral(" <a href=\"find\">%1</a>").arg(tr("Find cable...").toHtmlEscaped());
    MissingPortPanel->setText((missingPort.isEmpty() ? tr("No serial port is here.")
                                                     : tr("%1 is not here.").arg(missingPort))
                                      .toHtmlEscaped()
                              + link);
    MissingPortPanel->show();
}

void TForm1::FindCableClick()
{
    xg->commitEdit();
    if (AnyTransferUnderWay())
        throw ELumoraError(AnotherTransferText());
    const QString port = UserDialogs().FindCablePort(this, ListSerialPortEntries, [] {
        QStringList texts;
        for (const CableFinding &finding : CableTraps(GatherSystemFacts()))
            texts << finding.text;
        return texts;
    });
    if (port.isEmpty())
        return;
    Comm1->ClosePort(); // an idle signalling window's port: the next transfer opens the one chosen
    comcbb->setEnabled(true);
    SelectPort(port);
    MissingPortPanel->hide();
    emit CableFound(port);
}

void TForm1::SaveDiagnosticReportClick()
{
    xg->commitEdit();
    if (AnyTransferUnderWay())
        throw ELumoraError(AnotherTransferText());
    const QString name = UserDialogs().AskSaveFileName(this, tr("Text files (*.txt)"), QStringLiteral("txt"));
    if (!name.isEmpty())
        SaveDiagnosticReport(name);
}

void TForm1::SaveDiagnosticReport(const QString &fileName)
{
    // The trace of the transfer that went wrong, not of the check made now
    // (that one only when this run has made no other).
    QByteArray trace = LineTrace::Run().LastTransfer();
    Comm1->ClosePort();
    comcbb->setEnabled(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ConnectionReport check = CheckConnections(portsToCheck());
    QApplication::restoreOverrideCursor();
    if (trace.isEmpty())
        trace = LineTrace::Run().LastTransfer();
    lumora::SaveDiagnosticReport(fileName, DiagnosticReportText({QStringLiteral("lumora"), ListSerialPortEntries(),
                                                                 check, SettingsForReport(), trace}));
    ShowMessage(tr("The diagnostic report is saved in %1. It holds no names but the ports': send it with "
                   "your question or bug report.")
                        .arg(fileName));
}

} // namespace lumora
