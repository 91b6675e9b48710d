#include "cli/BatchWorkers.h"

#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <mutex>
#include <thread>
#include <vector>

namespace tabulex::cli {
namespace {
namespace fs = std::filesystem;

// Two workers per core, one heavy check per core; a check on two threads only when it is alone.
TEST(BatchWorkersTest, PlanKeepsOneHeavyCheckPerCoreAndAsManyWorkersAsAsked) {
    struct Case {
        int Requested;
        std::size_t Inventories;
        unsigned Cores;
        WorkerPlan Plan;
    };
    const Case cases[] = {
        {0, 100, 2, {4, 2, 1}}, {0, 3, 2, {3, 2, 1}},    // never more workers than inventories
        {0, 1, 8, {1, 1, 2}},   {0, 1, 1, {1, 1, 1}},    // a single inventory reads on a second core
        {0, 0, 2, {1, 1, 2}},   {0, 100, 0, {2, 1, 1}},  // the core count unknown: one core
        {1, 100, 2, {1, 1, 1}},                          // --jobs 1 is serial, one thread at a time
        {3, 100, 2, {3, 3, 1}},                          // --jobs N is N workers
        {2, 1, 2, {1, 1, 2}},
    };
    for (const Case& c : cases) {
        const WorkerPlan plan = PlanWorkers(c.Requested, c.Inventories, c.Cores);
        const std::string label =
            std::to_string(c.Requested) + " " + std::to_string(c.Inventories) + " " + std::to_string(c.Cores);
        EXPECT_EQ(plan.Workers, c.Plan.Workers) << label;
        EXPECT_EQ(plan.HeavyPlaces, c.Plan.HeavyPlaces) << label;
        EXPECT_EQ(plan.ThreadsPerCheck, c.Plan.ThreadsPerCheck) << label;
    }
}

TEST(BatchWorkersTest, HeavyAreConvertedOrLargeFiles) {
    const fs::path root = tabulex::testing::MakeTestFolder("tabulex-batch-");
    struct Case {
        const char* Name;
        std::size_t Bytes;
        bool Heavy;
    };
    const Case cases[] = {
        {"small.docx", 1000, false}, {"SMALL.DOCM", 1000, false}, {"large.docx", 5u << 20, true},
        {"small.doc", 1000, true},   {"small.odt", 1000, true},   {"small.rtf", 1000, true},
    };
    for (const Case& c : cases) {
        std::ofstream(root / c.Name, std::ios::binary) << std::string(c.Bytes, 'x');
        const InventoryWeight weight = WeighInventory(root / c.Name);
        EXPECT_EQ(weight.Heavy, c.Heavy) << c.Name;
        EXPECT_EQ(weight.Bytes, c.Bytes) << c.Name;
    }
    fs::remove_all(root);
}

// The heavy, then the larger inventories are started first, the rest in their order.
TEST(BatchWorkersTest, HeavyAndLargeInventoriesStartFirst) {
    const std::vector<InventoryWeight> weights = {
        {false, 10}, {false, 30}, {true, 5}, {false, 30}, {false, 20}, {true, 50}, {false, 10},
    };
    std::vector<std::size_t> started;
    RunBatch(weights.size(), {1, 1},
             {.Weigh = [&](std::size_t k) { return weights[k]; },
              .Check = [&](std::size_t k) { started.push_back(k); },
              .Stopped = [] { return false; },
              .Skipped = [](std::size_t) {}});
    EXPECT_EQ(started, (std::vector<std::size_t>{5, 2, 1, 3, 4, 0, 6}));
}

// Every inventory is checked once; heavy ones never more at once than their places, even when
// they come one after another; after a stop the rest are skipped, none checked.
TEST(BatchWorkersTest, EachInventoryOnceHeavyOnesWithinTheirPlaces) {
    struct Case {
        WorkerPlan Plan;
        std::size_t Count;
        std::size_t StopAfter;  // checks begun before the stop; Count: no stop
    };
    const Case cases[] = {
        {{4, 2}, 40, 40}, {{4, 1}, 40, 40}, {{1, 1}, 10, 10}, {{3, 3}, 20, 20}, {{4, 2}, 40, 5},
    };
    for (const Case& c : cases) {
        std::vector<std::atomic<int>> checked(c.Count);
        std::atomic<int> heavyNow{0}, heavyMost{0}, begun{0}, skipped{0};
        std::atomic<bool> stop{false};
        RunBatch(c.Count, c.Plan,
                 {.Weigh =
                      [](std::size_t k) {
                          return InventoryWeight{k % 3 != 2, k};
                      },
                  .Check =
                      [&](std::size_t k) {
                          if (++begun >= static_cast<int>(c.StopAfter)) stop = true;
                          ++checked[k];
                          const bool heavy = k % 3 != 2;
                          if (heavy) {
                              const int now = ++heavyNow;
                              for (int most = heavyMost;
                                   now > most && !heavyMost.compare_exchange_weak(most, now);)
                                  ;
                          }
                          std::this_thread::sleep_for(std::chrono::milliseconds(2));
                          if (heavy) --heavyNow;
                      },
                  .Stopped = [&] { return stop.load(); },
                  .Skipped = [&](std::size_t) { ++skipped; }});
        const std::string label = std::to_string(c.Plan.Workers) + " workers, " +
                                  std::to_string(c.Plan.HeavyPlaces) + " heavy places";
        int total = 0;
        for (const auto& n : checked) {
            EXPECT_LE(n.load(), 1) << label;
            total += n;
        }
        EXPECT_EQ(total + skipped, static_cast<int>(c.Count)) << label;
        EXPECT_LE(heavyMost.load(), c.Plan.HeavyPlaces) << label;
        // The workers that were already past the stop's check finish what they drew.
        if (c.StopAfter < c.Count) {
            EXPECT_LT(total, static_cast<int>(c.StopAfter) + c.Plan.Workers) << label;
        }
    }
}

// Workers waiting for a heavy inventory's place when the batch is stopped start nothing more.
TEST(BatchWorkersTest, AStopReachesWorkersWaitingForAPlace) {
    for (const int workers : {2, 4, 8}) {
        std::atomic<int> checked{0}, skipped{0};
        std::atomic<bool> stop{false};
        RunBatch(20, {workers, 1},
                 {.Weigh =
                      [](std::size_t) {
                          return InventoryWeight{true, 1};
                      },
                  .Check =
                      [&](std::size_t) {
                          ++checked;
                          // Long enough for the other workers to queue for the place.
                          std::this_thread::sleep_for(std::chrono::milliseconds(20));
                          stop = true;
                      },
                  .Stopped = [&] { return stop.load(); },
                  .Skipped = [&](std::size_t) { ++skipped; }});
        EXPECT_EQ(checked.load(), 1) << workers << " workers";
        EXPECT_EQ(skipped.load(), 19) << workers << " workers";
    }
}

}  // namespace
}  // namespace tabulex::cli
