#include "ui/TApplication.h"

#include "ui/UserDialogs.h"

#include <stdexcept>

namespace lumora {


TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("lumora"));
    setApplicationVersion(QStringLiteral(LUMORA_VERSION));
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        ShowException(e);
    } catch (...) {
        ShowException(std::runtime_error("Unknown error"));
    }
    return false;
}

} // namespace lumora
