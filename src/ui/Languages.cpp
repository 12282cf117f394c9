#include "ui/Languages.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace lumora {

namespace {

const char kSettingsKey[] = "language";

// Installed once and reloaded, so a second call does not stack translators.
QTranslator &toolTranslator()
{
    static auto *t = new QTranslator(QCoreApplication::instance());
    return *t;
}

QTranslator &qtTranslator()
{
    static auto *t = new QTranslator(QCoreApplication::instance());
    return *t;
}

// Whether each is in place now.
bool toolInstalled = false, qtInstalled = false;

} // namespace

QVector<ToolLanguage> ToolLanguages()
{
    return {{QStringLiteral("en"), QStringLiteral("English")},
            {QStringLiteral("zh_CN"), QString::fromUtf8("\xe7\xae\x80\xe4\xbd\x93\xe4\xb8\xad\xe6\x96\x87")}};
}

QString ChosenLanguage()
{
    return QSettings().value(QLatin1String(kSettingsKey)).toString();
}

void SetChosenLanguage(const QString &code)
{
    QSettings settings;
    if (code.isEmpty())
        settings.remove(QLatin1String(kSettingsKey));
    else
        settings.setValue(QLatin1String(kSettingsKey), code);
}

QString InstallTranslations(const QString &code)
{
    QCoreApplication::removeTranslator(&toolTranslator());
    QCoreApplication::removeTranslator(&qtTranslator());
    toolInstalled = qtInstalled = false;
    // English needs nothing: it is the texts' own language.
    const QLocale locale = code.isEmpty() ? QLocale::system() : QLocale(code);
    if (code == QLatin1String("en")
        || !toolTranslator().load(locale, QStringLiteral("lumora"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return QStringLiteral("en");
    toolInstalled = QCoreApplication::installTranslator(&toolTranslator());
    if (qtTranslator().load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        qtInstalled = QCoreApplication::installTranslator(&qtTranslator());
    // The file's own name tells which language was taken ("...lumora_zh_CN.qm").
    const QString file = toolTranslator().filePath();
    return file.mid(file.indexOf(QLatin1String("lumora_")) + 7).chopped(3);
}

SourceTextsOnly::SourceTextsOnly(bool when) : tool_(when && toolInstalled), qt_(when && qtInstalled)
{
    if (tool_)
        QCoreApplication::removeTranslator(&toolTranslator());
    if (qt_)
        QCoreApplication::removeTranslator(&qtTranslator());
    toolInstalled = toolInstalled && !tool_;
    qtInstalled = qtInstalled && !qt_;
}

SourceTextsOnly::~SourceTextsOnly()
{
    if (tool_)
        toolInstalled = QCoreApplication::installTranslator(&toolTranslator());
    if (qt_)
        qtInstalled = QCoreApplication::installTranslator(&qtTranslator());
}

} // namespace lumora
