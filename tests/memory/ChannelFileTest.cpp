#include "ChannelTestRows.h"

#include "memory/ChannelFile.h"
#include "memory/Errors.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lumora;
using namespace lumora::test;

namespace {

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList sameTable(const ICellTable &t)
{
    QStringList cells;
    for (int r = 0; r < t.rowCount(); ++r)
        for (int c = 0; c < t.colCount(); ++c)
            cells << t.cellText(c, r);
    return cells;
}

// A valid file of `lines` lines.
QByteArray fileOfLines(int lines, const char *end = "\r\n")
{
    QByteArray b;
    for (int i = 0; i < lines; ++i)
        b += (i == 0 ? QByteArray("Channel,RX") : QByteArray::number(i)) + end;
    return b;
}

class ChannelFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
};

} // namespace

TEST_F(ChannelFileTest, AFreshTableSavesAsTwentySixCrLfLines)
{
    const TextTable t = freshChannelTable();
    SaveChannelFile(t, DefaultOptionTexts(), path("fresh.wh"));
    const QByteArray bytes = readBytes(path("fresh.wh"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 27);
    EXPECT_EQ(lines[26], "");
    for (int i = 0; i < 26; ++i)
        EXPECT_TRUE(lines[i].endsWith('\r')) << i;
    EXPECT_EQ(lines[0], "\"Channel  No.\",\"RX Freq\",\"TX Freq\",\"QT/DQT Dec\",QT/DQTEnc,"
                        "\"TX Power\",W/N,\"Scan Add.\",\"Step Freq\",DTMF1,DTMF2,PTTID,"
                        "Scrambler,\"PTTID Typ\",\"PTTID NO.\",Compandor\r");
    EXPECT_EQ(lines[1], "1,,,,,,,,,,,,,,,\r");
    EXPECT_EQ(lines[16], "16,,,,,,,,,,,,,,,\r");
    const QStringList options = {"NONE", "1", "0", "60", "ENGLISH", "NONE", "NONE", "OPEN", "OPEN"};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(QString::fromLatin1(lines[17 + i]), options[i] + "\r");
}

TEST_F(ChannelFileTest, EmptyFieldsComeBackAsBlanksAndSaveQuoted)
{
    TextTable t = freshChannelTable();
    setRow(t, 1, simplexChannel());
    OptionTexts o = DefaultOptionTexts();
    o[OptTot] = "180";
    SaveChannelFile(t, o, path("a.wh"));

    TextTable back(kChannelColumns, 3);
    OptionTexts o2 = DefaultOptionTexts();
    o2[OptBeep] = "CLOSE";
    LoadChannelFile(back, o2, path("a.wh"));
    EXPECT_EQ(back.rowCount(), kChannelRows);
    QStringList expectedRow = simplexChannel();
    expectedRow[1] = " ";
    EXPECT_EQ(rowOf(back, 1), expectedRow);
    EXPECT_EQ(rowOf(back, 2), QStringList(15, " "));
    EXPECT_EQ(back.cellText(0, 0), "Channel  No.");
    EXPECT_EQ(o2[OptTot], "180");
    EXPECT_EQ(o2[OptBeep], "CLOSE") << "Beep is not kept in the file";

    SaveChannelFile(back, o2, path("b.wh"));
    const QList<QByteArray> lines = readBytes(path("b.wh")).split('\n');
    EXPECT_EQ(lines[2], "2,\" \",\" \",\" \",\" \",\" \",\" \",\" \",\" \",\" \",\" \",\" \",\" \","
                        "\" \",\" \",\" \"\r");
    EXPECT_EQ(lines[1], "1,146.52000,\" \",NONE,67.0,HIGH,WIDE,YES,25000,NONE,NONE,NONE,NONE,"
                        "DTMF,1,NONE\r");
}

TEST_F(ChannelFileTest, CaptionsAndQuotedTextsSurviveTheFile)
{
    TextTable t = freshChannelTable();
    t.setCellText(ColRxFreq, 0, "RX \"MHz\"");
    t.setCellText(ColTxFreq, 3, "a,b");
    t.setCellText(ColToneDec, 3, QString::fromUtf8("\xe4\xb8\xad")); // 中
    SaveChannelFile(t, DefaultOptionTexts(), path("q.wh"));
    const QByteArray bytes = readBytes(path("q.wh"));
    EXPECT_TRUE(bytes.contains("\"RX \"\"MHz\"\"\""));
    // Never another encoding: without the converter nothing is written.
    ASSERT_TRUE(ChannelFileEncodingAvailable());
    EXPECT_TRUE(bytes.contains("\xd6\xd0")) << "texts outside ASCII are kept in GBK";
    TextTable back = freshChannelTable();
    OptionTexts o = DefaultOptionTexts();
    LoadChannelFile(back, o, path("q.wh"));
    EXPECT_EQ(back.cellText(ColRxFreq, 0), "RX \"MHz\"");
    EXPECT_EQ(back.cellText(ColTxFreq, 3), "a,b");
    EXPECT_EQ(back.cellText(ColToneDec, 3), QString::fromUtf8("\xe4\xb8\xad"));
}

TEST_F(ChannelFileTest, AcceptsAnyLineEndAndALastLineWithoutOne)
{
    for (const char *end : {"\r\n", "\n", "\r"}) {
        QByteArray b = fileOfLines(26, end);
        writeBytes(path("e.wh"), b);
        TextTable t = freshChannelTable();
        OptionTexts o = DefaultOptionTexts();
        EXPECT_NO_THROW(LoadChannelFile(t, o, path("e.wh"))) << end;
        EXPECT_EQ(o[OptSavePower], "25");
        b.chop(qstrlen(end));
        writeBytes(path("e.wh"), b);
        EXPECT_NO_THROW(LoadChannelFile(t, o, path("e.wh")));
        EXPECT_EQ(t.cellText(0, 0), "Channel");
        EXPECT_EQ(t.cellText(1, 0), "RX");
        EXPECT_EQ(t.cellText(2, 0), "");
    }
}

TEST_F(ChannelFileTest, AFileOfTheWrongLengthIsRefusedAndChangesNothing)
{
    struct Case {
        QByteArray bytes;
        const char *why;
    };
    const std::vector<Case> cases = {
        {fileOfLines(25), "it has 25 lines, and a channel file has 26"},
        {fileOfLines(27), "it has 27 lines, and a channel file has 26"},
        {fileOfLines(26) + "\r\n", "it has 27 lines, and a channel file has 26"},
        {QByteArray(), "it has 0 lines, and a channel file has 26"},
        {fileOfLines(1), "it has 1 line, and a channel file has 26"},
        {fileOfLines(25) + QByteArray(70000, 'x') + "\r\n", "it is larger than 64 KiB"},
    };
    for (const Case &c : cases) {
        writeBytes(path("bad.wh"), c.bytes);
        TextTable t = freshChannelTable();
        setRow(t, 1, simplexChannel());
        const QStringList before = sameTable(t);
        OptionTexts o = DefaultOptionTexts();
        try {
            LoadChannelFile(t, o, path("bad.wh"));
            FAIL() << c.why;
        } catch (const EFOpenError &e) {
            EXPECT_EQ(e.text(), QStringLiteral("\"%1\" is not a channel file: %2")
                                    .arg(path("bad.wh"), QString::fromLatin1(c.why)));
        }
        EXPECT_EQ(sameTable(t), before);
        EXPECT_EQ(o, DefaultOptionTexts());
    }
}

TEST_F(ChannelFileTest, OpenAndCreateFailuresCarryTheSystemsReason)
{
    TextTable t = freshChannelTable();
    OptionTexts o = DefaultOptionTexts();
    try {
        LoadChannelFile(t, o, path("missing.wh"));
        FAIL();
    } catch (const EFOpenError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Cannot open file \"%1\". No such file or directory")
                                .arg(path("missing.wh")));
    }
    try {
        SaveChannelFile(t, o, path("no/such/dir.wh"));
        FAIL();
    } catch (const EFCreateError &e) {
        EXPECT_TRUE(e.text().startsWith(
            QStringLiteral("Cannot create file \"%1\". ").arg(path("no/such/dir.wh"))));
        EXPECT_GT(e.text().size(), QStringLiteral("Cannot create file \"%1\". ").arg(path("no/such/dir.wh")).size());
    }
}

