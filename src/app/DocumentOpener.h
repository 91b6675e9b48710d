#pragma once

// Opens a document on a worker thread while the window goes on painting and Прервать ends the
// opening: a 100 000-row inventory or a conversion through LibreOffice takes seconds. The caller
// waits in a local event loop, so that the commands keep their order; the window is in its
// running state meanwhile, so no other command starts.

#include <QString>

#include <atomic>
#include <functional>

namespace tabulex::app {

class DocumentSession;
class StatusSink;

class DocumentOpener {
  public:
    // `setRunning` switches the window between its idle and running state.
    DocumentOpener(DocumentSession& documents, StatusSink& status, std::function<void(bool)> setRunning);

    // Opens `path` (or activates it when it is open) and makes it active; shows the host's message
    // and returns false when it cannot be opened or the user stopped the opening.
    bool Open(const QString& path);
    bool Opening() const { return opening_; }
    void RequestStop() { stop_ = true; }

  private:
    DocumentSession& documents_;
    StatusSink& status_;
    std::function<void(bool)> setRunning_;
    std::atomic<bool> stop_{false};
    bool opening_ = false;
};

// What the caption says while `path` is opened: a .docx is read, other formats are converted.
QString OpeningStatus(const QString& path);

}  // namespace tabulex::app
