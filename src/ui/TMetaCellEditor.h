#pragma once
// An editor that owns one input control, shown over the edited cell.

#include "ui/TCellEditor.h"

#include <QPointer>
#include <QWidget>

namespace lumora {

class TMetaCellEditor : public TCellEditor {
    Q_OBJECT
public:
    using TCellEditor::TCellEditor;
    ~TMetaCellEditor() override;

    // Creates the control on the grid; throws "Cell Editor not of type
    // TCellEditor" when none can be made.
    void PrepareControl() override;
    void ReleaseControlWindow() override;
    void PlaceAt(const QRect &cell) override;
    void Hide() override;
    QWidget *Control() const override { return control_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The key leaves the editor (it commits, then the grid moves on).
    virtual bool leavesOn(int key) const = 0;
    // Watches a widget of the control for focus loss and keys.
    void watch(QWidget *w);
    void takeColumnLook();

private:
    QPointer<QWidget> control_;
};

} // namespace lumora
