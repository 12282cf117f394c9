#pragma once
// A backup or a restore of the whole radio from the window: the main
// memory and the four signalling areas one after another, under one
// progress dialog with Cancel. The transfers are the windows' own; their
// own success boxes are held back, and the run reports once at its end.

#include "backup/RadioBackupFile.h"
#include "signalling/TSignallingForm.h"
#include "ui/UserDialogs.h"

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <functional>
#include <vector>

namespace lumora {

class TForm1;
enum class TransferEnd;

class RadioBackupRun : public QObject, private IUserDialogs {
    Q_OBJECT
public:
    enum class Kind { Backup, Restore };
    RadioBackupRun(TForm1 &form1, const SignallingAreas &areas, Kind kind, const QString &fileName);
    ~RadioBackupRun() override;

    // Checks (for a restore: the whole file, every block encoded) and
    // starts; throws what the check finds, with nothing sent.
    void Start();
    void Cancel();
    bool Running() const { return running_; }
    QProgressDialog *Progress() const { return progress_; }

signals:
    void Finished(bool completed);

private:
    // IUserDialogs: the transfers' own boxes during the run; their success
    // boxes are held back.
    void ShowMessage(const QString &text) override;
    void ShowError(const QString &text, const QString &detail) override;
    bool AskYesNo(const QString &text) override { return outer_->AskYesNo(text); }
    SaveAnswer AskSaveChanges(const QString &t, const QString &d) override { return outer_->AskSaveChanges(t, d); }
    QString AskOpenFileName(QWidget *p, const QString &f, const QString &s) override { return outer_->AskOpenFileName(p, f, s); }
    QString AskSaveFileName(QWidget *p, const QString &f, const QString &s) override { return outer_->AskSaveFileName(p, f, s); }

    void mainTransferEnded(TransferEnd end);
    void next();
    // list: what stands behind the text (an edited area's values).
    void finish(bool completed, const QString &text, const QString &list = QString());
    AreaSettings allSettings() const;
    AreaBytes allBytes() const;        // what the last reads gave
    AreaBytes baselines() const;       // what the windows keep of the radio
    QVector<int> blockCounts() const;  // each area's
    // Takes each area's blocks from the file as read from the radio, and
    // says which areas the file's texts change.
    void takeBytes(const AreaBytes &bytes);
    QString editedAreasText() const;

    TForm1 &form1_;
    SignallingAreas areas_;
    Kind kind_;
    QString fileName_;
    QStringList edited_; // a restore's areas whose texts the file changes
    int step_ = -1; // -1 before the start; 0 the main memory; 1 to 4 the areas
    bool running_ = false;
    IUserDialogs *outer_;
    QPointer<QProgressDialog> progress_;
    std::vector<QMetaObject::Connection> connections_;
};

} // namespace lumora
