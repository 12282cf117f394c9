#pragma once
// The application with its one error handler: an exception that leaves
// any event handler ends that handler and is shown in an error box.

#include <QApplication>

namespace lumora {

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace lumora
