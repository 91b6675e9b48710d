#include "platform/StopSignals.h"

#include <csignal>

namespace tabulex::platform {
namespace {

// A signal handler reaches only what is global.
std::atomic<bool> gStopRequested{false};
std::atomic<bool> gForLife{false};

extern "C" void OnStopSignal(int) {
    gStopRequested.store(true);
}

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

void CatchStops() {
    for (int sig : kStopSignals) std::signal(sig, OnStopSignal);
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace

void KeepStopsFromEndingTheProcess() {
    gForLife.store(true);
    CatchStops();
}

StopSignals::StopSignals() {
    if (gForLife.load()) return;
    gStopRequested.store(false);
    CatchStops();
}

StopSignals::~StopSignals() {
    if (gForLife.load()) return;
    for (int sig : kStopSignals) std::signal(sig, SIG_DFL);
    std::signal(SIGXFSZ, SIG_DFL);
}

const std::atomic<bool>& StopSignals::Requested() const {
    return gStopRequested;
}

}  // namespace tabulex::platform
