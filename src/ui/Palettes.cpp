#include "ui/Palettes.h"

#include <QApplication>
#include <QStyle>
#include <utility>

namespace lumora {

namespace {

QPalette paletteOf(std::initializer_list<std::pair<QPalette::ColorRole, QColor>> roles, const QColor &disabledText)
{
    QPalette p;
    for (const auto &[role, colour] : roles)
        p.setColor(role, colour);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabledText);
    return p;
}

} // namespace

const QStringList &PaletteNames()
{
    static const QStringList names{QStringLiteral("light"), QStringLiteral("dark"), QStringLiteral("high-contrast")};
    return names;
}

std::optional<QPalette> NamedPalette(const QString &name)
{
    if (name == QLatin1String("light"))
        return QApplication::style() ? QApplication::style()->standardPalette() : QPalette();
    if (name == QLatin1String("dark"))
        return paletteOf({{QPalette::Window, QColor(45, 45, 45)},     {QPalette::WindowText, QColor(230, 230, 230)},
                          {QPalette::Base, QColor(30, 30, 30)},       {QPalette::AlternateBase, QColor(40, 40, 40)},
                          {QPalette::Text, QColor(230, 230, 230)},    {QPalette::Button, QColor(53, 53, 53)},
                          {QPalette::ButtonText, QColor(240, 240, 240)}, {QPalette::Mid, QColor(90, 90, 90)},
                          {QPalette::Light, QColor(75, 75, 75)},      {QPalette::Dark, QColor(25, 25, 25)},
                          {QPalette::Highlight, QColor(42, 130, 218)}, {QPalette::HighlightedText, Qt::white},
                          {QPalette::ToolTipBase, QColor(60, 60, 60)}, {QPalette::ToolTipText, QColor(240, 240, 240)},
                          {QPalette::Link, QColor(110, 170, 255)},    {QPalette::PlaceholderText, QColor(160, 160, 160)}},
                         QColor(130, 130, 130));
    if (name == QLatin1String("high-contrast"))
        return paletteOf({{QPalette::Window, Qt::black},          {QPalette::WindowText, Qt::white},
                          {QPalette::Base, Qt::black},            {QPalette::AlternateBase, QColor(20, 20, 20)},
                          {QPalette::Text, Qt::white},            {QPalette::Button, Qt::black},
                          {QPalette::ButtonText, Qt::white},      {QPalette::Mid, Qt::white},
                          {QPalette::Light, Qt::white},           {QPalette::Dark, Qt::white},
                          {QPalette::Highlight, QColor(255, 255, 0)}, {QPalette::HighlightedText, Qt::black},
                          {QPalette::ToolTipBase, Qt::black},     {QPalette::ToolTipText, Qt::white},
                          {QPalette::Link, QColor(0, 255, 255)},  {QPalette::PlaceholderText, QColor(200, 200, 200)}},
                         QColor(0, 255, 0));
    return std::nullopt;
}

} // namespace lumora
