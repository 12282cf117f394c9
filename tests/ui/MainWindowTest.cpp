// The main window as a user meets it: layout, cell rules, keys, boxes.

#include "UiTestSupport.h"

#include "memory/ChannelColumns.h"
#include "memory/Errors.h"
#include "protocol/TransferRoutes.h"
#include "serial/PortList.h"
#include "serial/TComm.h"
#include "ui/TComboCellEditor.h"
#include "ui/TEditCellEditor.h"
#include "ui/TForm1.h"
#include "ui/TForm3.h"
#include "ui/Palettes.h"
#include "ui/TXStringGrid.h"
#include "ui/LocalTimeText.h"

#include <QLayout>
#include <QComboBox>
#include <cmath>
#include <QGroupBox>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <memory>
#include <QTimer>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimeZone>

using namespace lumora;
using namespace lumora::test;

namespace {

class BusyWindow : public ISignallingTransfer {
public:
    bool ReadUnderWay() const override { return true; }
    bool WriteUnderWay() const override { return false; }
    void BlockReceived() override {}
    void BlockAcknowledged() override {}
    void StopTransfer() override {}
    QString AreaName() const override { return QStringLiteral("test"); }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<MainWindowUnderTest> window;
    CapturedDialogs *dialogs = nullptr;
    TForm1 *form = nullptr;
    TForm3 *progress = nullptr;

    void typeIntoCell(int col, int row, const QString &text)
    {
        form->xg->setFocus();
        form->xg->setCurrentCell(col, row);
        typeKeys(text);
        press(Qt::Key_Return);
    }

private slots:
    void init()
    {
        window = std::make_unique<MainWindowUnderTest>();
        dialogs = &window->dialogs;
        form = &window->form;
        progress = &window->progress;
        QVERIFY(showActive(form));
    }
    void cleanup()
    {
        window.reset();
    }

    void theWindowIsLaidOutAsTheToolIs()
    {
        QCOMPARE(form->windowTitle(), QString("Untitled - LUMORA  V1.0"));
        // The first column grows as far as its caption needs, and the window with it.
        const int first = form->xg->ColWidths(0);
        QVERIFY(first >= 70 && first >= QFontMetrics(form->xg->Columns()[0].HeaderFont()).horizontalAdvance("Channel  No.") + 4);
        QCOMPARE(form->centralWidget()->size(), QSize(851 + first - 70, 490));
        QVERIFY(form->minimumWidth() < form->width() && form->maximumWidth() > form->width()); // resizable
        QCOMPARE(form->xg->size(), QSize(644 + first - 70, 428));
        QCOMPARE(form->xg->ColCount(), 16);
        QCOMPARE(form->xg->RowCount(), 17);
        const int widths[16] = {first, 80, 80, 80, 80, 80, 80, 80, -1, -1, -1, -1, -1, -1, -1, -1};
        for (int c = 0; c < 16; ++c) {
            QCOMPARE(form->xg->Columns()[c].Caption(), ChannelCaptions()[c]);
            QCOMPARE(form->xg->ColWidths(c), widths[c]);
            QCOMPARE(form->xg->Columns()[c].HeaderColor(), QColor(235, 233, 237));
        }
        QVERIFY(!form->xg->Columns()[0].Editor());
        QCOMPARE(form->xg->Columns()[1].Editor(), form->EditCellEditor1);
        QCOMPARE(form->xg->Columns()[15].Editor(), form->ComboCellEditors[4]);
        QCOMPARE(form->ComboCellEditors[1]->Items.size(), 218);
        QCOMPARE(form->ComboCellEditors[1]->Style, TComboCellEditor::csDropDown);
        QCOMPARE(form->ComboCellEditors[4]->DefaultText, QString("YES"));
        QCOMPARE(form->xg->RowHeights(0), 24);
        QCOMPARE(form->xg->RowHeights(1), 22);
        QCOMPARE(form->xg->RowHeights(2), 24);
        QCOMPARE(form->GroupBox1->title(), QString("Optional Function"));
        QCOMPARE(form->GroupBox2->title(), QString("W/R"));
        QCOMPARE(form->rbtn->text(), QString("&Read(F11)")); // Alt+R
        QCOMPARE(form->wbtn->text(), QString("&Write(F12)"));
        for (OptionId id : {OptVoxLev, OptVoxTime, OptBeep})
            QVERIFY(!form->OptionBoxes[id]->isVisible());
        QCOMPARE(form->OptionBoxes[OptTot]->currentText(), QString("60"));
        QCOMPARE(form->OptionBoxes[OptVoice]->currentText(), QString("ENGLISH"));
        QCOMPARE(form->OptionBoxes[OptSavePower]->currentText(), QString("OPEN"));
        for (QAction *entry : form->SignaEntries)
            QVERIFY(!entry->isEnabled());
        QCOMPARE(form->xg->Cells(0, 16), QString("16"));
        QCOMPARE(progress->size(), QSize(441, 96));
        QCOMPARE(progress->Button1->text(), QString("&Retry"));
        QCOMPARE(progress->Button2->text(), QString("&Cancel"));
        if (!qEnvironmentVariableIsEmpty("LUMORA_GRAB")) { // for looking at
            typeIntoCell(ColRxFreq, 1, "146.52");
            typeIntoCell(ColRxFreq, 2, "446.00625");
            typeIntoCell(ColToneEnc, 2, "67");
            form->grab().save(qEnvironmentVariable("LUMORA_GRAB"));
        }
    }

