#pragma once

// Running another program (LibreOffice) to its end under limits: no shell, its own process group,
// a bounded address space, a timeout and a stop flag.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tabulex::platform {

struct ChildLimits {
    std::chrono::seconds Timeout{120};
    std::uint64_t MemoryBytes = 4ull << 30;
    // Set: the program is ended at once. Null: never.
    const std::atomic<bool>* Stop = nullptr;
};

struct ChildOutcome {
    bool TimedOut = false;
    bool Stopped = false;
    // It ran to its end with exit status 0.
    bool Succeeded = false;
    // How it ended, for the developer: "exit status 1", "killed by signal 9".
    std::string Description;
};

// Runs args[0] (a full path) with the arguments, in this process's environment where `variables`
// (name, value) replace those of the same names; its input is empty, its output and errors go to
// `logPath`. At the timeout or the stop its whole process group is killed. Throws
// std::runtime_error when it cannot be started or waited for.
ChildOutcome RunChild(const std::vector<std::string>& args,
                      const std::vector<std::pair<std::string, std::string>>& variables,
                      const std::string& logPath, const ChildLimits& limits);

}  // namespace tabulex::platform
