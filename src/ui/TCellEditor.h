#pragma once
// Base of the grid's column editors. One editor may serve any number of
// columns of one grid, never columns of two grids; it counts its uses.

#include <QObject>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace lumora {

class TXStringGrid;

class TCellEditor : public QObject {
    Q_OBJECT
public:
    explicit TCellEditor(QObject *owner = nullptr);
    ~TCellEditor() override;

    TXStringGrid *Grid() const { return grid_; }
    int UseCount() const { return uses_; }

    // Throws "%s is allready assigned to %s" for a second grid.
    virtual void Attach(TXStringGrid *grid);
    virtual void Detach();
    virtual void ReleaseControlWindow() {}
    virtual void PrepareControl() {}
    // Fill and show the control for the grid's edited cell.
    virtual void StartEdit() = 0;
    // Take the control's text into the cell.
    virtual void EndEdit() = 0;
    // Writes the edited cell (only if different) and fires the grid's
    // OnSetEditText, changed or not.
    virtual void SetCellText(const QString &text);
    virtual void PlaceAt(const QRect &cell) { (void)cell; }
    virtual void Hide() {}
    virtual QWidget *CreateControl(QWidget *owner) { (void)owner; return nullptr; }
    virtual QWidget *Control() const { return nullptr; }
    // What this editor commits for a text typed or pasted into it whole,
    // or nothing where it takes no such text. rule: the window's rule for
    // typed characters (null: every character is taken).
    using TextRule = std::function<QString(const QString &)>;
    virtual std::optional<QString> TypedText(const QString &text, const TextRule &rule) const;

private:
    TXStringGrid *grid_ = nullptr;
    int uses_ = 0;
};

} // namespace lumora