    void errorBoxesEndInAPeriodUnlessTheirTextEndsLow()
    {
        QCOMPARE(ErrorBoxText("Error opening serial port"), QString("Error opening serial port."));
        QCOMPARE(ErrorBoxText("File handle is not a comm handle "),
                 QString("File handle is not a comm handle "));
        QCOMPARE(ErrorBoxText("Cannot open file \"x\". No such file or directory."),
                 QString("Cannot open file \"x\". No such file or directory."));
        QCOMPARE(ErrorBoxText("'' is not a valid integer value"), QString("'' is not a valid integer value."));
        QCOMPARE(ErrorBoxText("List index out of bounds (26)"), QString("List index out of bounds (26)"));
        QCOMPARE(ErrorBoxText(QString::fromUtf8("打开串口出错")), QString::fromUtf8("打开串口出错。"));
        QCOMPARE(ErrorBoxText(QString::fromUtf8("无法打开文件“x”")), QString::fromUtf8("无法打开文件“x”。"));
        QCOMPARE(ErrorBoxText(QString::fromUtf8("恢复已取消。")), QString::fromUtf8("恢复已取消。"));
    }

    void theStatusBarShowsPortDateAndTime()
    {
        form->SelectPort("/dev/ttyUSB0");
        form->Timer2Timer();
        QCOMPARE(form->StatusPanels[0]->text(), QString("Present Com") + QChar(0xFF1A) + "/dev/ttyUSB0");
        QVERIFY(form->StatusPanels[1]->text().startsWith(QString("Date") + QChar(0xFF1A)));
        QVERIFY(form->StatusPanels[2]->text().startsWith(QString("Time") + QChar(0xFF1A)));
        QCOMPARE(form->StatusPanels[0]->width(), 150);
        // Hours, minutes and seconds in the locale's own order, no zone.
        const QString time = form->StatusPanels[2]->text().mid(5);
        QVERIFY2(!time.contains(QTimeZone::systemTimeZone().abbreviation(QDateTime::currentDateTime())), qPrintable(time));
        QVERIFY2(QTime::fromString(time, TimeFormatWithoutZone(QLocale::system().timeFormat(QLocale::LongFormat))).isValid(),
                 qPrintable(time));
    }

    void theClockFollowsTheLocaleWithoutTheZone()
    {
        const QTime t(15, 4, 5);
        QCOMPARE(LocalTimeText(QLocale("en_US"), t), QString("3:04:05 PM"));
        QCOMPARE(LocalTimeText(QLocale("de_DE"), t), QString("15:04:05"));
        QCOMPARE(LocalTimeText(QLocale("zh_CN"), t), QString("15:04:05"));
        QCOMPARE(LocalTimeText(QLocale("ja_JP"), t), QString::fromUtf8("15時04分05秒"));
        QCOMPARE(LocalTimeText(QLocale::c(), t), QString("15:04:05"));
        QCOMPARE(TimeFormatWithoutZone("HH:mm:ss 'at' t"), QString("HH:mm:ss 'at'"));
        QCOMPARE(TimeFormatWithoutZone("tttt HH:mm:ss"), QString("HH:mm:ss"));
    }

