#pragma once
// lumora-cli's own sentences, in the user's language as the windows' are.
// What it prints as data (channels, CSV, JSON, option names, the
// benchmark's time lines) stays as it is in every language.

#include <QCoreApplication>
#include <QString>

namespace lumora {

struct Cli {
    Q_DECLARE_TR_FUNCTIONS(Cli)

public:
    // "1 second", "60 seconds"
    static QString Seconds(int count)
    {
        return count == 1 ? tr("1 second") : tr("%1 seconds").arg(count);
    }
    // "all six areas", the number in words up to twelve
    static QString AllAreas(int count)
    {
        static const char *const words[] = {
                QT_TR_NOOP("no"),   QT_TR_NOOP("one"),   QT_TR_NOOP("two"),  QT_TR_NOOP("three"), QT_TR_NOOP("four"),
                QT_TR_NOOP("five"), QT_TR_NOOP("six"),   QT_TR_NOOP("seven"), QT_TR_NOOP("eight"), QT_TR_NOOP("nine"),
                QT_TR_NOOP("ten"),  QT_TR_NOOP("eleven"), QT_TR_NOOP("twelve")};
        return tr("all %1 areas")
                .arg(count >= 0 && count < 13 ? tr(words[count]) : QString::number(count));
    }
};

} // namespace lumora
