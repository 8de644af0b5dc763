// The processor time of this process as a std::chrono clock. The improvement's time limits
// count processor seconds: the work they allow, and so the plan found, does not depend on how
// busy the machine is; on an idle machine they equal wall seconds (the engine runs on one
// thread; CBC counts its time limit the same way).
#pragma once

#include <chrono>
#include <ctime>

namespace skyrig {

struct ProcessorClock {
  using duration = std::chrono::nanoseconds;
  using rep = duration::rep;
  using period = duration::period;
  using time_point = std::chrono::time_point<ProcessorClock>;
  static constexpr bool is_steady = true;

  static time_point now() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return time_point(duration(static_cast<rep>(t.tv_sec) * 1000000000 + t.tv_nsec));
  }
};

}  // namespace skyrig
