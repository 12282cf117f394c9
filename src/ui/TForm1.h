#pragma once
// The main window: the channel grid, the optional settings, the port, and
// the main memory's read and write. The state lives in the controls: a
// main read is under way while rbtn is disabled, a write while wbtn is.

#include "memory/ChannelArrangement.h"
#include "memory/ChannelColumns.h"
#include "memory/ChirpCsv.h"
#include "memory/FrequencyPlan.h"
#include "memory/MemoryComparison.h"
#include "memory/OptionSettings.h"
#include "protocol/AnswerWatch.h"
#include "protocol/ByteSink.h"
#include "protocol/Frames.h"
#include "protocol/MainMemoryFrames.h"
#include "protocol/ReadBack.h"
#include "protocol/ReceiveDispatcher.h"
#include "protocol/SignallingHost.h"
#include "protocol/TransferRoutes.h"
#include "serial/PortList.h"
#include "ui/EditHistory.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QSize>
#include <QStringList>
#include <QVector>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QComboBox;
class QGroupBox;
class QGridLayout;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class QToolBar;

class QStatusBar;

namespace lumora {

class TComm;
class TComboCellEditor;
class TEditCellEditor;
class TForm3;
class TXStringGrid;

// How a main read, verify or write ended.
enum class TransferEnd { Completed, Cancelled, Failed };

class TForm1 : public QMainWindow, public IMainTransfer, public ISignallingHost, private IByteSink {
    Q_OBJECT
public:
    // screen: the screen the window adapts to (default: the primary one).
    explicit TForm1(QSize screen = QSize(), QWidget *parent = nullptr);
    ~TForm1() override;

    // Components, by their names.
    TComm *Comm1;
    FrameBuffer TxBuffer{};
    FrameBuffer RxBuffer{};
    QTimer *Tim1;   // 300 ms: sends the pending message again
    QTimer *Timer2; // 20 ms: the status bar
    int ReadIndex = 0;
    int WriteAckCount = 0;
    int Resends = 0; // frames Tim1 has sent again (or answers that counted as one) since the program started
    // A main transfer's dialog says how long the radio has been silent
    // once it has been silent this long.
    int SilenceNoticeMs = 5000;
    // Sees every write to the port as it is made (tests, traces).
    std::function<void(const uint8_t *data, int count)> WriteTap;

    QToolBar *ToolBar1;
    QAction *ToolButton1, *ToolButton2, *ToolButton3, *ToolButton4, *ToolButton6;
    QMenu *FileMenu, *EditMenu, *SignaMenu, *ViewMenu, *HelpMenu;
    QAction *About1; // "About LUMORA": the version, Qt's, the manual pages
    QAction *Licences1; // "Licences...": the third-party notices
    QAction *Manual1 = nullptr; // "Manual" (Windows): the installed manual in the browser
    QAction *AllColumns1; // "All columns": the channel columns the layout hides, shown
    QMenu *PlanMenu;      // "Frequency plan": None, the built-in plans, a plan file
    QMenu *LanguageMenu;  // "Language": System, English, 简体中文
    QAction *PlanFile1;   // "Plan file...": a licence of the user's own
    QAction *Open1, *Save1, *SaveAs1, *Exit1;
    QMenu *RecentMenu; // "Recent files": the last eight opened or saved
    // Edit: on the open edit or the box that has the focus, else on the grid.
    QAction *Undo1, *Redo1, *Cut1, *Copy1, *Paste1, *Delete1, *SelectAll1;
    QAction *ImportCsv1, *ExportCsv1, *Verify1, *CheckConnection1;
    QAction *FindCable1, *SaveReport1; // "Find cable...", "Save diagnostic report..."
    QLabel *MissingPortPanel = nullptr; // "COM3 is not here. Find cable..."
    // Channels: the selected channels moved, inserted, deleted, swapped or
    // sorted as whole records (TForm1Channels.cpp); also the grid's context menu.
    QMenu *ChannelsMenu, *SortMenu;
    QAction *MoveUp1, *MoveDown1, *InsertChannel1, *DeleteChannels1, *SwapChannels1;
    std::vector<QAction *> SignaEntries; // DTMF, 2TONE, 5TONE, FSK: the areas' order
    TXStringGrid *xg;
    TEditCellEditor *EditCellEditor1;
    std::array<TComboCellEditor *, kChannelComboEditors + 1> ComboCellEditors{}; // [1] to [10]
    QGroupBox *GroupBox1, *GroupBox2;
    QComboBox *comcbb;
    std::array<QComboBox *, kOptionCount> OptionBoxes{}; // by OptionId: ComboBox1 to ComboBox10
    QPushButton *rbtn, *wbtn;
    QStatusBar *StatusBar1 = nullptr;
    std::array<QLabel *, 3> StatusPanels{};
    // After a read: how many of the radio's values the table cannot write
    // back as read, as a link to the list.
    QLabel *NotWrittenBackPanel = nullptr;
    TForm3 *Form3 = nullptr;

