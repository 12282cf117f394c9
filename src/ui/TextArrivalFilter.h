#pragma once
// Text reaches an edit box not only by typing: pasting (keys, the context
// menu, the middle button), dropping and an input method insert it too.
// This filter sends all of those through one rule of the window, the same
// rule its typed characters pass, for every edit box and drop-down of that
// window.

#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QLineEdit;
class QWidget;

namespace lumora {

class TextArrivalFilter : public QObject {
    Q_OBJECT
public:
    // rule: what of a text may enter the widget (a box or the edit in it).
    using Rule = std::function<QString(QWidget *target, const QString &text)>;
    TextArrivalFilter(QWidget *window, Rule rule);
    ~TextArrivalFilter() override;

    // The line edit that text typed into w goes to (w, or the edit of a
    // drop-down), or null.
    static QLineEdit *LineEditOf(QWidget *w);
    // The "Paste" entry of an edit box's context menu.
    static bool IsPasteAction(const QAction *action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void insertAllowed(QWidget *target, QLineEdit *edit, const QString &text);
    void showContextMenu(QWidget *target, QLineEdit *edit, const QPoint &globalPos);

    QWidget *window_;
    Rule rule_;
};

} // namespace lumora
