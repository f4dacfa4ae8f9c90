#include "platform/scheduler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv {
namespace {

struct Fixture {
  TimerScheduler sched;
  std::vector<std::string> log;
  Timer& Make(const std::string& name, int interval) {
    timers.push_back(std::make_unique<Timer>(sched, [this, name] { log.push_back(name + "@" + std::to_string(sched.Now())); }));
    timers.back()->SetInterval(interval);
    return *timers.back();
  }
  std::vector<std::unique_ptr<Timer>> timers;
};

TEST(TimerScheduler, FiresInTimeOrderAndTiesInCreationOrder) {
  Fixture f;
  Timer& slow = f.Make("slow", 30);
  Timer& fast = f.Make("fast", 10);
  Timer& same = f.Make("same", 30);
  slow.SetEnabled(true);
  fast.SetEnabled(true);
  same.SetEnabled(true);
  f.sched.AdvanceTo(30);
  EXPECT_EQ(f.log, (std::vector<std::string>{"fast@10", "fast@20", "slow@30", "fast@30", "same@30"}));
  EXPECT_EQ(f.sched.Now(), 30);
}

TEST(TimerScheduler, ReEnablingRestartsThePeriod) {
  Fixture f;
  Timer& t = f.Make("t", 10);
  t.SetEnabled(true);
  f.sched.AdvanceTo(7);
  t.SetEnabled(true);  // restarts: next at 17, not 10
  f.sched.AdvanceTo(16);
  EXPECT_TRUE(f.log.empty());
  f.sched.AdvanceTo(17);
  EXPECT_EQ(f.log, (std::vector<std::string>{"t@17"}));
  t.SetInterval(5);  // a new interval while running restarts too
  f.sched.AdvanceTo(21);
  EXPECT_EQ(f.log.size(), 1u);
  f.sched.AdvanceTo(22);
  EXPECT_EQ(f.log.back(), "t@22");
}

TEST(TimerScheduler, DisabledOrZeroIntervalTimersNeverFire) {
  Fixture f;
  Timer& off = f.Make("off", 10);
  Timer& zero = f.Make("zero", 0);
  zero.SetEnabled(true);
  (void)off;
  f.sched.AdvanceTo(1000);
  EXPECT_TRUE(f.log.empty());
  EXPECT_EQ(f.sched.NextDue(), -1);
}

TEST(TimerScheduler, AHandlerIsNeverReEntered) {
  TimerScheduler sched;
  int depth = 0, maxDepth = 0, fired = 0;
  Timer t(sched, [&] {
    ++fired;
    maxDepth = std::max(maxDepth, ++depth);
    sched.AdvanceTo(sched.Now() + 50);  // a handler that waits and pumps events
    --depth;
  });
  t.SetInterval(10);
  t.SetEnabled(true);
  sched.AdvanceTo(100);
  EXPECT_EQ(maxDepth, 1);
  EXPECT_GE(fired, 1);
}

TEST(TimerScheduler, AHandlerThatStopsAnotherTimerDueAtTheSameTimeWins) {
  TimerScheduler sched;
  int bFired = 0;
  std::unique_ptr<Timer> b;
  Timer a(sched, [&] { b->SetEnabled(false); });
  b = std::make_unique<Timer>(sched, [&] { ++bFired; });
  a.SetInterval(10);
  b->SetInterval(10);
  a.SetEnabled(true);
  b->SetEnabled(true);
  sched.AdvanceTo(50);
  EXPECT_EQ(bFired, 0);
}

TEST(TimerScheduler, ATimerDestroyedByItsOwnHandlerIsSafe) {
  TimerScheduler sched;
  std::unique_ptr<Timer> t;
  int fired = 0;
  t = std::make_unique<Timer>(sched, [&] {
    ++fired;
    t.reset();
  });
  t->SetInterval(5);
  t->SetEnabled(true);
  sched.AdvanceTo(100);
  EXPECT_EQ(fired, 1);
}

}  // namespace
}  // namespace kv
