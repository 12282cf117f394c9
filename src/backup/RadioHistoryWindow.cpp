#include "backup/RadioHistoryWindow.h"

#include "memory/Errors.h"
#include "ui/ScreenFit.h"
#include "ui/ToolTexts.h"
#include "ui/UserDialogs.h"

#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace lumora {

namespace {

QString whenText(const QDateTime &time)
{
    return QLocale().toString(time.toLocalTime(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

RadioHistoryWindow::RadioHistoryWindow(const QString &folder, Hooks hooks, const HistorySettings &settings,
                                       QWidget *parent)
    : QDialog(parent), history_(folder), hooks_(std::move(hooks))
{
    setWindowTitle(tr("Radio history - ") + ToolTitle());
    Radios = new QListWidget;
    Snapshots = new QListWidget;
    Fields = new QTableWidget(0, 3);
    Fields->setHorizontalHeaderLabels({tr("Field"), tr("This snapshot"),
                                       tr("Now in LUMORA")});
    Fields->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The snapshot and now side by side, each as wide; the whole text in the tooltip.
    Fields->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Fields->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    Fields->setTextElideMode(Qt::ElideRight);
    Fields->setWordWrap(false);
    Fields->verticalHeader()->hide();
    Differences = new QListWidget;
    Summary = new QLabel;
    Summary->setWordWrap(true);
    RestoreButton = new QPushButton(tr("&Restore this"));
    SaveAsButton = new QPushButton(tr("&Save as..."));
    CloseButton = new QPushButton(tr("&Close"));
    KeepBox = new QCheckBox(tr("&Keep a history of every radio"));
    DaysBox = new QSpinBox;
    DaysBox->setRange(1, 36500);
    DaysBox->setSuffix(tr(" days"));
    CountBox = new QSpinBox;
    CountBox->setRange(1, 100000);
    KeepBox->setChecked(settings.keep);
    DaysBox->setValue(settings.bounds.days);
    CountBox->setValue(settings.bounds.count);

    auto *left = new QVBoxLayout;
    auto *radiosLabel = new QLabel(tr("R&adios seen:"));
    radiosLabel->setBuddy(Radios);
    auto *snapshotsLabel = new QLabel(tr("S&napshots, newest first:"));
    snapshotsLabel->setBuddy(Snapshots);
    left->addWidget(radiosLabel);
    left->addWidget(Radios, 1);
    left->addWidget(snapshotsLabel);
    left->addWidget(Snapshots, 2);
    auto *right = new QVBoxLayout;
    right->addWidget(Summary);
    right->addWidget(Fields, 3);
    auto *differencesLabel = new QLabel(tr("&Differences from what LUMORA holds now:"));
    differencesLabel->setBuddy(Differences);
    right->addWidget(differencesLabel);
    right->addWidget(Differences, 1);
    auto *panes = new QHBoxLayout;
    panes->addLayout(left, 2);
    panes->addLayout(right, 3);
    auto *keeping = new QHBoxLayout;
    keeping->addWidget(KeepBox);
    auto *daysLabel = new QLabel(tr("keeping every snapshot &for"));
    daysLabel->setBuddy(DaysBox);
    keeping->addWidget(daysLabel);
    keeping->addWidget(DaysBox);
    auto *countLabel = new QLabel(tr("and the &last"));
    countLabel->setBuddy(CountBox);
    keeping->addWidget(countLabel);
    keeping->addWidget(CountBox);
    keeping->addWidget(new QLabel(tr("of each radio")));
    keeping->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(RestoreButton);
    buttons->addWidget(SaveAsButton);
    buttons->addWidget(CloseButton);
    // What does not fit a small screen scrolls; the buttons stay in view.
    auto *content = new QWidget;
    auto *inner = new QVBoxLayout(content);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->addLayout(panes, 1);
    inner->addLayout(keeping);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new TFittingScrollArea(content, this), 1);
    layout->addLayout(buttons);

    connect(Radios, &QListWidget::currentRowChanged, this, &RadioHistoryWindow::radioChosen);
    connect(Snapshots, &QListWidget::currentRowChanged, this, &RadioHistoryWindow::snapshotChosen);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
    connect(SaveAsButton, &QPushButton::clicked, this, [this] {
        try {
            saveAs();
        } catch (const std::exception &e) {
            ShowException(e);
        }
    });
    connect(RestoreButton, &QPushButton::clicked, this, [this] {
        if (!shown_.info.file.isEmpty() && hooks_.restore)
            hooks_.restore(shown_.info.file, Snapshots->currentItem()->text());
    });
    connect(KeepBox, &QCheckBox::toggled, this, &RadioHistoryWindow::settingsEdited);
    connect(DaysBox, qOverload<int>(&QSpinBox::valueChanged), this, &RadioHistoryWindow::settingsEdited);
    connect(CountBox, qOverload<int>(&QSpinBox::valueChanged), this, &RadioHistoryWindow::settingsEdited);
    setWindowFlag(Qt::Window);
    setWindowFlag(Qt::WindowMinimizeButtonHint);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(980, 600);
    FitToScreenOnShow(this);
    Refresh();
}

void RadioHistoryWindow::settingsEdited()
{
    emit SettingsChanged({KeepBox->isChecked(), {DaysBox->value(), CountBox->value()}});
}

QString RadioHistoryWindow::chosenRadio() const
{
    const QListWidgetItem *item = Radios->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void RadioHistoryWindow::Refresh()
{
    const QString radio = chosenRadio();
    const QString snapshot = Snapshots->currentItem() ? Snapshots->currentItem()->data(Qt::UserRole).toString() : QString();
    all_ = history_.List();
    QSignalBlocker quiet(Radios);
    Radios->clear();
    QStringList seen;
    for (const SnapshotInfo &info : all_) { // newest first: the first of a radio says when it was last seen
        if (seen.contains(info.radio))
            continue;
        seen << info.radio;
        auto *item = new QListWidgetItem(
                info.damaged ? tr("%1 (a damaged snapshot)").arg(info.radio)
                             : tr("%1 - last %2 on %3").arg(info.RadioText(), whenText(info.time), info.port));
        item->setData(Qt::UserRole, info.radio);
        item->setToolTip(item->text());
        Radios->addItem(item);
        if (info.radio == radio)
            Radios->setCurrentItem(item);
    }
    if (!Radios->currentItem() && Radios->count() > 0)
        Radios->setCurrentRow(0);
    quiet.unblock();
    radioChosen();
    for (int i = 0; i < Snapshots->count(); ++i)
        if (Snapshots->item(i)->data(Qt::UserRole).toString() == snapshot)
            Snapshots->setCurrentRow(i);
}

void RadioHistoryWindow::radioChosen()
{
    const QString radio = chosenRadio();
    QSignalBlocker quiet(Snapshots);
    Snapshots->clear();
    for (const SnapshotInfo &info : all_) {
        if (info.radio != radio)
            continue;
        QString areas = info.areas.join(QStringLiteral(", "));
        if (info.areas.size() == 5)
            areas = tr("the whole radio");
        auto *item = new QListWidgetItem(info.damaged ? tr("%1  damaged: %2").arg(whenText(info.time), info.damage)
                                                      : QStringLiteral("%1  %2  (%3)").arg(whenText(info.time), ShownOrigin(info.origin), areas));
        item->setData(Qt::UserRole, info.id);
        item->setData(Qt::UserRole + 1, info.file);
        Snapshots->addItem(item);
    }
    quiet.unblock();
    Snapshots->setCurrentRow(Snapshots->count() > 0 ? 0 : -1);
    snapshotChosen();
}

void RadioHistoryWindow::snapshotChosen()
{
    shown_ = Snapshot{};
    Fields->setRowCount(0);
    Differences->clear();
    RestoreButton->setEnabled(false);
    SaveAsButton->setEnabled(false);
    const QListWidgetItem *item = Snapshots->currentItem();
    if (!item) {
        Summary->setText(all_.isEmpty() ? tr("No snapshot has been kept yet.") : QString());
        return;
    }
    try {
        shown_ = history_.Load(item->data(Qt::UserRole + 1).toString(), hooks_.shapes(), hooks_.blockCounts());
    } catch (const std::exception &e) {
        Summary->setText(QString::fromUtf8(e.what())); // listed, never loaded in part
        return;
    }
    Summary->setText(tr("%1, %2 on %3 (%4).")
                             .arg(shown_.info.RadioText(), whenText(shown_.info.time), shown_.info.port, ShownOrigin(shown_.info.origin)));
    Snapshot now;
    QString nowProblem;
    try {
        now = hooks_.now();
    } catch (const std::exception &e) {
        nowProblem = QString::fromUtf8(e.what());
    }
    for (const auto &area : shown_.areas) {
        QVector<QPair<QString, QString>> theirs = SnapshotFields(area.first, area.second), ours;
        for (const auto &n : now.areas)
            if (n.first == area.first)
                ours = SnapshotFields(n.first, n.second);
        for (int i = 0; i < theirs.size(); ++i) {
            const int row = Fields->rowCount();
            Fields->insertRow(row);
            const QStringList texts{theirs[i].first, theirs[i].second, ours.value(i).second};
            for (int c = 0; c < 3; ++c) {
                auto *cell = new QTableWidgetItem(texts[c]);
                cell->setToolTip(texts[c]);
                Fields->setItem(row, c, cell);
            }
            if (i < ours.size() && ours[i].second != theirs[i].second)
                for (int c = 0; c < 3; ++c) { // bold: seen without colour, in any palette
                    QFont bold = Fields->font();
                    bold.setBold(true);
                    Fields->item(row, c)->setFont(bold);
                }
        }
    }
    Fields->resizeColumnToContents(0); // at most a third: the two images side by side matter more
    Fields->setColumnWidth(0, std::min(Fields->columnWidth(0), std::max(120, Fields->viewport()->width() / 3)));
    const QStringList lines = nowProblem.isEmpty()
                                      ? CompareImages(now, shown_, SideWord("now"), SideWord("snapshot"))
                                      : QStringList{tr("What LUMORA holds now cannot be compared: ") + nowProblem};
    Differences->addItems(lines.isEmpty() ? QStringList{tr("None: LUMORA holds what this snapshot holds.")}
                                          : lines);
    RestoreButton->setEnabled(true);
    SaveAsButton->setEnabled(true);
}

void RadioHistoryWindow::saveAs()
{
    const QString name = UserDialogs().AskSaveFileName(this, tr("Radio backup (*.json)"), QStringLiteral("json"));
    if (name.isEmpty())
        return;
    SaveRadioBackup(name, shown_.areas, shown_.bytes);
    ShowMessage(tr("The snapshot is saved as the backup \"%1\".").arg(name));
}

} // namespace lumora
