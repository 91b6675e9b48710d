#pragma once

// How a batch spreads its inventories over threads. A check is computation but for its end, when
// it flushes its two report files to disk and waits several milliseconds for each: a worker that
// waits leaves its core idle, so a batch runs two workers per core, each check on one thread. What
// a check holds in memory grows with its document, so a heavy inventory (a large file, or one that
// LibreOffice converts first) takes one of only as many places as there are cores: the workers
// beyond them take the small ones, and a batch of large inventories needs no more memory than one
// check per core.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>

namespace tabulex::cli {

struct WorkerPlan {
    int Workers = 1;      // threads that check inventories, the calling one among them
    int HeavyPlaces = 1;  // how many of them may check a heavy inventory at once
    // Threads one check may keep busy (reading its document on a second): two for a single
    // inventory on a machine of several cores, one in a batch, whose other workers take them.
    int ThreadsPerCheck = 1;
};

// `requested`: the --jobs value, 0 for every core; never more workers than inventories.
WorkerPlan PlanWorkers(int requested, std::size_t inventories, unsigned cores);

// What a batch can tell of an inventory's work before it opens it. Heavy: not a .docx or .docm
// (LibreOffice converts it first), or one of more than a few megabytes.
struct InventoryWeight {
    bool Heavy = false;
    std::uintmax_t Bytes = 0;  // the file's size
};
InventoryWeight WeighInventory(const std::filesystem::path& file);

struct BatchSteps {
    std::function<InventoryWeight(std::size_t)> Weigh;  // inventory k's weight
    std::function<void(std::size_t)> Check;             // checks inventory k; called once for each k
    std::function<bool()> Stopped;                      // true: no new inventory is started
    std::function<void(std::size_t)> Skipped;           // inventory k was not started because of a stop
};

// Calls steps.Check(k) (or, after a stop, steps.Skipped(k)) for every k below `count`, on
// plan.Workers threads, at most plan.HeavyPlaces of them on heavy inventories at once. The heavy
// and then the larger inventories go first, so that the batch does not end with one worker on a
// long check while the others have nothing left (ties in the order of k). Returns when all are
// done; the caller keeps the results by k, so that what it prints is in the order of the
// inventories whatever the order of the checks.
void RunBatch(std::size_t count, const WorkerPlan& plan, const BatchSteps& steps);

}  // namespace tabulex::cli
