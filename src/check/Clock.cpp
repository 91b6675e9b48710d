#include "check/Clock.h"

#include <chrono>

namespace tabulex::check {
namespace {

class SteadyClock : public Clock {
  public:
    std::int64_t NowMs() override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

}  // namespace

Clock& SystemClock() {
    static SteadyClock clock;
    return clock;
}

}  // namespace tabulex::check
