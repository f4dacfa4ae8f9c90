#include "platform/scheduler.h"

#include <algorithm>

namespace kv {

Timer::Timer(TimerScheduler& owner, std::function<void()> handler) : owner_(owner), handler_(std::move(handler)) {
  owner_.Register(this);
}

Timer::~Timer() { owner_.Unregister(this); }

void Timer::SetInterval(int ms) {
  interval_ = ms;
  if (enabled_) due_ = owner_.Now() + std::max(interval_, 1);
}

void Timer::SetEnabled(bool on) {
  enabled_ = on;
  if (on) due_ = owner_.Now() + std::max(interval_, 1);
}

TimerScheduler::TimerScheduler() {
  timers_.reserve(32);
  firing_.reserve(16);
}

void TimerScheduler::Register(Timer* t) {
  t->order_ = nextOrder_++;
  timers_.push_back(t);
}

void TimerScheduler::Unregister(Timer* t) {
  std::erase(timers_, t);
  for (Timer*& f : firing_) {
    if (f == t) f = nullptr;
  }
}

// A timer with interval 0 is off, as on the original toolkit.
static bool Armed(const Timer* t) { return t->Enabled() && t->Interval() > 0; }

Timer* TimerScheduler::NextToFire(std::int64_t limit) const {
  Timer* best = nullptr;
  for (Timer* t : timers_) {
    if (!Armed(t) || t->running_ || t->due_ > limit) continue;
    if (best == nullptr || t->due_ < best->due_ || (t->due_ == best->due_ && t->order_ < best->order_)) best = t;
  }
  return best;
}

std::int64_t TimerScheduler::NextDue() const {
  std::int64_t best = -1;
  for (const Timer* t : timers_) {
    if (!Armed(t) || t->running_) continue;
    if (best < 0 || t->due_ < best) best = t->due_;
  }
  return best;
}

void TimerScheduler::AdvanceTo(std::int64_t t) {
  while (Timer* timer = NextToFire(t)) {
    if (timer->due_ > now_) now_ = timer->due_;
    // Schedule the next tick before the handler runs, so that a handler that re-arms or stops
    // its own timer has the last word.
    timer->due_ += timer->interval_;
    if (timer->due_ <= now_) timer->due_ = now_ + timer->interval_;
    timer->running_ = true;
    firing_.push_back(timer);
    timer->handler_();
    // The handler may have destroyed its own timer (a window closing itself).
    if (firing_.back() != nullptr) timer->running_ = false;
    firing_.pop_back();
  }
  if (t > now_) now_ = t;
}

}  // namespace kv
