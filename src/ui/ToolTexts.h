#pragma once
// Texts that more than one window shows.

#include <QCoreApplication>
#include <QString>

namespace lumora {

// The main window's caption, and the title of every box (two blanks before the V).
inline QString ToolTitle() { return QStringLiteral("LUMORA  V1.0"); }

// A transfer refused because the port is busy with another one.
inline QString AnotherTransferText()
{
    return QCoreApplication::translate(
            "ToolTexts", "Another transfer with the radio is under way. Wait until it has finished, then try again");
}

} // namespace lumora
