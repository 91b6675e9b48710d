// A request to stop asks a running command to stop; once the program has said so for its whole life,
// it never kills the process, not even after the command has finished and the process is exiting.

#include "platform/StopSignals.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

namespace tabulex::platform {
namespace {

#ifndef _WIN32
TEST(StopSignalsDeathTest, AStopOnlyAsksWhileACommandRunsAndAfterwardsWhenKeptForLife) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const struct {
        const char* Name;
        bool ForLife;
        bool RaiseAfterCommand;
        int ExitCode;  // -1: killed by the signal
    } cases[] = {
        {"during the command", false, false, 0},
        {"after the command, kept for life", true, true, 0},
        {"during the command, kept for life", true, false, 0},
        {"after the command, not kept", false, true, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto run = [&] {
            if (c.ForLife) KeepStopsFromEndingTheProcess();
            {
                const StopSignals signals;
                if (!c.RaiseAfterCommand) {
                    std::raise(SIGTERM);
                    if (!signals.Requested().load()) std::_Exit(3);
                }
            }
            if (c.RaiseAfterCommand) std::raise(SIGTERM);
            std::_Exit(0);
        };
        if (c.ExitCode < 0)
            EXPECT_EXIT(run(), testing::KilledBySignal(SIGTERM), "");
        else
            EXPECT_EXIT(run(), testing::ExitedWithCode(c.ExitCode), "");
    }
}
#endif

}  // namespace
}  // namespace tabulex::platform
