#include "platform/StopSignals.h"

#include <windows.h>

namespace tabulex::platform {
namespace {

// A console control handler reaches only what is global.
std::atomic<bool> gStopRequested{false};
std::atomic<bool> gFinished{true};
std::atomic<bool> gForLife{false};

// Runs on a thread of its own. Ctrl+C and Ctrl+Break only ask; closing the console window, logging
// off and shutting down end the process when the handler returns (after at most 5 s for a close),
// so those wait for the run to stop at its next progress point and write its report first.
BOOL WINAPI OnConsoleEvent(DWORD event) {
    gStopRequested.store(true);
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) return TRUE;
    for (int waited = 0; waited < 4500 && !gFinished.load(); waited += 50) ::Sleep(50);
    return TRUE;
}

}  // namespace

void KeepStopsFromEndingTheProcess() {
    gForLife.store(true);
    ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

StopSignals::StopSignals() {
    gFinished.store(false);
    if (gForLife.load()) return;
    gStopRequested.store(false);
    ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

StopSignals::~StopSignals() {
    gFinished.store(true);
    if (!gForLife.load()) ::SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
}

const std::atomic<bool>& StopSignals::Requested() const {
    return gStopRequested;
}

}  // namespace tabulex::platform
