#pragma once

// The requests to stop that reach a command-line process from outside (Ctrl+C, termination, the
// terminal closing).

#include <atomic>

namespace tabulex::platform {

// While it lives, a request to stop sets Requested() instead of ending the process, and a write
// beyond the file-size limit fails (and is reported) instead of killing it. One at a time.
class StopSignals {
  public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    const std::atomic<bool>& Requested() const;
};

}  // namespace tabulex::platform
