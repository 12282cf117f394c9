#pragma once
// The languages the tool speaks. English is the source of every text; a
// translation is compiled in and chosen at start, from the user's choice
// (View > Language) or else the system's.

#include <QString>
#include <QVector>

namespace lumora {

struct ToolLanguage {
    QString code; // "en", "zh_CN"
    QString name; // in its own language: "English", "简体中文"
};

// The languages shipped, English first.
QVector<ToolLanguage> ToolLanguages();

// The language the user chose in View > Language; empty: the system's.
QString ChosenLanguage();
void SetChosenLanguage(const QString &code);

// Puts the translations of code in place (the tool's and Qt's own
// dialogs'); empty code: the first of the system's languages the tool
// has. Returns the code of the language now spoken ("en" when none fits).
QString InstallTranslations(const QString &code);

// While one lives, every text is its English source: for sentences a
// program also writes as data (diff --json, doctor --json), which must not
// change with the language. Does nothing when English is spoken anyway,
// or when made with when false (JSON asked for or not).
class SourceTextsOnly {
public:
    explicit SourceTextsOnly(bool when = true);
    ~SourceTextsOnly();
    SourceTextsOnly(const SourceTextsOnly &) = delete;
    SourceTextsOnly &operator=(const SourceTextsOnly &) = delete;

private:
    bool tool_ = false, qt_ = false; // what it took away, to put back
};

} // namespace lumora
