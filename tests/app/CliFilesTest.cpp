// Files that tell the whole truth: a settings file keeps its area's bytes
// as a backup does, and a backup without some of its bytes says so.

#include "support/CliRuns.h"
#include "support/JsonFiles.h"
#include "support/VirtualRadio.h"

#include <QJsonArray>
#include <QTemporaryDir>

using namespace lumora::test;

namespace {

class Files : public ::testing::Test {
protected:
    // A radio whose 2TONE blocks hold bytes no window shows (pair bytes
    // such as 0x11 among them).
    void SetUp() override
    {
        { VirtualRadio made({"--memory", path("odd.json")}); }
        QJsonObject image = readJson(path("odd.json"));
        for (int b = 0; b < image["2tone"].toArray().size(); ++b) {
            std::array<uint8_t, 28> block{};
            for (size_t k = 0; k < block.size(); ++k)
                block[k] = static_cast<uint8_t>(0x11 * (k % 15 + 1) + b);
            setBlock(image, "2tone", b, block);
        }
        writeJson(path("odd.json"), image);
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(Files, ASettingsFileCarriesEveryByteOfItsArea)
{
    {
        VirtualRadio odd({"--memory", path("odd.json")});
        ASSERT_EQ(cli({"read", "2tone", "-p", odd.device(), "-o", path("2tone.json")}).status, 0);
    }
    const QJsonObject file = jsonOf(path("2tone.json"));
    EXPECT_EQ(file["format"].toInt(), 2);
    EXPECT_EQ(file["bytes"].toArray().size(), 11);
    {
        VirtualRadio blank({"--memory", path("blank.json")});
        const CliRun r = cli({"write", "2tone", "-p", blank.device(), path("2tone.json"), "--verify"});
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
    }
    EXPECT_EQ(readJson(path("blank.json"))["2tone"], readJson(path("odd.json"))["2tone"]);

    // Edited, it writes what changed from the texts and says so.
    QJsonObject edited = file;
    edited["Atone(hz)"] = "1500";
    writeJson(path("edited.json"), edited);
    VirtualRadio other({"--memory", path("other.json")});
    const CliRun r = cli({"write", "2tone", "-p", other.device(), path("edited.json")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("the file's 2TONE texts were changed")) << r.err.toStdString();
}

TEST_F(Files, ABackupWithoutAnAreasBytesSaysItIsRestoredFromTexts)
{
    {
        VirtualRadio odd({"--memory", path("odd.json")});
        ASSERT_EQ(cli({"backup", "-p", odd.device(), "-o", path("backup.json")}).status, 0);
    }
    QJsonObject backup = jsonOf(path("backup.json"));
    QJsonObject fsk = backup["fsk"].toObject();
    fsk.remove("bytes");
    backup["fsk"] = fsk;
    writeJson(path("backup.json"), backup);
    VirtualRadio blank({"--memory", path("blank.json")});
    const CliRun r = cli({"restore", "-p", blank.device(), path("backup.json")});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("Not every area was restored byte for byte:\nFleetSync: restored from its texts (the "
                               "file keeps none of its bytes), so block 0 bytes 9 to 19"))
            << r.out.toStdString();
}
