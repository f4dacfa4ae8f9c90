#include <gtest/gtest.h>

#include "platform/sdl/screen_window.h"

namespace kv::sdl {
namespace {

TEST(InitialScaleTest, TakesTheLargestWholeFactorThatFitsWithItsFrame) {
  struct Case {
    int clientW, clientH, usableW, usableH, scale;
  };
  for (const Case c : {Case{320, 240, 1920, 1040, 3}, Case{480, 360, 1920, 1040, 2},
                       // 640 x 3 + frame would fit the width, 480 x 3 does not fit the height.
                       Case{640, 480, 3840, 1400, 2}, Case{640, 480, 1280, 1024, 1},
                       // A window larger than the desktop is still shown, at its own size.
                       Case{2000, 1500, 1280, 1024, 1},
                       // Exactly at the edge: the frame must fit too.
                       Case{300, 200, 932, 664, 3}, Case{300, 200, 931, 664, 2}, Case{300, 200, 932, 663, 2}}) {
    EXPECT_EQ(InitialScale(c.clientW, c.clientH, c.usableW, c.usableH), c.scale)
        << c.clientW << "x" << c.clientH << " on " << c.usableW << "x" << c.usableH;
  }
}

}  // namespace
}  // namespace kv::sdl