TEST_F(ChannelFileTest, AFailedSaveKeepsThePreviousFile)
{
    TextTable t = freshChannelTable();
    SaveChannelFile(t, DefaultOptionTexts(), path("keep.wh"));
    const QByteArray before = readBytes(path("keep.wh"));
    // The directory of the file becomes unwritable for the temporary copy:
    // replace it by a path that runs through the file itself.
    setRow(t, 1, simplexChannel());
    EXPECT_THROW(SaveChannelFile(t, DefaultOptionTexts(), path("keep.wh/x.wh")), EFCreateError);
    EXPECT_EQ(readBytes(path("keep.wh")), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.wh"}) << "no temporary left";
}

TEST(SplitChannelLine, FollowsTheCommaTextRules)
{
    using L = QStringList;
    EXPECT_EQ(SplitChannelLine("5,,,"), L({"5", " ", " ", " "}));
    EXPECT_EQ(SplitChannelLine("a,b"), L({"a", "b"}));
    EXPECT_EQ(SplitChannelLine("  a ,  b  "), L({"a", "b"}));
    EXPECT_EQ(SplitChannelLine("a b,c"), L({"a", "b", "c"})) << "a blank ends a bare field";
    EXPECT_EQ(SplitChannelLine("\"a b\",\"x\"\"y\""), L({"a b", "x\"y"}));
    EXPECT_EQ(SplitChannelLine("\"\",\" \""), L({" ", " "}));
    EXPECT_EQ(SplitChannelLine("\"open,end"), L({"open,end"}));
    EXPECT_EQ(SplitChannelLine(""), L());
    EXPECT_EQ(SplitChannelLine(","), L({" ", " "}));
    EXPECT_EQ(SplitChannelLine(QStringLiteral("a,b") + QChar(0) + ",c"), L({"a", "b"}));
}

TEST(JoinChannelLine, QuotesOnlyWhatNeedsIt)
{
    EXPECT_EQ(JoinChannelLine({"1", "", "a b", "x\"y", "a,b", "\t", "NONE"}),
              "1,,\"a b\",\"x\"\"y\",\"a,b\",\"\t\",NONE");
    for (const QString &cell : {QString("a b"), QString("x\"y"), QString("a,b"), QString(" ")})
        EXPECT_EQ(SplitChannelLine(JoinChannelLine({cell})), QStringList{cell});
}

TEST(LoadChannelFile, ExtraFieldsAreDroppedAndMissingOnesLeftEmpty)
{
    QTemporaryDir dir;
    QByteArray b = "c0,c1\r\n1,146.52000";
    for (int i = 0; i < 20; ++i)
        b += ",x";
    b += "\r\n";
    for (int i = 2; i < 26; ++i)
        b += QByteArray::number(i) + "\r\n";
    writeBytes(dir.filePath("x.wh"), b);
    TextTable t = freshChannelTable();
    setRow(t, 2, simplexChannel());
    OptionTexts o = DefaultOptionTexts();
    LoadChannelFile(t, o, dir.filePath("x.wh"));
    EXPECT_EQ(t.cellText(15, 1), "x");
    EXPECT_EQ(t.cellText(2, 0), "") << "row emptied before it is filled";
    EXPECT_EQ(rowOf(t, 2), QStringList(15, QString()));
    EXPECT_EQ(o[OptVoxLev], "17");
}

// A quote that is never closed would swallow the rest of its line into
// one cell: such a file is refused, and nothing changes.
TEST(LoadChannelFile, AQuoteThatIsNotClosedIsRefused)
{
    QTemporaryDir dir;
    QByteArray b = "c0,c1\r\n1,\"146.52000,x\r\n";
    for (int i = 2; i < 26; ++i)
        b += QByteArray::number(i) + "\r\n";
    writeBytes(dir.filePath("x.wh"), b);
    TextTable t = freshChannelTable();
    setRow(t, 1, simplexChannel());
    OptionTexts o = DefaultOptionTexts();
    try {
        LoadChannelFile(t, o, dir.filePath("x.wh"));
        FAIL() << "taken";
    } catch (const EFOpenError &e) {
        EXPECT_TRUE(e.text().endsWith("is not a channel file: line 2 has a quote that is not closed"))
            << e.text().toStdString();
    }
    EXPECT_EQ(rowOf(t, 1), simplexChannel());
    EXPECT_EQ(o, DefaultOptionTexts());
}
