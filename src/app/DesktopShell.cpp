#include "app/DesktopShell.h"

#include <QDesktopServices>

namespace tabulex::app {

bool QtDesktopShell::Open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

}  // namespace tabulex::app