    // The progress dialog, created after this window; its Retry and Cancel
    // act on the main transfer under way.
    void setProgressDialog(TForm3 *form3);
    // The signalling windows, in the areas' order (DTMF, 2TONE, 5TONE,
    // FleetSync), as the "Signa" entries show them. Only this window's
    // close ends the application; they are hidden with it.
    void setSignallingWindows(const std::vector<QWidget *> &windows, const SignallingRoutes &routes);

    // Events.
    void rbtnClick(); // asks about unsaved changes first
    // The read of the radio into the grid, asking nothing.
    void ReadIntoGrid();
    void wbtnClick();
    // Write as the user asks for it (the button, F12, the toolbar): over
    // channels the frequency plan marks, asks once before wbtnClick.
    void WriteClick();
    void Comm1ReceiveData(const uint8_t *buffer, uint16_t length);
    void xgSetEditText(int col, int row);
    void FormActivate();
    void Timer2Timer();
    void Tim1Timer();
    void OpenClick(bool moveFocusFirst);
    // Save: to the file last opened or saved, else as Save As.
    void SaveClick(bool moveFocusFirst);
    void SaveAsClick(bool moveFocusFirst);
    // The file the table was last opened from or saved to; empty before
    // one, and again after a read brought another radio's table.
    QString FileName() const { return fileName_; }
    // The files last opened or saved, newest first (at most eight), as
    // the program remembers them.
    QStringList RecentFiles() const { return recentFiles_; }
    void setRecentFiles(const QStringList &files);
    void SignaClick(int window);
    // The port a signalling window sends on: opened from the port selector
    // unless it is open already.
    void OpenPortForSignalling();

    // Sending.
    void SendData(const FrameBuffer &buffer, int count);
    void FillFrameCrc();

    // The table and the options as texts; files.
    OptionTexts Options() const;
    void setOptions(const OptionTexts &options);
    void OpenChannelFile(const QString &fileName);
    void SaveChannelFileAs(const QString &fileName);
    // CHIRP CSV channel lists: the rows taken replace their channels; the
    // channels in use as CSV. The menu entries show the summaries.
    ChirpImportSummary ImportCsvFile(const QString &fileName);
    ChirpExportSummary ExportCsvFile(const QString &fileName);
    void ImportCsvClick();
    void ExportCsvClick();
    // The plan the channels are marked against (none: no marks), and the
    // lines of the channels in use it marks.
    void SetFrequencyPlan(const FrequencyPlan &plan);
    const FrequencyPlan &Plan() const { return plan_; }
    QStringList ChannelsOutsidePlan() const;
    void ChoosePlanFileClick();
    // Reads the radio into a table of its own and says how it differs from
    // the grid and the options.
    void VerifyClick();
    // Says for every port (the chosen one first) whether it opens, why
    // not, and whether a radio answers on it.
    void CheckConnectionClick();
    // "Find cable...": the port that goes away and comes back when the
    // cable is plugged in again, chosen (and said with CableFound).
    void FindCableClick();
    // The status bar says the remembered port is not here (none: no port
    // at all) and offers "Find cable..." until a port is chosen.
    void OfferFindCable(const QString &missingPort);
    // "Save diagnostic report...": the versions, the ports, the connection
    // check, the settings and the last transfer's trace, in one file.
    void SaveDiagnosticReportClick();
    void SaveDiagnosticReport(const QString &fileName);
    // Adds a port name to the list if missing and selects it.
    void SelectPort(const QString &name);
    // Moves the focus on, so that an edit in progress is committed.
    void MoveFocusOn();
    bool AnyTransferUnderWay() const;

