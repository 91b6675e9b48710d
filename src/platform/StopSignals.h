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

// From now until the process ends, a request to stop never ends it: it only sets what a running
// command looks at. The command-line program calls this first, so that a stop arriving after the
// command finished (while the process exits) cannot turn a finished run into a killed one, and a stop
// during start-up reaches the command. StopSignals objects created afterwards leave it in force.
void KeepStopsFromEndingTheProcess();

}  // namespace tabulex::platform
