#pragma once
// The keys that may end a cell edit, for Qt Test data rows.

#include <QtTest>
#include <functional>
#include <tuple>

namespace lumora::test {

// Calls add(name, key, modifiers) for each key.
inline void ForEachLeavingKey(const std::function<void(const char *, int, int)> &add)
{
    const std::tuple<const char *, int, int> keys[] = {
        {"Left", Qt::Key_Left, 0},          {"Right", Qt::Key_Right, 0},
        {"Up", Qt::Key_Up, 0},              {"Down", Qt::Key_Down, 0},
        {"PageUp", Qt::Key_PageUp, 0},      {"PageDown", Qt::Key_PageDown, 0},
        {"Home", Qt::Key_Home, 0},          {"End", Qt::Key_End, 0},
        {"Ctrl+Home", Qt::Key_Home, Qt::ControlModifier},
        {"Ctrl+End", Qt::Key_End, Qt::ControlModifier},
        {"Tab", Qt::Key_Tab, 0},            {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier},
        {"Enter", Qt::Key_Return, 0},
    };
    for (const auto &[name, key, mods] : keys)
        add(name, key, mods);
}

inline void PressKey(QWidget *target, int key, int mods)
{
    QTest::keyClick(target, static_cast<Qt::Key>(key), static_cast<Qt::KeyboardModifiers>(mods));
}

} // namespace lumora::test