    void typingAFrequencyMakesAChannel()
    {
        typeIntoCell(ColRxFreq, 2, "146.52");
        QCOMPARE(rowOf(form->xg, 2), QStringList({"146.52000", "146.52000", "NONE", "NONE", "HIGH",
                                                  "WIDE", "YES", "25000", "NONE", "NONE", "NONE",
                                                  "NONE", "DTMF", "1", "NONE"}));
        typeIntoCell(ColRxFreq, 3, "1000");
        QCOMPARE(rowOf(form->xg, 3), QStringList(15, QString()));
        typeIntoCell(ColToneEnc, 3, "67");
        QCOMPARE(rowOf(form->xg, 3), QStringList(15, QString()));
    }

    void tonesAreTypedInCapitalsAndMadeCanonical()
    {
        typeIntoCell(ColRxFreq, 1, "446");
        typeIntoCell(ColToneDec, 1, "23n");
        QCOMPARE(form->xg->Cells(ColToneDec, 1), QString("023N"));
        typeIntoCell(ColToneEnc, 1, "67");
        QCOMPARE(form->xg->Cells(ColToneEnc, 1), QString("67.0"));
        typeIntoCell(ColToneEnc, 1, "1.2.3"); // no tone: refused, the cell kept
        QCOMPARE(form->xg->Cells(ColToneEnc, 1), QString("67.0"));
    }

    void onlyTheCharactersOfFrequenciesAndTonesCanBeTyped()
    {
        form->xg->setFocus();
        form->xg->setCurrentCell(ColRxFreq, 4);
        typeKeys("1");
        QCOMPARE(form->xg->ActiveEditor(), form->EditCellEditor1);
        typeKeys("abc dfghjklmpqrstuvwxyz,-+ 4");
        QCOMPARE(form->EditCellEditor1->Edit()->text(), QString("1.4")); // a decimal comma is a point
        typeKeys("eino");
        QCOMPARE(form->EditCellEditor1->Edit()->text(), QString("1.4EINO"));
        press(Qt::Key_Return);
        QCOMPARE(form->xg->Cells(ColRxFreq, 4), QString()); // no frequency: the row stays empty
    }

