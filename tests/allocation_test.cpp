// The frame tick allocates nothing, even with every table full.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "shooter/core/frame_loop.h"
#include "tests/full_load.h"
#include "tests/shooter_fixture.h"

namespace {
// Counting is switched on only around the ticks under test.
bool gCounting = false;
long gAllocations = 0;
}  // namespace

// Replacing the global allocation functions: malloc and free are the matching pair here.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t n) {
  if (gCounting) ++gAllocations;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t n) { return operator new(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace kv::testing {
namespace {

TEST_F(ShooterTest, AFullLoadTickAllocatesNothing) {
  shooter::Shooter& g = OpenPlaying(33, 2);
  FillEveryTable(g);
  g.st.FrameCount = 2000;        // between the script's keys: a plain tick
  shooter::tmOneFrame_Timer(g);  // settle anything that is sized on first use
  gAllocations = 0;
  gCounting = true;
  for (int i = 0; i < 50; ++i) shooter::tmOneFrame_Timer(g);
  gCounting = false;
  EXPECT_EQ(gAllocations, 0);
  EXPECT_EQ(g.tick.starsMoved, 1001);
}

TEST(CountingAllocator, CountsWhenOn) {
  gAllocations = 0;
  gCounting = true;
  void* p = ::operator new(16);  // an explicit call cannot be elided
  gCounting = false;
  ::operator delete(p);
  EXPECT_EQ(gAllocations, 1);
}

}  // namespace
}  // namespace kv::testing