    // What the window edits, whole: the table, the options, and which of the
    // radio's channels (their bytes) each channel holds since an arrangement.
    struct EditedMemory {
        QVector<QStringList> rows;
        OptionTexts options;
        ChannelOrder radioRows = UnchangedOrder();
        int baselineTaken = 0; // the baseline radioRows refers to
        bool sameTexts(const EditedMemory &o) const { return rows == o.rows && options == o.options; }
        bool operator==(const EditedMemory &o) const { return sameTexts(o) && radioRows == o.radioRows; }
        bool operator!=(const EditedMemory &o) const { return !(*this == o); }
    };
    EditedMemory Snapshot() const;
    void Restore(const EditedMemory &memory);
    // The table or the options differ from what was last opened, saved or
    // read (the title then starts with an asterisk).
    bool HasUnsavedChanges() const { return !Snapshot().sameTexts(saved_); }

    // The channels rearranged as whole records, every column and the
    // radio's bytes with them: one undo step; rows top to bottom are
    // selected afterwards. Refused (ELumoraError) during a transfer.
    void ArrangeChannels(const ChannelOrder &order, int top, int bottom, const QString &said = QString());
    void MoveChannelsUp();
    void MoveChannelsDown();
    void InsertChannelClick(); // refused while channel 16 is in use
    void DeleteChannelsClick();
    void SwapChannelsClick();
    void SortChannels(int col);
    // Over unsaved changes, asks "Save changes?" and saves when told to;
    // false when the user cancelled (or the save was not made).
    bool AskToSaveChanges();
    // Edits, pastes, clears, opens, imports and reads, one step each.
    void Undo();
    void Redo();

    // IMainTransfer
    bool MainReadUnderWay() const override;
    bool MainWriteUnderWay() const override;
    void MainReadGreetingAnswered() override;
    void MainReadDataAnswer() override;
    void MainWriteAcknowledged() override;
    void SendAcknowledgement() override;
    void AmbiguousAnswer() override { ++Resends; } // a write under way reads the radio back

    // ISignallingHost
    FrameBuffer &Tx() override { return TxBuffer; }
    const FrameBuffer &Rx() const override { return RxBuffer; }
    void SendTx(int count) override { SendData(TxBuffer, count); }
    void FillTxCrc() override { FillFrameCrc(); }
    void StartTim1() override;
    void StopTim1() override;
    int &SharedReadIndex() override { return ReadIndex; }
    bool OtherTransferUnderWay(const ISignallingTransfer *asking) const override;
    void PreparePort() override { OpenPortForSignalling(); }
    int ResendCount() const override { return Resends; }
    void ReleasePort() override;

    // The blocks the last completed main read, verify or read-back gave:
    // channels 1 to 16, then the options. Empty before any.
    const std::vector<Payload> &LastReadBlocks() const { return lastRead_; }
    // The radio the table was read (or restored) from: a write sends each
    // channel, and the options, as the radio gave them while unchanged.
    // No blocks: no baseline, a write sends the table.
    void TakeBaseline(const std::vector<Payload> &blocks);
    // The table and the options show exactly what the baseline's bytes give.
    bool ShowsBaseline() const;
    const MainBaseline &Baseline() const { return baseline_; }
    // The blocks a write of the table started now sends, every byte as the
    // transmit buffer makes it. Throws the first conversion error.
    std::vector<Payload> WriteBlocks() const;
    // The blocks the last main write sent, as each frame went out (a block
    // not sent yet: what the write was to send). Empty before any write.
    const std::vector<Payload> &LastWrittenBlocks() const { return sent_; }
    // The radio's values the table cannot write back as it holds them.
    QStringList ValuesNotWrittenBack() const { return MainValuesNotWrittenBack(baseline_); }