    // Under the dark and the high-contrast palettes every cell of every
    // grid is dark and its text contrasts with it (WCAG: at least 4.5 : 1),
    // the selection included.
    void aDarkPaletteReadsInEveryGrid()
    {
        for (const QString &name : {QString("dark"), QString("high-contrast")}) {
            const QPalette dark = *NamedPalette(name);
            auto luminance = [](const QColor &c) {
                auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
                return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
            };
            std::vector<QWidget *> windows{form};
            for (const auto &w : window->windows.Signalling)
                windows.push_back(w.get());
            form->xg->setCells(ColRxFreq, 1, "146.52000");
            form->xg->setCurrentCell(1, 1);
            form->xg->setFocus();
            press(Qt::Key_Down, Qt::ShiftModifier); // a selection of two cells
            int cells = 0;
            for (QWidget *w : windows) {
                w->setPalette(dark);
                for (const TXStringGrid *g : w->findChildren<TXStringGrid *>()) {
                    for (int r = 0; r < g->RowCount(); ++r) {
                        for (int c = 0; c < g->ColCount(); ++c, ++cells) {
                            const TXStringGrid::CellColors colors = g->ColorsOf(c, r);
                            const double x = luminance(colors.text), y = luminance(colors.background);
                            const double ratio = (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
                            QVERIFY2(ratio >= 4.5, qPrintable(QString("%1 cell %2,%3: %4").arg(g->objectName()).arg(c).arg(r).arg(ratio)));
                            if (!g->Selection().contains(c, r))
                                QVERIFY2(colors.background.lightness() < 128, qPrintable(g->objectName()));
                        }
                    }
                }
            }
            QVERIFY(cells > 17 * 16 * 2);
        }
    }

    void theOptionBoxesKeepTheirTexts()
    {
        QComboBox *tot = form->OptionBoxes[OptTot];
        tot->setFocus();
        QTRY_VERIFY(tot->lineEdit()->hasFocus());
        tot->lineEdit()->selectAll();
        typeKeys("18O0"); // the O passes the window's filter, not the box's
        QCOMPARE(tot->currentText(), QString("180"));
        tot->lineEdit()->selectAll();
        press(Qt::Key_Delete);
        QCOMPARE(tot->currentText(), QString());
        form->OptionBoxes[OptSqLev]->setFocus(); // leaving the emptied box
        QTRY_COMPARE(tot->currentText(), QString("60"));
        QCOMPARE(form->StatusBar1->currentMessage(), QString("TOT left empty: it is 60 again (the default)"));
        tot->setFocus(); // a TOT the radio cannot hold keeps the one it had
        QTRY_VERIFY(tot->lineEdit()->hasFocus());
        tot->lineEdit()->selectAll();
        typeKeys("300");
        form->OptionBoxes[OptSqLev]->setFocus();
        QTRY_COMPARE(tot->currentText(), QString("60"));
        QCOMPARE(form->StatusBar1->currentMessage(),
                 QString("TOT \"300\" does not fit the radio, which holds CLOSE or 0 to 255 seconds: it is 60 again"));
        QComboBox *sq = form->OptionBoxes[OptSqLev];
        QTRY_VERIFY(sq->lineEdit()->hasFocus());
        typeKeys("5");
        QCOMPARE(sq->currentText(), QString("0"));
        press(Qt::Key_Return); // Enter moves the focus on
        QVERIFY(!sq->lineEdit()->hasFocus());
        form->comcbb->setFocus();
        typeKeys("1");
        QVERIFY(form->comcbb->currentText() != QString("COM11"));
    }

    // The questions about unsaved edits have an Alt key on every button.
    void theQuestionsButtonsHaveAltKeys()
    {
        SetUserDialogs(nullptr); // the real boxes
        QStringList seen;
        auto answer = [&](Qt::Key key) {
            answerNextBox<QMessageBox>(
                this,
                [&seen](QMessageBox *box) {
                    for (QAbstractButton *b : box->buttons())
                        seen << b->text();
                    return true;
                },
                [key](QMessageBox *box) { QTest::keyClick(box, key, Qt::AltModifier); });
        };
        answer(Qt::Key_D);
        QCOMPARE(UserDialogs().AskSaveChanges("Save changes?", "detail"), IUserDialogs::SaveAnswer::Discard);
        answer(Qt::Key_W);
        QCOMPARE(UserDialogs().AskWriteChanges("The DTMF settings have changes that are not written to the radio."),
                 IUserDialogs::SaveAnswer::Save);
        SetUserDialogs(dialogs);
        seen.sort();
        QCOMPARE(seen, QStringList({"&Cancel", "&Cancel", "&Discard", "&Discard", "&Save", "&Write"}));
    }

    void aboutSaysTheVersionsAndTheManual()
    {
        form->About1->trigger();
        QCOMPARE(dialogs->messages.size(), 1);
        QVERIFY(dialogs->messages[0].startsWith("LUMORA " LUMORA_VERSION "\nQt " + QString(qVersion())));
#ifdef Q_OS_WIN
        QVERIFY(dialogs->messages[0].contains("Help > Manual"));
        QVERIFY(form->Manual1);
#else
        QVERIFY(dialogs->messages[0].contains("man lumora-cli"));
#endif
    }

    // About's "Licences..." opens the notices (Qt's LGPL among them) and
    // About comes back; Help > Licences... opens them too.
    void theLicencesAreAStepFromAbout()
    {
        SetUserDialogs(nullptr); // the real boxes
        QString notices;
        bool licencesClicked = false, aboutAgain = false;
        auto isAbout = [](QMessageBox *box) { return box->text().startsWith("LUMORA "); };
        auto isLicences = [](QDialog *d) { return d->objectName() == "LicencesDialog"; };
        answerNextBox<QMessageBox>(this, isAbout, [&](QMessageBox *box) {
            for (QAbstractButton *b : box->buttons())
                if (b->text() == "&Licences..." && !licencesClicked) {
                    licencesClicked = true;
                    b->click();
                }
        });
        answerNextBox<QDialog>(this, isLicences, [&](QDialog *d) {
            if (notices.isEmpty()) {
                notices = d->findChild<QPlainTextEdit *>()->toPlainText();
                answerNextBox<QMessageBox>(this, isAbout, [&](QMessageBox *box) {
                    aboutAgain = true;
                    box->accept();
                });
            }
            QTest::keyClick(d, Qt::Key_Escape);
        });
        form->About1->trigger();
        SetUserDialogs(dialogs);
        QVERIFY(licencesClicked);
        QVERIFY(aboutAgain);
        for (const char *part : {"GNU LESSER GENERAL PUBLIC LICENSE", "Version 3, 29 June 2007", "HarfBuzz",
                                 "FreeType", "GCC Runtime Library Exception", "mingw-w64", "relink kit"})
            QVERIFY2(notices.contains(part, Qt::CaseInsensitive), part);
        QCOMPARE(form->Licences1->text(), QString("&Licences..."));
    }

    void tabGoesTopToBottomAsLaidOut()
    {
        const QList<QWidget *> order{form->comcbb, form->OptionBoxes[OptTot], form->OptionBoxes[OptSqLev],
                                     form->OptionBoxes[OptSavePower], form->OptionBoxes[OptScan],
                                     form->OptionBoxes[OptPf1], form->OptionBoxes[OptPf2],
                                     form->OptionBoxes[OptVoice], form->rbtn, form->wbtn};
        order.first()->setFocus();
        for (QWidget *next : order.mid(1)) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *now = QApplication::focusWidget();
            QVERIFY2(now == next || now->parentWidget() == next, qPrintable(next->objectName()));
        }
    }

