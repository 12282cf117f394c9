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

} // namespace lumora
