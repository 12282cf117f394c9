#pragma once
// Free-text column editor: a borderless line edit over the cell.

#include "ui/TMetaCellEditor.h"

#include <QLineEdit>
#include <functional>

class QToolButton;

namespace lumora {

// The in-place text box; its text sits 2 pixels in from the cell's edges.
class TEditInplace : public QLineEdit {
    Q_OBJECT
public:
    explicit TEditInplace(QWidget *parent);
};

class TEditCellEditor : public TMetaCellEditor {
    Q_OBJECT
public:
    using TMetaCellEditor::TMetaCellEditor;

    QString DefaultText;
    bool hasElipsis = false;
    QString ElipsisCaption = QStringLiteral("...");
    std::function<void(TEditCellEditor *Sender)> OnElipsisClick;

    void StartEdit() override;
    void EndEdit() override;
    void PlaceAt(const QRect &cell) override;
    void Hide() override;
    QWidget *CreateControl(QWidget *owner) override;
    TEditInplace *Edit() const { return static_cast<TEditInplace *>(Control()); }

protected:
    bool leavesOn(int key) const override;

private:
    QToolButton *ellipsis_ = nullptr;
};

} // namespace lumora