    // On a small screen (or a large one at a device scale of 2) the grid
    // shows more columns and scrolls; nothing lies over anything else and
    // every control stays in the window. "All columns" shows the rest.
    void noControlLiesOverAnotherOnAnyScreen()
    {
        for (QSize screen : {QSize(1920, 1080), QSize(1066, 666), QSize(800, 600), QSize(800, 500), QSize(640, 512)}) {
            TForm1 w(screen);
            w.show();
            w.centralWidget()->layout()->activate();
            const QString at = QString("%1x%2").arg(screen.width()).arg(screen.height());
            QWidget *grid = w.xg, *status = w.StatusBar1, *tools = w.ToolBar1;
            QList<QWidget *> shown{grid, w.comcbb, w.rbtn, w.wbtn, status, tools};
            for (OptionId id : {OptTot, OptSqLev, OptSavePower, OptScan, OptPf1, OptPf2, OptVoice})
                shown << w.OptionBoxes[id];
            for (QLabel *l : w.centralWidget()->findChildren<QLabel *>())
                if (l->isVisibleTo(w.centralWidget()) && !status->isAncestorOf(l))
                    shown << l;
            auto place = [&](QWidget *c) { return QRect(c->mapTo(w.centralWidget(), QPoint(0, 0)), c->size()); };
            const QRect client = w.centralWidget()->rect();
            for (QWidget *a : shown) {
                QVERIFY2(client.contains(place(a)), qPrintable(at + " " + a->objectName()));
                for (QWidget *b : shown)
                    QVERIFY2(a == b || !place(a).intersects(place(b)),
                             qPrintable(at + " " + a->objectName() + " " + b->objectName()));
                if (a != grid && a != status && a != tools)
                    QVERIFY2(!place(a).intersects(place(grid)) && place(a).x() > place(grid).right(),
                             qPrintable(at + " " + a->objectName()));
            }
            QVERIFY(w.size().width() <= std::max(screen.width(), 851 + 20));
            const bool small = screen.width() <= 800 || screen.height() <= 600;
            QCOMPARE(w.OptionBoxes[OptVoice]->currentText(), QString("ENGLISH")); // whatever the layout
            for (int c = 0; c <= 15; ++c)
                QCOMPARE(w.xg->ColWidths(c) > 0, c < 8 || (small && c < 15));
            w.AllColumns1->setChecked(true);
            for (int c = 0; c <= 15; ++c)
                QVERIFY(w.xg->ColWidths(c) >= QFontMetrics(w.xg->Columns()[c].HeaderFont()).horizontalAdvance(ChannelCaptions()[c]));
            w.AllColumns1->setChecked(false);
            QCOMPARE(w.xg->ColWidths(15), -1);
            QCOMPARE(w.xg->ColWidths(8) > 0, small);
        }
    }

