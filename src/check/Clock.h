#pragma once

#include <cstdint>

namespace tabulex::check {

// The millisecond tick count; injectable so that the progress captions can be tested.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::int64_t NowMs() = 0;
};

// A monotonic clock.
Clock& SystemClock();

}  // namespace tabulex::check
