#pragma once
// "Radio history...": the radios seen, each with its snapshots newest
// first; the one chosen shown field by field beside what LUMORA holds now,
// with the differences listed as diff lists them. "Restore this" writes it
// back through the restore's run; "Save as..." exports it as a backup file.
// How long snapshots are kept, and whether they are, is set here too.

#include "backup/RadioHistory.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace lumora {

class RadioHistoryWindow : public QDialog {
    Q_OBJECT
public:
    struct Hooks {
        std::function<AreaSettings()> shapes;     // every area's settings, in order
        std::function<QVector<int>()> blockCounts; // every area's block count, in order
        std::function<Snapshot()> now;            // what the table and windows hold now
        std::function<void(const QString &file, const QString &label)> restore;
    };
    RadioHistoryWindow(const QString &folder, Hooks hooks, const HistorySettings &settings, QWidget *parent = nullptr);

    // The radios and their snapshots again, the choice kept where it still is.
    void Refresh();
    const Snapshot &Shown() const { return shown_; }

    QListWidget *Radios;
    QListWidget *Snapshots;
    QTableWidget *Fields;      // field, this snapshot, now
    QListWidget *Differences;
    QLabel *Summary;
    QPushButton *RestoreButton, *SaveAsButton, *CloseButton;
    QCheckBox *KeepBox;
    QSpinBox *DaysBox, *CountBox;

signals:
    void SettingsChanged(const lumora::HistorySettings &settings);

private:
    void radioChosen();
    void snapshotChosen();
    void saveAs();
    void settingsEdited();
    QString chosenRadio() const;
    RadioHistory history_;
    Hooks hooks_;
    QVector<SnapshotInfo> all_;
    Snapshot shown_;
};

} // namespace lumora