    void channelFilesOpenAndSaveThroughTheDialogs()
    {
        QTemporaryDir dir;
        typeIntoCell(ColRxFreq, 5, "145.5");
        form->OptionBoxes[OptTot]->setEditText("120");
        dialogs->nextFileName = dir.filePath("set.wh");
        form->SaveClick(true);
        TForm1 other(QSize(1920, 1080));
        other.OpenClick(false);
        QCOMPARE(other.xg->Cells(ColRxFreq, 5), QString("145.50000"));
        QCOMPARE(other.OptionBoxes[OptTot]->currentText(), QString("120"));
        dialogs->nextFileName.clear(); // cancelled: nothing happens
        other.OpenClick(false);
        QVERIFY(dialogs->errors.isEmpty());
    }

    void chirpChannelListsComeInAndGoOutThroughTheFileMenu()
    {
        QTemporaryDir dir;
        QFile csv(dir.filePath("list.csv"));
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write("Location,Frequency,Duplex,Offset,Mode\n3,145.6,-,0.6,FM\n4,145.7,,0,DV\n");
        csv.close();
        typeIntoCell(ColRxFreq, 5, "146.52"); // stays: the list does not name it
        QCOMPARE(form->ImportCsv1->text().remove(QLatin1Char('&')), QString("Import CSV...")); // as shown
        dialogs->nextFileName = csv.fileName();
        form->ImportCsv1->trigger();
        QCOMPARE(dialogs->messages, QStringList({"1 channel imported.\nNot imported:\nLocation 4 (line 3): mode DV is not FM or NFM"}));
        QCOMPARE(form->xg->Cells(ColTxFreq, 3), QString("145.00000"));
        QCOMPARE(form->xg->Cells(ColRxFreq, 5), QString("146.52000"));
        dialogs->nextFileName = dir.filePath("out.csv");
        form->ExportCsv1->trigger();
        QFile out(dialogs->nextFileName);
        QVERIFY(out.open(QIODevice::ReadOnly));
        const QByteArray exported = out.readAll();
        QVERIFY(exported.contains("\r\n3,,145.600000,-,0.600000,"));
        QVERIFY(exported.contains("\r\n5,,146.520000,,0.000000,"));
    }

    void aTableThatCannotBeWrittenSendsNothing()
    {
        std::vector<int> writes;
        form->WriteTap = [&](const uint8_t *, int n) { writes.push_back(n); };
        typeIntoCell(ColRxFreq, 1, "146.52");
        form->xg->setCells(ColStepFreq, 16, "x");
        form->xg->setCells(ColRxFreq, 16, "145.0");
        QVERIFY_THROWS_EXCEPTION(EConvertError, form->wbtnClick());
        QVERIFY(writes.empty());
        QVERIFY(form->wbtn->isEnabled());
        QVERIFY(!progress->isVisible());
        QVERIFY(!form->Comm1->IsOpen());
    }

    void aTransferWaitsForTheOthersToFinish()
    {
        BusyWindow busy;
        SignallingRoutes routes{{BlockType::Dtmf, &busy}};
        form->setSignallingWindows({}, routes);
        QVERIFY(form->AnyTransferUnderWay());
        try {
            form->rbtnClick();
            QFAIL("started");
        } catch (const ELumoraError &e) {
            QVERIFY(e.text().contains("under way"));
        }
        QVERIFY_THROWS_EXCEPTION(ELumoraError, form->wbtnClick());
        QVERIFY(form->rbtn->isEnabled());
    }

    void aPortThatCannotOpenIsReportedAndLeavesTheWindowUsable()
    {
        form->SelectPort("/dev/lumora-missing");
        QTest::keyClick(form->xg, Qt::Key_F11);
#ifdef _WIN32
        const QString reason = "File not found."; // the system's own words
#else
        const QString reason = "No such file or directory";
#endif
        QCOMPARE(dialogs->errors, QStringList({"Error opening serial port. | " + reason}));
        QVERIFY(progress->isVisible());
        QVERIFY(form->rbtn->isEnabled());
        QVERIFY(form->centralWidget()->isEnabled());
        progress->Button2Click();
        QVERIFY(!progress->isVisible());
    }
};

LUMORA_WINDOW_TEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