    // Stops the main transfer under way as Cancel does, without a word to
    // the user (a program ending it; closing the window).
    void CancelMainTransfer();
    // While a main write is under way (or as it stopped): what the radio
    // acknowledged of it, for a message that says what the radio now holds.
    QString MainWriteProgressText() const;

    // The port reported a hang-up or an I/O error (the cable was pulled):
    // any transfer ends at once and says so, and the port is closed.
    void Comm1RequestHangup();

signals:
    // A main read, verify or write ended: completed (after its box), stopped
    // by Cancel, or failed (reason: the error shown).
    void MainTransferEnded(lumora::TransferEnd end, const QString &reason);
    // A read of the whole main memory completed (LastReadBlocks holds it):
    // how: "read", "verify", or "read back after write".
    void RadioImageRead(const QString &how);
    // A main write completed: the radio acknowledged (and, where asked,
    // gave back) every block of LastWrittenBlocks.
    void RadioWritten();
    // The user chose a frequency plan (its id: a built-in name or a file;
    // empty for none), for the program to remember.
    void FrequencyPlanChosen(const QString &id);
    // The recent files changed (a file opened or saved), for the program to remember.
    void RecentFilesChanged(const QStringList &files);
    // The user chose the port "Find cable..." found: the one to remember.
    void CableFound(const QString &port);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;
    // Closing the window ends the application: every transfer stops first
    // (a write only once the user agrees, as it leaves the radio half-written).
    void closeEvent(QCloseEvent *event) override;

private:
    bool WriteBytes(const uint8_t *data, int count) override; // the port as byte sink
    void EndOfMessage() override;
    void buildLayout();
    void buildGrid();
    void buildOptions();
    void AdaptToSmallScreen(QSize screen);
    void ScaleFormToScreen(QSize screen);
    // The gaps between the option rows, the buttons' height, the options'
    // group's least height.
    void spaceOptions(int rowGap, int buttonHeight, int groupHeight);
    int fitColumnsToTexts(); // the pixels the shown columns grew by
    int neededWidth(int col) const; // what column col's caption and texts need
    void setTabOrders();
    // "All columns": every channel column shown, or those the layout shows.
    void ShowAllColumns(bool all);
    void buildPlanMenu();
    void buildLanguageMenu(); // the language of the next start
    void buildHelpMenu(); // About, the licences and, on Windows, the manual
    void buildCableEntries(); // File > Find cable..., Help > Save diagnostic report..., the status bar's offer
    QVector<SerialPortEntry> portsToCheck() const; // the chosen port first
    void buildEditMenu();
    void buildChannelsMenu();
    void connectChannelsToGrid(); // its keys, drags and context menu
    void showChannelsMenu(int col, int row, const QPoint &globalPos); // the grid's context menu
    void enableChannelCommands();
    void rememberFile(const QString &fileName); // the title and the recent files
    void fillRecentMenu();
    // The plan's entry checked, the marks redrawn, the status bar told.
    void showPlan();
    bool filterKey(QObject *watched, QKeyEvent *key);
    // The window's character rule: what a typed character becomes (E, I,
    // N and O upper-cased, a decimal comma a point), or a null character
    // where it is discarded.
    static QChar WindowCharacter(QChar c);
    // What of a typed or pasted text may enter the widget.
    QString allowedText(QWidget *target, const QString &text) const;
    // What a channel cell gets of a typed or pasted text, or none: the
    // status bar says why it keeps its text, or what it noted.
    std::optional<QString> checkTypedCell(int col, int row, const QString &typed, const std::optional<QString> &taken);
    // Says in the status bar what the grid's cell takes, when a character
    // typed or pasted into it was left out.
    void sayWhatTheCellTakes(QWidget *target, const QString &leftOut);
    // The boxes with input rules (the port and the seven visible options).
    std::array<QComboBox *, 8> visibleOptionBoxes() const;
    QComboBox *optionBoxOf(QObject *watched) const; // the box, or the box of its text field
    void refuseIfOtherTransfer() const;
    bool signallingTransferUnderWay() const;
    // The first routed signalling window for which the test holds, or null.
    ISignallingTransfer *signallingWindowWhere(const std::function<bool(const ISignallingTransfer &)> &test) const;
    void beginMainTransfer(int steps);
    void endOfMainTransfer();
    void startMainRead(); // the read itself, into the grid or a verify's table
    void sendGreetingForRead(); // the read's first message, its state reset
    // A write that resent a frame reads the radio back before it says
    // anything: an acknowledgement names no frame.
    void startReadBack();
    void endReadBack(const std::vector<Payload> &read); // compares with what readBack_ sent
    bool readIntoGridUnderWay() const; // a main read, not a verify
    bool writeUnderWay() const; // main or signalling
    void stopAllTransfers();
    // The progress dialog's Retry and Cancel.
    void RetryMainTransfer();
    void CancelClick();
    // Ends the main transfer under way as Cancel does, without a word of it.
    void endMainTransferQuietly();
    // The window's own controls take input or not; its other windows stay usable.
    void EnableWindow(bool enabled);
    void recordEdit(); // a change ended: one undo step, the title brought up to date
    void markSaved();  // what the window shows is what a file or the radio holds
    void showModified();

