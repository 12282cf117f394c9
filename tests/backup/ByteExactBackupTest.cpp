// A backup gives back every byte: random radio images of every area, every
// byte value allowed, go through a backup file and back into the windows,
// and a write of them sends exactly the radio's blocks. The values the
// windows cannot show are listed after a read, kept while their row is
// unchanged, and a changed row that would lose one is refused.

#include "ui/UiTestSupport.h"

#include "backup/RadioBackupFile.h"
#include "memory/Errors.h"
#include "signalling/SettingsCells.h"

#include <QRandomGenerator>

using namespace lumora;
using namespace lumora::test;

namespace {

std::vector<Payload> randomBlocks(QRandomGenerator &random, int count)
{
    std::vector<Payload> blocks(static_cast<size_t>(count));
    for (Payload &p : blocks)
        for (uint8_t &b : p)
            b = static_cast<uint8_t>(random.bounded(256));
    return blocks;
}

} // namespace

class ByteExactBackupTest : public QObject {
    Q_OBJECT
    MainWindowUnderTest w;

    // The windows as a read of these blocks leaves them.
    void read(TSignallingForm &window, const std::vector<Payload> &blocks)
    {
        window.setSettings(window.SettingsOfBlocks(blocks));
        window.TakeBaseline(blocks);
    }

    // A settings row with one cell changed.
    static SettingsValues withCell(SettingsValues values, const QString &key, int row, int col, const QString &text)
    {
        for (SettingsValue &v : values)
            if (v.key == key)
                v.rows[row - 1][col - 1] = text;
        return values;
    }

private slots:
    void everyRandomImageComesBackThroughABackupFile()
    {
        const int images = qEnvironmentVariableIsSet("LUMORA_PROPERTY_IMAGES")
                                   ? qEnvironmentVariableIntValue("LUMORA_PROPERTY_IMAGES")
                                   : 10000;
        QRandomGenerator random(20261208);
        const SignallingAreas areas = w.windows.Areas();
        QVector<int> counts{kMainBlockCount};
        AreaSettings shapes{{"main", MainMemorySettings(*w.form.xg, w.form.Options())}};
        for (const auto &[name, window] : areas) {
            counts << window->BlockCount();
            shapes << qMakePair(name, window->Settings());
        }
        for (int i = 0; i < images; ++i) {
            // What a backup of such a radio saves: the texts a read shows,
            // beside the bytes.
            AreaBytes image{randomBlocks(random, kMainBlockCount)};
            const MainBaseline main = MainBaselineOf(image[0]);
            AreaSettings texts{{"main", MainMemorySettings(main.channels, main.options)}};
            for (const auto &[name, window] : areas) {
                image << randomBlocks(random, window->BlockCount());
                texts << qMakePair(name, window->SettingsOfBlocks(image.back()));
            }
            AreaBytes fromFile;
            const AreaSettings restored = ReadRadioBackup(WriteRadioBackup(texts, image), shapes, "backup.json",
                                                          &fromFile, counts);
            QCOMPARE(fromFile, image);
            // A restore: the texts into the windows, the bytes as read.
            OptionTexts options = w.form.Options();
            ApplyMainMemorySettings(restored[0].second, *w.form.xg, options);
            w.form.setOptions(options);
            w.form.TakeBaseline(fromFile[0]);
            QVERIFY2(w.form.ShowsBaseline(), qPrintable(QString("image %1, main memory").arg(i)));
            QCOMPARE(w.form.WriteBlocks(), image[0]);
            for (int a = 0; a < static_cast<int>(areas.size()); ++a) {
                TSignallingForm &window = *areas[static_cast<size_t>(a)].second;
                window.setSettings(restored[a + 1].second);
                window.TakeBaseline(fromFile[a + 1]);
                QVERIFY2(window.ShowsBaseline(), qPrintable(QString("image %1, %2").arg(i).arg(window.AreaName())));
                QCOMPARE(window.EncodeArea(), image[a + 1]);
            }
        }
    }

    void aReadListsWhatTheWindowCannotWriteBackAndKeepsIt()
    {
        // 2TONE decode row 1: four decoders AB, prompt 1, the first with a
        // response mode of 5 (no name); row 2 empty.
        TSignallingForm &twoTone = *w.windows.Form4;
        std::vector<Payload> blocks(static_cast<size_t>(twoTone.BlockCount()));
        for (int j = 0; j < 4; ++j) {
            blocks[3][static_cast<size_t>(3 * j)] = 0xAB;
            blocks[3][static_cast<size_t>(3 * j + 2)] = 0x01;
        }
        blocks[3][1] = 0x05;
        read(twoTone, blocks);
        const QStringList lines = twoTone.ValuesNotWrittenBack();
        QVERIFY2(lines.filter("row 1, column \"Response Mode\": the radio's 0x05 (block 3, byte d1)").size() == 1,
                 qPrintable(lines.join('\n')));
        QCOMPARE(twoTone.EncodeArea(), blocks); // unchanged: the radio's bytes

        // Row 2 changed: row 1 keeps the radio's byte.
        const SettingsValues asRead = twoTone.Settings();
        SettingsValues edited = asRead;
        const QStringList row2{"AC", "NONE", "1", "AB", "NONE", "1", "AB", "NONE", "1", "AB", "NONE", "1"};
        for (int col = 1; col <= row2.size(); ++col)
            edited = withCell(edited, "2TONE Decode", 2, col, row2[col - 1]);
        twoTone.setSettings(edited);
        const std::vector<Payload> written = twoTone.EncodeArea();
        QCOMPARE(written[3][1], uint8_t(0x05));
        QCOMPARE(written[3][12], uint8_t(0xAC));

        // Row 1's prompt changed, its response mode left: refused, nothing
        // sent in its place; a mode chosen is written.
        twoTone.setSettings(withCell(asRead, "2TONE Decode", 1, 3, "2"));
        try {
            twoTone.EncodeArea();
            QFAIL("a changed row that would lose the radio's value was written");
        } catch (const ELumoraError &e) {
            QVERIFY2(e.text().contains("2TONE Decode, row 1, column \"Response Mode\""), qPrintable(e.text()));
        }
        QVERIFY_THROWS_EXCEPTION(ELumoraError, twoTone.wbtnClick()); // Write: refused with nothing sent
        QVERIFY(!twoTone.WriteUnderWay());
        // (The cell shows what it showed before the read: another is chosen.)
        const bool remind = CellValue(asRead, {"2TONE Decode", 1, 2}) != "REMIND";
        twoTone.setSettings(withCell(withCell(asRead, "2TONE Decode", 1, 3, "2"), "2TONE Decode", 1, 2,
                                     remind ? "REMIND" : "REPLY"));
        QCOMPARE(twoTone.EncodeArea()[3][1], uint8_t(remind ? 0x01 : 0x02));
        twoTone.TakeBaseline({});

        // A channel whose receive frequency is 0 but whose other bytes are
        // set shows empty: listed, and kept while the row is unchanged.
        std::vector<Payload> memory = randomBlocks(*QRandomGenerator::global(), kMainBlockCount);
        std::fill_n(memory[2].begin(), 4, uint8_t(0));
        w.form.TakeBaseline(memory);
        CopyCells(w.form.Baseline().channels, *w.form.xg);
        w.form.setOptions(w.form.Baseline().options);
        QVERIFY(!w.form.ValuesNotWrittenBack().filter("Channel 3").isEmpty());
        QCOMPARE(w.form.WriteBlocks(), memory);
        w.form.TakeBaseline({});
    }
};

LUMORA_WINDOW_TEST_MAIN(ByteExactBackupTest)
#include "ByteExactBackupTest.moc"
