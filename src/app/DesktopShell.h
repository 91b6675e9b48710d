#pragma once

// Requests to the desktop: open a file, folder or link with its default handler. Behind an
// interface so that tests record the requests instead of starting programs.

#include <QUrl>

namespace tabulex::app {

class DesktopShell {
  public:
    virtual ~DesktopShell() = default;
    // False when the desktop could not handle the request.
    virtual bool Open(const QUrl& url) = 0;
};

class QtDesktopShell : public DesktopShell {
  public:
    bool Open(const QUrl& url) override;
};

}  // namespace tabulex::app
