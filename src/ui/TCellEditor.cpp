#include "ui/TCellEditor.h"

#include "memory/Errors.h"
#include "ui/TXStringGrid.h"

namespace lumora {

TCellEditor::TCellEditor(QObject *owner) : QObject(owner) {}

TCellEditor::~TCellEditor()
{
    if (grid_)
        grid_->editorDestroyed(this);
}

void TCellEditor::Attach(TXStringGrid *grid)
{
    if (grid_ && grid_ != grid)
        throw ELumoraError(QStringLiteral("%1 is allready assigned to %2")
                               .arg(objectName(), grid_->objectName()));
    if (!grid_) {
        grid_ = grid;
        try {
            PrepareControl();
        } catch (...) {
            grid_ = nullptr; // not attached after all
            throw;
        }
    }
    ++uses_;
}

void TCellEditor::Detach()
{
    if (uses_ > 0 && --uses_ == 0) {
        ReleaseControlWindow();
        grid_ = nullptr;
    }
}

std::optional<QString> TCellEditor::TypedText(const QString &text, const TextRule &rule) const
{
    return rule ? rule(text) : text;
}

void TCellEditor::SetCellText(const QString &text)
{
    if (grid_)
        grid_->commitEditText(text);
}

} // namespace lumora
