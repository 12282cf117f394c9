#pragma once
// The port selector: an editable box whose list is read afresh each time
// it drops down, so that a cable plugged in after start-up is there. The
// list shows each port's description beside its name; choosing a port
// puts only its name, the device that is opened, into the box.

#include <QComboBox>

namespace lumora {

class TPortBox : public QComboBox {
    Q_OBJECT
public:
    explicit TPortBox(QWidget *parent = nullptr);
    // Reads the system's ports again; the box's text stays as it is.
    void RefreshPorts();
    void showPopup() override;
};

} // namespace lumora
