// Settings files: what is written reads back, and a file that does not fit
// the window's shape is refused whole, naming what does not fit.

#include "memory/Errors.h"
#include "signalling/SettingsFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lumora;

namespace {

SettingsValues shape()
{
    return {SettingsValue::ofText("ID Code", "12345678"), SettingsValue::ofCheck("DTMF Side Tone", true),
            SettingsValue::ofRows("Autodial Memory", QVector<QStringList>(3, QStringList{""}))};
}

QString refusal(const QByteArray &json)
{
    try {
        ReadSettingsJson(json, "dtmf", shape(), "f.json");
    } catch (const EFOpenError &e) {
        return e.text();
    }
    return QString();
}

QByteArray edited(const std::function<void(QJsonObject &)> &edit)
{
    QJsonObject o = QJsonDocument::fromJson(WriteSettingsJson("dtmf", shape())).object();
    edit(o);
    return QJsonDocument(o).toJson();
}

} // namespace

TEST(SettingsFile, WhatIsWrittenReadsBack)
{
    SettingsValues values = shape();
    values[0].text = QString::fromUtf8("*0# \xe2\x82\xac"); // any text, kept exactly
    values[1].checked = false;
    values[2].rows[1] = QStringList{"911"};
    QTemporaryDir dir;
    SaveSettingsFile(dir.filePath("a.json"), "dtmf", values);
    const SettingsValues back = LoadSettingsFile(dir.filePath("a.json"), "dtmf", shape());
    ASSERT_EQ(back.size(), 3);
    EXPECT_EQ(back[0].text, values[0].text);
    EXPECT_FALSE(back[1].checked);
    EXPECT_EQ(back[2].rows, values[2].rows);
    const QJsonObject o = QJsonDocument::fromJson(WriteSettingsJson("dtmf", values)).object();
    EXPECT_EQ(o["format"].toInt(), 2);
    EXPECT_EQ(o["area"].toString(), "dtmf");
    // The bytes a file keeps come back; a file of format 1 has none.
    const std::vector<Payload> blocks{Payload{1, 2, 3}, Payload{0x11}};
    std::vector<Payload> read;
    ReadSettingsJson(WriteSettingsJson("dtmf", values, blocks), "dtmf", shape(), "f", &read, 2);
    EXPECT_EQ(read, blocks);
    QJsonObject old = o;
    old["format"] = 1;
    ReadSettingsJson(QJsonDocument(old).toJson(), "dtmf", shape(), "f", &read, 2);
    EXPECT_TRUE(read.empty());
}

TEST(SettingsFile, AFileThatDoesNotFitIsRefusedNamingTheKey)
{
    EXPECT_TRUE(refusal("{").contains("it is not JSON"));
    EXPECT_TRUE(refusal("[]").contains("no JSON object"));
    EXPECT_TRUE(refusal(edited([](QJsonObject &o) { o["area"] = "fsk"; })).contains("\"area\" must be \"dtmf\""));
    EXPECT_TRUE(refusal(edited([](QJsonObject &o) { o["format"] = 3; })).contains("\"format\""));
    EXPECT_TRUE(refusal(edited([](QJsonObject &o) { o["bytes"] = QJsonArray{"00"}; })).contains("\"bytes\""));
    EXPECT_TRUE(refusal(edited([](QJsonObject &o) { o["Volume"] = "3"; })).contains("\"Volume\" is unknown"));
    EXPECT_TRUE(refusal(edited([](QJsonObject &o) { o.remove("ID Code"); })).contains("\"ID Code\" is missing"));
    EXPECT_TRUE(refusal(edited([](QJsonObject &o) { o["ID Code"] = 12; })).contains("\"ID Code\" must be a text"));
    EXPECT_TRUE(refusal(edited([](QJsonObject &o) { o["DTMF Side Tone"] = "yes"; }))
                        .contains("\"DTMF Side Tone\" must be true or false"));
    EXPECT_TRUE(refusal(edited([](QJsonObject &o) { o["Autodial Memory"] = QJsonArray{}; }))
                        .contains("\"Autodial Memory\" must be 3 rows"));
    EXPECT_TRUE(refusal(edited([](QJsonObject &o) {
                    o["Autodial Memory"] = QJsonArray{QJsonArray{"1"}, QJsonArray{"1", "2"}, QJsonArray{"3"}};
                })).contains("row 2 of the key \"Autodial Memory\" must be 1 texts"));
    EXPECT_EQ(refusal(edited([](QJsonObject &) {})), QString());
    EXPECT_THROW(LoadSettingsFile("/nonexistent/x.json", "dtmf", shape()), EFOpenError);
}
