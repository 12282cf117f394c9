// The channel card of the windows: "Print..." (with its preview) and
// "Export PDF..." of the "File" menu, and the card of a backup file.

#include "app/ToolWindows.h"

#include "memory/Errors.h"
#include "ui/DocumentPrinter.h"
#include "ui/TXStringGrid.h"
#include "ui/UserDialogs.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>

namespace lumora {

namespace {
constexpr qint64 kBackupMaxBytes = 2 * 1024 * 1024;
}

void ToolWindows::addPrintCommands()
{
    QMenu *menu = Form1->FileMenu;
    QAction *before = Form1->Verify1;
    Print1 = new QAction(tr("Prin&t..."), menu);
    Print1->setShortcut(QKeySequence::Print);
    ExportPdf1 = new QAction(tr("Export P&DF..."), menu);
    QObject::connect(Print1, &QAction::triggered, Form1.get(), [this] {
        Form1->MoveFocusOn();
        UserDialogs().PreviewAndPrint(Form1.get(), ChannelCardHtml(Card()), true);
    });
    QObject::connect(ExportPdf1, &QAction::triggered, Form1.get(), [this] { ExportPdfClick(); });
    menu->insertActions(before, {Print1, ExportPdf1});
    menuActions_.push_back(Print1);
    menuActions_.push_back(ExportPdf1);
}

ChannelCard ToolWindows::Card() const
{
    ChannelCard card;
    const QString file = Form1->FileName();
    card.source = file.isEmpty() ? tr("Untitled") : QFileInfo(file).fileName();
    card.made = QDateTime::currentDateTime();
    card.main = MainMemorySettings(*Form1->xg, Form1->Options());
    // Only what a read (or a restore) brought names the radio: a window
    // never read holds the tool's defaults, not the radio's.
    for (const auto &[name, window] : Areas())
        if (window->HasBaseline() || !window->LastReadBlocks().empty())
            card.signalling << qMakePair(name, window->Settings());
    return card;
}

ChannelCard ToolWindows::CardOfBackup(const QString &fileName) const
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw EFOpenError(tr("Cannot open file \"%1\". %2").arg(fileName, f.errorString()));
    if (f.size() > kBackupMaxBytes)
        throw EFOpenError(tr("\"%1\" is too large for a radio backup").arg(fileName));
    const QByteArray json = f.readAll();
    const AreaSettings all = AllSettings();
    const QVector<int> counts = BlockCounts();
    QStringList names;
    for (const auto &area : all)
        names << area.first;
    const QStringList held = AreasInRadioBackup(json, names);
    AreaSettings shapes;
    QVector<int> heldCounts;
    for (int i = 0; i < all.size(); ++i)
        if (held.contains(all[i].first)) {
            shapes << all[i];
            heldCounts << counts[i];
        }
    ChannelCard card;
    card.source = QFileInfo(fileName).fileName();
    card.made = QDateTime::currentDateTime();
    for (const auto &area : ReadRadioBackup(json, shapes, fileName, nullptr, heldCounts)) {
        if (area.first == area::Main)
            card.main = area.second;
        else
            card.signalling << area;
    }
    return card;
}

void ToolWindows::ExportPdfClick()
{
    Form1->MoveFocusOn();
    const QString name = UserDialogs().AskSaveFileName(Form1.get(), tr("PDF (*.pdf)"), QStringLiteral("pdf"));
    if (name.isEmpty())
        return;
    SaveDocumentPdf(ChannelCardHtml(Card()), name, true);
    Form1->StatusBar1->showMessage(tr("The channel card is in %1").arg(name), 8000);
}

} // namespace lumora
