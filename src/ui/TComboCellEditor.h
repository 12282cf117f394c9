#pragma once
// Drop-down column editor: an editable drop-down (free text allowed) or a
// drop-down list (only its items).

#include "ui/TMetaCellEditor.h"

#include <QComboBox>
#include <QStringList>

namespace lumora {

class TComboInplace : public QComboBox {
    Q_OBJECT
public:
    explicit TComboInplace(QWidget *parent);
};

class TComboCellEditor : public TMetaCellEditor {
    Q_OBJECT
public:
    enum TComboStyle { csDropDown, csDropDownList };
    using TMetaCellEditor::TMetaCellEditor;

    QString DefaultText;
    QStringList Items;
    TComboStyle Style = csDropDown;

    void StartEdit() override;
    void EndEdit() override;
    QWidget *CreateControl(QWidget *owner) override;
    // An item, matched whatever its case; a list takes nothing else, and
    // gives its default for an empty text, as its control shows then.
    std::optional<QString> TypedText(const QString &text, const TextRule &rule) const override;
    TComboInplace *Combo() const { return static_cast<TComboInplace *>(Control()); }

protected:
    bool leavesOn(int key) const override;
};

} // namespace lumora
