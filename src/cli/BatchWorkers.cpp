#include "cli/BatchWorkers.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <condition_variable>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <tuple>
#include <vector>

namespace tabulex::cli {
namespace {

// About 150 000 rows of a plain inventory; its check holds some hundred megabytes.
constexpr std::uintmax_t kHeavyDocxBytes = 4u << 20;

// A count of places, taken before a heavy inventory and given back after it.
class Places {
  public:
    explicit Places(int count) : free_(count) {}
    void Take() {
        std::unique_lock lock(mutex_);
        freed_.wait(lock, [&] { return free_ > 0; });
        --free_;
    }
    void Give() {
        {
            std::lock_guard lock(mutex_);
            ++free_;
        }
        freed_.notify_one();
    }

  private:
    std::mutex mutex_;
    std::condition_variable freed_;
    int free_;
};

}  // namespace

WorkerPlan PlanWorkers(int requested, std::size_t inventories, unsigned cores) {
    const int heavyPlaces = requested > 0 ? requested : static_cast<int>(std::max(1u, cores));
    const int wanted = requested > 0 ? requested : 2 * heavyPlaces;
    const int workers = static_cast<int>(
        std::min<std::size_t>(static_cast<std::size_t>(wanted), std::max<std::size_t>(inventories, 1)));
    const int threadsPerCheck = inventories > 1 ? 1 : static_cast<int>(std::clamp(cores, 1u, 2u));
    return {workers, std::min(heavyPlaces, workers), threadsPerCheck};
}

InventoryWeight WeighInventory(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    InventoryWeight weight;
    weight.Bytes = error ? 0 : size;
    weight.Heavy = (extension != ".docx" && extension != ".docm") || weight.Bytes > kHeavyDocxBytes;
    return weight;
}

void RunBatch(std::size_t count, const WorkerPlan& plan, const BatchSteps& steps) {
    std::vector<InventoryWeight> weights(count);
    std::vector<std::size_t> order(count);
    for (std::size_t k = 0; k < count; ++k) {
        weights[k] = steps.Weigh(k);
        order[k] = k;
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::tie(weights[a].Heavy, weights[a].Bytes) > std::tie(weights[b].Heavy, weights[b].Bytes);
    });
    std::atomic<std::size_t> next{0};
    Places heavyPlaces(std::max(1, plan.HeavyPlaces));
    auto work = [&] {
        for (std::size_t n = next++; n < count; n = next++) {
            const std::size_t k = order[n];
            const bool placed = weights[k].Heavy && !steps.Stopped();
            if (placed) heavyPlaces.Take();
            // Asked again after the wait for a place, which may have outlasted a stop.
            if (steps.Stopped())
                steps.Skipped(k);
            else
                steps.Check(k);
            if (placed) heavyPlaces.Give();
        }
    };
    std::vector<std::thread> workers;
    for (int k = 1; k < plan.Workers; ++k) workers.emplace_back(work);
    work();
    for (auto& worker : workers) worker.join();
}

}  // namespace tabulex::cli
