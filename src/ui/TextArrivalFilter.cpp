#include "ui/TextArrivalFilter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

namespace lumora {

TextArrivalFilter::TextArrivalFilter(QWidget *window, Rule rule)
    : QObject(window), window_(window), rule_(std::move(rule))
{
    qApp->installEventFilter(this); // the edits of grid editors come and go
}

TextArrivalFilter::~TextArrivalFilter() { qApp->removeEventFilter(this); }

QLineEdit *TextArrivalFilter::LineEditOf(QWidget *w)
{
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit;
    if (auto *box = qobject_cast<QComboBox *>(w))
        return box->lineEdit();
    return nullptr;
}

bool TextArrivalFilter::IsPasteAction(const QAction *action)
{
    // Named in newer Qt; known by its text in older.
    return action->objectName() == QLatin1String("edit-paste")
           || action->text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr("&Paste");
}

void TextArrivalFilter::insertAllowed(QWidget *target, QLineEdit *edit, const QString &text)
{
    const QString allowed = rule_(target, text);
    if (!allowed.isEmpty() && !edit->isReadOnly())
        edit->insert(allowed); // replaces the selection, as a paste does
}

void TextArrivalFilter::showContextMenu(QWidget *target, QLineEdit *edit, const QPoint &globalPos)
{
    QMenu *menu = edit->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction *action : menu->actions()) {
        if (!IsPasteAction(action))
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, edit, [this, target, edit] {
            insertAllowed(target, edit, QGuiApplication::clipboard()->text());
        });
    }
    menu->popup(globalPos);
}

bool TextArrivalFilter::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ContextMenu && type != QEvent::DragEnter
        && type != QEvent::Drop && type != QEvent::InputMethod && type != QEvent::MouseButtonRelease)
        return false;
    if (!watched->isWidgetType())
        return false;
    auto *target = static_cast<QWidget *>(watched);
    QLineEdit *edit = LineEditOf(target);
    if (!edit || target->window() != window_)
        return false;

    switch (type) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste)) {
            insertAllowed(target, edit, QGuiApplication::clipboard()->text());
            return true;
        }
        return false;
    case QEvent::ContextMenu:
        showContextMenu(target, edit, static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    case QEvent::MouseButtonRelease: {
        // The middle button pastes the selection where the press put the caret.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection())
            return false;
        edit->deselect();
        insertAllowed(target, edit, QGuiApplication::clipboard()->text(QClipboard::Selection));
        return true;
    }
    case QEvent::DragEnter: {
        // Text of which nothing may enter is refused as the drag arrives.
        auto *enter = static_cast<QDragEnterEvent *>(event);
        if (!enter->mimeData() || !enter->mimeData()->hasText()
            || !rule_(target, enter->mimeData()->text()).isEmpty())
            return false;
        enter->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!drop->mimeData() || !drop->mimeData()->hasText())
            return false;
        const QString text = drop->mimeData()->text();
        const QString allowed = rule_(target, text);
        if (allowed == text)
            return false;
        if (allowed.isEmpty()) {
            drop->ignore();
            return true;
        }
        QMimeData data;
        data.setText(allowed);
        QDropEvent copy(drop->position(), drop->possibleActions(), &data, drop->buttons(), drop->modifiers());
        QCoreApplication::sendEvent(target, &copy);
        drop->setDropAction(copy.dropAction());
        drop->setAccepted(copy.isAccepted());
        return true;
    }
    case QEvent::InputMethod: {
        auto *im = static_cast<QInputMethodEvent *>(event);
        const QString allowed = rule_(target, im->commitString());
        if (allowed == im->commitString())
            return false;
        QInputMethodEvent copy(im->preeditString(), im->attributes());
        copy.setCommitString(allowed, im->replacementStart(), im->replacementLength());
        QCoreApplication::sendEvent(target, &copy);
        return true;
    }
    default:
        return false;
    }
}

} // namespace lumora
