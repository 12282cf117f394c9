#include "protocol/DiagnosticReport.h"

#include "memory/WholeFile.h"
#include "serial/CableTraps.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>
#include <QSysInfo>

namespace lumora {

namespace {

QString portLine(const SerialPortEntry &port)
{
    QStringList parts;
    if (!port.description.isEmpty())
        parts << port.description;
    if (port.vendorId >= 0 && port.productId >= 0) {
        const QString chip = CableChipName(port.vendorId, port.productId);
        parts << QStringLiteral("USB %1:%2%3")
                         .arg(port.vendorId, 4, 16, QLatin1Char('0'))
                         .arg(port.productId, 4, 16, QLatin1Char('0'))
                         .arg(chip.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(chip));
    }
    const QString driver = PortDriver(port.name);
    parts << (driver.isEmpty() ? QStringLiteral("driver unknown") : QStringLiteral("driver \"%1\"").arg(driver));
    return QStringLiteral("  %1: %2").arg(port.name, parts.join(QStringLiteral("; ")));
}

QString indented(const QString &text)
{
    QString out;
    for (const QString &line : text.split(QLatin1Char('\n')))
        out += QStringLiteral("  ") + line + QLatin1Char('\n');
    return out;
}

bool looksLikePath(const QString &value)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[\\\\/]"));
    return value.contains(QLatin1Char('/')) || value.contains(QLatin1Char('\\')) || drive.match(value).hasMatch();
}

} // namespace

QVector<std::pair<QString, QString>> SettingsForReport()
{
    QVector<std::pair<QString, QString>> out;
    QSettings settings;
    for (const QString &key : settings.allKeys()) {
        if (key.startsWith(QLatin1String("geometry/")))
            continue;
        const QVariant value = settings.value(key);
        QString shown;
        if (value.typeId() == QMetaType::QStringList)
            shown = QStringLiteral("(%1 entries)").arg(value.toStringList().size());
        else if (value.typeId() == QMetaType::QByteArray)
            shown = QStringLiteral("(%1 bytes)").arg(value.toByteArray().size());
        else
            shown = value.toString();
        if (key != QLatin1String("port") && looksLikePath(shown))
            shown = QStringLiteral("(a path)");
        out.push_back({key, shown});
    }
    return out;
}

QString RedactPrivate(QString text, const QString &home, const QString &user, const QString &host)
{
    if (home.size() > 1)
        text.replace(home, QStringLiteral("~"));
    auto word = [&text](const QString &name, const QString &stand) {
        if (name.size() < 2)
            return;
        text.replace(QRegularExpression(QStringLiteral("(?<![\\w.-])%1(?![\\w-])").arg(QRegularExpression::escape(name))),
                     stand);
    };
    word(user, QStringLiteral("USER"));
    word(host, QStringLiteral("HOST"));
    return text;
}

QString DiagnosticReportText(const DiagnosticFacts &facts)
{
    QString text;
    text += QStringLiteral("LUMORA diagnostic report\n");
    text += QStringLiteral("Written: %1\n").arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    text += QStringLiteral("Program: %1 %2\n").arg(facts.program, QCoreApplication::applicationVersion());
    text += QStringLiteral("Qt: %1 (built with %2)\n").arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR));
    text += QStringLiteral("System: %1; kernel %2 %3; %4\n")
                    .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
                         QSysInfo::currentCpuArchitecture());
    text += QStringLiteral("Language: %1\n").arg(QLocale().name());
    text += QStringLiteral("\nPorts\n");
    if (facts.ports.isEmpty())
        text += QStringLiteral("  (none)\n");
    for (const SerialPortEntry &port : facts.ports)
        text += portLine(port) + QLatin1Char('\n');
    text += QStringLiteral("\nConnection check\n");
    for (const QString &paragraph : facts.check.paragraphs)
        text += indented(paragraph);
    text += QStringLiteral("\nSettings\n");
    if (facts.settings.isEmpty())
        text += QStringLiteral("  (none)\n");
    for (const auto &[key, value] : facts.settings)
        text += QStringLiteral("  %1 = %2\n").arg(key, value);
    text += QStringLiteral("\nTrace of the last transfer (milliseconds, > sent, < received, bytes in hex)\n");
    text += facts.trace.isEmpty() ? QStringLiteral("  (no transfer in this run)\n") : QString::fromUtf8(facts.trace);
    return RedactPrivate(text, QDir::homePath(), qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME")),
                         QSysInfo::machineHostName());
}

void SaveDiagnosticReport(const QString &fileName, const QString &text)
{
#ifdef Q_OS_WIN
    SaveWholeFile(fileName, text.toUtf8().replace("\n", "\r\n")); // Notepad's lines
#else
    SaveWholeFile(fileName, text.toUtf8());
#endif
}

} // namespace lumora
