// The main window's commands on files and edits: channel files, CHIRP
// CSV, undo and redo, the question about unsaved changes, and the check of
// the connection.

#include "ui/TForm1.h"

#include "memory/ChannelFile.h"
#include "memory/ChirpCsv.h"
#include "memory/Errors.h"
#include "memory/WholeFile.h"
#include "protocol/ConnectionCheck.h"
#include "serial/PortList.h"
#include "serial/TComm.h"
#include "ui/TXStringGrid.h"
#include "ui/ToolTexts.h"
#include "ui/UserDialogs.h"

#include <QApplication>
#include <QFileInfo>
#include <QComboBox>
#include <QFile>
#include <algorithm>

namespace lumora {

namespace {

const QString kFileFilter = QStringLiteral("*.wh (*.wh)");
QString csvFilter() { return TForm1::tr("CHIRP CSV (*.csv)"); }
constexpr qint64 kCsvMaxBytes = 1024 * 1024;

} // namespace

void TForm1::OpenChannelFile(const QString &fileName)
{
    OptionTexts o = Options();
    LoadChannelFile(*xg, o, fileName);
    setOptions(o);
    markSaved();
    rememberFile(fileName);
}

void TForm1::SaveChannelFileAs(const QString &fileName)
{
    SaveChannelFile(*xg, Options(), fileName);
    markSaved();
    rememberFile(fileName);
}

TForm1::EditedMemory TForm1::Snapshot() const
{
    EditedMemory m;
    for (int r = 0; r < xg->RowCount(); ++r)
        m.rows << xg->Rows(r);
    m.options = Options();
    m.radioRows = baseline_.rows;
    m.baselineTaken = baselineTaken_;
    return m;
}

void TForm1::Restore(const EditedMemory &memory)
{
    xg->commitEdit();
    for (int r = 0; r < memory.rows.size() && r < xg->RowCount(); ++r)
        for (int c = 0; c < memory.rows[r].size() && c < xg->ColCount(); ++c)
            xg->setCells(c, r, memory.rows[r][c]);
    setOptions(memory.options);
    // An arrangement's bytes belong to the baseline it was made over; over
    // another, each channel is matched by its place, as after a read.
    baseline_.rows = memory.baselineTaken == baselineTaken_ ? memory.radioRows : UnchangedOrder();
    showModified();
}

void TForm1::recordEdit()
{
    history_.Checkpoint();
    showModified();
}

void TForm1::markSaved()
{
    history_.Checkpoint(); // an open or a read can be undone as well
    saved_ = Snapshot();
    showModified();
}

void TForm1::showModified()
{
    // "*radio.wh - LUMORA  V1.0": the file, changed or not, then the tool.
    const QString name = fileName_.isEmpty() ? tr("Untitled") : QFileInfo(fileName_).fileName();
    setWindowTitle((HasUnsavedChanges() ? QStringLiteral("*") : QString()) + name + QStringLiteral(" - ") + ToolTitle());
}

void TForm1::Undo()
{
    xg->commitEdit();
    history_.Undo();
}

void TForm1::Redo()
{
    xg->commitEdit();
    history_.Redo();
}

bool TForm1::AskToSaveChanges()
{
    xg->commitEdit();
    recordEdit();
    if (!HasUnsavedChanges())
        return true;
    switch (UserDialogs().AskSaveChanges(
            tr("Save changes?"),
            tr("The channel table or the optional settings have changed since they were "
                           "last opened, saved or read from the radio."))) {
    case IUserDialogs::SaveAnswer::Save: {
        const QString name = UserDialogs().AskSaveFileName(this, kFileFilter, QStringLiteral("wh"));
        if (name.isEmpty())
            return false;
        SaveChannelFileAs(name);
        return true;
    }
    case IUserDialogs::SaveAnswer::Discard:
        return true;
    case IUserDialogs::SaveAnswer::Cancel:
        break;
    }
    return false;
}

ChirpImportSummary TForm1::ImportCsvFile(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw EFOpenError(tr("Cannot open file \"%1\". %2").arg(fileName, f.errorString()));
    if (f.size() > kCsvMaxBytes)
        throw EFOpenError(tr("\"%1\" is too large for a channel list").arg(fileName));
    xg->commitEdit();
    ChirpImportSummary summary;
    try {
        summary = ImportChirpCsv(f.readAll(), *xg);
    } catch (EFOpenError &e) {
        e.setDetail(tr("File: %1").arg(fileName)); // the message names the line only
        throw;
    }
    recordEdit();
    return summary;
}

ChirpExportSummary TForm1::ExportCsvFile(const QString &fileName)
{
    xg->commitEdit();
    ChirpExportSummary summary;
    SaveWholeFile(fileName, ExportChirpCsv(*xg, &summary));
    return summary;
}

void TForm1::ImportCsvClick()
{
    MoveFocusOn();
    if (!AskToSaveChanges())
        return;
    const QString name = UserDialogs().AskOpenFileName(this, csvFilter(), QStringLiteral("csv"));
    if (name.isEmpty())
        return;
    QString text = ImportCsvFile(name).text();
    const QStringList marked = ChannelsOutsidePlan();
    if (!marked.isEmpty())
        text += tr("\n%1 and %2 marked:\n")
                        .arg(ChannelsNotFittingText(marked.size(), plan_),
                             marked.size() == 1 ? QStringLiteral("is") : QStringLiteral("are"))
                + marked.join(QLatin1Char('\n'));
    ShowMessage(text);
}

void TForm1::ExportCsvClick()
{
    MoveFocusOn();
    const QString name = UserDialogs().AskSaveFileName(this, csvFilter(), QStringLiteral("csv"));
    if (name.isEmpty())
        return;
    const ChirpExportSummary summary = ExportCsvFile(name);
    if (!summary.warnings.isEmpty())
        ShowMessage(summary.text()); // said only where CHIRP would not take a row as written
}

void TForm1::OpenClick(bool moveFocusFirst)
{
    if (moveFocusFirst)
        MoveFocusOn();
    if (!AskToSaveChanges())
        return;
    const QString name = UserDialogs().AskOpenFileName(this, kFileFilter, QStringLiteral("wh"));
    if (!name.isEmpty())
        OpenChannelFile(name);
}

void TForm1::SaveClick(bool moveFocusFirst)
{
    if (fileName_.isEmpty()) {
        SaveAsClick(moveFocusFirst);
        return;
    }
    if (moveFocusFirst)
        MoveFocusOn();
    xg->commitEdit();
    SaveChannelFileAs(fileName_);
}

void TForm1::SaveAsClick(bool moveFocusFirst)
{
    if (moveFocusFirst)
        MoveFocusOn();
    const QString name = UserDialogs().AskSaveFileName(this, kFileFilter, QStringLiteral("wh"));
    if (!name.isEmpty())
        SaveChannelFileAs(name);
}

QVector<SerialPortEntry> TForm1::portsToCheck() const
{
    // The chosen port first, also where the system does not list it.
    QVector<SerialPortEntry> ports = ListSerialPortEntries();
    const QString chosen = comcbb->currentText();
    const auto listed = std::find_if(ports.begin(), ports.end(), [&](const SerialPortEntry &p) { return p.name == chosen; });
    if (listed != ports.end())
        std::rotate(ports.begin(), listed, listed + 1);
    else if (!chosen.isEmpty())
        ports.prepend({chosen, QString()});
    return ports;
}

void TForm1::CheckConnectionClick()
{
    xg->commitEdit();
    if (AnyTransferUnderWay())
        throw ELumoraError(AnotherTransferText());
    Comm1->ClosePort(); // an idle signalling window's port: checked like any other
    comcbb->setEnabled(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ConnectionReport report = CheckConnections(portsToCheck());
    QApplication::restoreOverrideCursor();
    ShowMessage(report.text());
}

} // namespace lumora
