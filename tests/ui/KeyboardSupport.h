#pragma once
// Keys as a keyboard sends them: to whatever has the focus.

#include <QApplication>
#include <QtTest>

namespace lumora::test {

inline QWidget *focused() { return QApplication::focusWidget(); }

// Character by character, each as its own key press.
inline void typeKeys(const QString &text)
{
    for (QChar c : text)
        QTest::keyClick(focused(), c.toLatin1());
}

inline void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::keyClick(focused(), static_cast<Qt::Key>(key), mods);
}

} // namespace lumora::test
