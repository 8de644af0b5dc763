// Wall clock at one-second resolution, for the timing and run files. Tests pin it.
#pragma once

#include <cstdint>
#include <ctime>

namespace skyrig {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t nowSeconds() = 0;  // seconds since the epoch
};

class SystemClock final : public Clock {
 public:
  std::int64_t nowSeconds() override { return static_cast<std::int64_t>(std::time(nullptr)); }
};

// A clock that advances by a fixed step on every reading (step 0: frozen).
class FixedClock final : public Clock {
 public:
  explicit FixedClock(std::int64_t start = 0, std::int64_t step = 0) : now_(start), step_(step) {}
  std::int64_t nowSeconds() override {
    const std::int64_t t = now_;
    now_ += step_;
    return t;
  }

 private:
  std::int64_t now_;
  std::int64_t step_;
};

// An elapsed time split into days, hours, minutes and seconds.
struct ElapsedTime {
  std::int64_t days = 0;
  int hours = 0;
  int minutes = 0;
  int seconds = 0;
};

inline ElapsedTime splitElapsed(std::int64_t totalSeconds) {
  ElapsedTime t;
  if (totalSeconds < 0) totalSeconds = 0;
  t.days = totalSeconds / 86400;
  t.hours = static_cast<int>(totalSeconds / 3600 % 24);
  t.minutes = static_cast<int>(totalSeconds / 60 % 60);
  t.seconds = static_cast<int>(totalSeconds % 60);
  return t;
}

}  // namespace skyrig