    QWidget *client_;
    std::vector<std::pair<QLabel *, QComboBox *>> optionRows_; // as they stand, top first
    QWidget *optionPanel_ = nullptr; // the options' group, scrolling, and the buttons' group
    QGridLayout *optionRowsLayout_ = nullptr;
    QSize sizeBeforeAllColumns_, sizeWithAllColumns_; // what "All columns" grew the window from and to
    std::array<int, kChannelColumns> laidOutWidths_{};
    // A main read under way: what it has read so far, which only a
    // completed read puts into the grid and the options; for a verify or a
    // write's read-back, the bytes the write sends.
    struct MainRead {
        bool verifying = false;
        bool readingBack = false; // the end of a write: the write is under way too
        TextTable read{kChannelColumns, kChannelRows};
        OptionTexts readOptions;
        std::vector<Payload> blocks = std::vector<Payload>(kMainBlockCount);
        std::vector<Payload> written; // a verify's: the bytes a write of the table sends
    };
    ReadBack readBack_; // what the write sent and why it is read back
    std::unique_ptr<MainRead> read_;
    std::vector<Payload> lastRead_;
    MainBaseline baseline_;
    int baselineTaken_ = 0; // counts the baselines taken
    std::vector<Payload> sent_; // LastWrittenBlocks
    void recordSent(int block);  // the frame in the buffer, as block (0 to 16) of the write
    // Says in the status bar what the last read cannot write back.
    void showValuesNotWrittenBack();
    AnswerWatch answers_; // the block asked for, stray answers, the resends a write must confirm
    UncheckedAnswer unchecked_; // a data answer that failed its check value, for the next one
    QElapsedTimer lastAnswer_;  // since the main transfer's last answer that moved it on
    void mainAnswerHeard(const QString &nextStep); // the dialog says what comes next

    std::vector<QWidget *> signalling_;
    SignallingRoutes routes_;
    EditHistory<EditedMemory> history_;
    EditedMemory saved_;
    bool settingOptions_ = false;
    QString optionTextOnEntry_; // an option box's text as the focus came into it
    FrequencyPlan plan_;
    QString fileName_;
    QStringList recentFiles_;
    QActionGroup *planGroup_ = nullptr;
    QAction *planFileEntry_ = nullptr; // the plan file chosen, checked, under the built-in plans
};

} // namespace lumora
