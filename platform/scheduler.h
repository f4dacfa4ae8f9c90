#pragma once
// The one timer scheduler. Every periodic timer of every window lives here, and both platforms
// (real time and the virtual clock) drive it by telling it what time it is.
//
// Rules:
//  - a timer enabled (or re-enabled, or given a new interval while enabled) at time t is next due
//    at t + interval, then every interval after that;
//  - due timers fire in time order; timers due at the same moment fire in the order they were
//    created;
//  - a timer whose handler is still running is never fired again from inside it (no re-entry);
//  - a timer that falls behind (its handler, or the machine, was slow) skips the ticks it missed
//    rather than firing a burst of them.
#include <cstdint>
#include <functional>
#include <vector>

namespace kv {

class TimerScheduler;

class Timer {
 public:
  Timer(TimerScheduler& owner, std::function<void()> handler);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  void SetInterval(int ms);
  int Interval() const { return interval_; }
  void SetEnabled(bool on);
  bool Enabled() const { return enabled_; }
  std::int64_t Due() const { return due_; }

 private:
  friend class TimerScheduler;
  TimerScheduler& owner_;
  std::function<void()> handler_;
  int interval_ = 0;
  bool enabled_ = false;
  bool running_ = false;
  std::int64_t due_ = 0;
  std::uint64_t order_ = 0;
};

class TimerScheduler {
 public:
  TimerScheduler();
  std::int64_t Now() const { return now_; }

  // Earliest due time among enabled timers that may fire, or -1 when none is armed.
  std::int64_t NextDue() const;

  // Fires, in order, every timer due at or before t, then sets the clock to t.
  // Time never runs backwards: a t before Now() only fires what is already due.
  void AdvanceTo(std::int64_t t);

  // Sets the clock without firing anything (used when real time jumps ahead).
  void SetNow(std::int64_t t) {
    if (t > now_) now_ = t;
  }

 private:
  friend class Timer;
  void Register(Timer* t);
  void Unregister(Timer* t);
  Timer* NextToFire(std::int64_t limit) const;

  std::vector<Timer*> timers_;
  std::vector<Timer*> firing_;  // handlers running now, innermost last
  std::uint64_t nextOrder_ = 0;
  std::int64_t now_ = 0;
};

}  // namespace kv
