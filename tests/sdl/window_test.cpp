#include <gtest/gtest.h>

#include <SDL.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/sdl/sdl_platform.h"

namespace kv::sdl {
namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 48;

bool NoWindow(const std::string& error) { return error.starts_with("cannot open a window"); }

bool AllPixels(const Image& image, std::uint32_t colour) {
  for (const auto p : image.pixels) {
    if (p != colour) return false;
  }
  return !image.pixels.empty();
}

// A real platform with one small window; skipped where there is no display to open it on
// (run under a virtual X display, or with SDL_VIDEODRIVER=offscreen).
class WindowTest : public testing::Test {
 protected:
  void SetUp() override {
    auto created = SdlPlatform::Create();
    // A virtual X server now and then turns a connection away; a few tries tell that from none.
    for (int attempt = 1; attempt < 5 && !created.ok() && NoWindow(created.error()); ++attempt) {
      created = SdlPlatform::Create();
    }
    if (!created.ok() && NoWindow(created.error())) GTEST_SKIP() << created.error();
    ASSERT_TRUE(created.ok()) << created.error();
    platform_ = std::move(created.value());
    window_ = std::make_unique<ui::Window>(&platform_->Metrics(), kWidth, kHeight, "Test");
    window_->Root().SetBackColor(0x0000FF);  // red, blue in the high byte
  }
  void TearDown() override {
    if (window_ && platform_) platform_->HideWindow(*window_);
  }

  void Show() {
    platform_->ShowWindow(*window_);
    ASSERT_NE(platform_->WindowId(*window_), 0U);
  }

  // Queues an event as the window system would send it.
  void Push(SDL_Event e) { ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError(); }

  void PushKey(Uint32 type, SDL_Keycode key, SDL_Scancode scan, Uint16 mod) {
    SDL_Event e{};
    e.type = type;
    e.key.windowID = platform_->WindowId(*window_);
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    e.key.keysym.scancode = scan;
    e.key.keysym.mod = mod;
    Push(e);
  }

  void PushWindowEvent(Uint8 what) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = platform_->WindowId(*window_);
    e.window.event = what;
    Push(e);
  }

  std::unique_ptr<SdlPlatform> platform_;
  std::unique_ptr<ui::Window> window_;
};

TEST_F(WindowTest, RunShowsTheRootColourAndReturnsOnQuit) {
  Show();
  Timer recolour(platform_->Timers(), [this] {
    window_->Root().SetBackColor(0xFF0000);  // blue
    window_->SetCaption("Bl\xC3\xA9");  // texts are UTF-8 throughout
  });
  recolour.SetInterval(100);
  recolour.SetEnabled(true);
  Timer quit(platform_->Timers(), [this] { platform_->Quit(); });
  quit.SetInterval(300);
  quit.SetEnabled(true);

  EXPECT_EQ(platform_->Run(), 0);
  EXPECT_TRUE(platform_->QuitRequested());
  EXPECT_GE(platform_->NowMs(), 300);

  const Image* frame = platform_->LastFrame(*window_);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->width, kWidth);
  EXPECT_EQ(frame->height, kHeight);
  EXPECT_TRUE(AllPixels(*frame, 0x0000FF)) << std::hex << frame->At(0, 0);

  SDL_Window* sdlWindow = SDL_GetWindowFromID(platform_->WindowId(*window_));
  ASSERT_NE(sdlWindow, nullptr);
  EXPECT_STREQ(SDL_GetWindowTitle(sdlWindow), "Bl\xC3\xA9");
  int w = 0;
  int h = 0;
  SDL_GetWindowSize(sdlWindow, &w, &h);
  EXPECT_EQ(w % kWidth, 0);
  EXPECT_EQ(w / kWidth, h / kHeight);
}

TEST_F(WindowTest, RunEndsWhenTheLastWindowIsHidden) {
  Show();
  // Hidden once it has been on screen, or after two seconds at the latest.
  int ticks = 0;
  Timer hide(platform_->Timers(), [&] {
    if (platform_->LastFrame(*window_) != nullptr || ++ticks == 100) platform_->HideWindow(*window_);
  });
  hide.SetInterval(20);
  hide.SetEnabled(true);
  EXPECT_EQ(platform_->Run(), 0);
  EXPECT_FALSE(platform_->QuitRequested());
  const Image* frame = platform_->LastFrame(*window_);
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(AllPixels(*frame, 0xFF0000));
}

TEST_F(WindowTest, KeysReachTheHandlersWithCodesAndShiftState) {
  std::vector<std::pair<int, int>> downs;
  std::vector<std::pair<int, int>> ups;
  std::vector<int> presses;
  window_->OnKeyDown = [&](int vk, int shift) { downs.emplace_back(vk, shift); };
  window_->OnKeyUp = [&](int vk, int shift) { ups.emplace_back(vk, shift); };
  window_->OnKeyPress = [&](int ch) { presses.push_back(ch); };
  Show();

  PushKey(SDL_KEYDOWN, SDLK_LEFT, SDL_SCANCODE_LEFT, KMOD_LSHIFT | KMOD_LCTRL);
  PushKey(SDL_KEYDOWN, SDLK_LEFT, SDL_SCANCODE_LEFT, KMOD_LSHIFT | KMOD_LCTRL);  // auto-repeat
  PushKey(SDL_KEYUP, SDLK_LEFT, SDL_SCANCODE_LEFT, KMOD_NONE);
  PushKey(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_NONE);
  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  text.text.windowID = platform_->WindowId(*window_);
  SDL_strlcpy(text.text.text, "a\xC3\xA9", sizeof text.text.text);
  Push(text);
  platform_->DoEvents();

  EXPECT_EQ(downs, (std::vector<std::pair<int, int>>{{37, 3}, {37, 3}, {13, 0}}));
  EXPECT_EQ(ups, (std::vector<std::pair<int, int>>{{37, 0}}));
  EXPECT_EQ(presses, (std::vector<int>{13, 'a', 0xE9}));
}

TEST_F(WindowTest, KeyStateHoldsAPressUntilItIsAskedFor) {
  Show();
  PushKey(SDL_KEYDOWN, SDLK_SPACE, SDL_SCANCODE_SPACE, KMOD_NONE);
  PushKey(SDL_KEYUP, SDLK_SPACE, SDL_SCANCODE_SPACE, KMOD_NONE);
  PushKey(SDL_KEYDOWN, SDLK_a, SDL_SCANCODE_A, KMOD_NONE);
  platform_->DoEvents();
  // Space went down and up again between two polls: seen once.
  EXPECT_TRUE(platform_->KeyState(32));
  EXPECT_FALSE(platform_->KeyState(32));
  // A is still held: seen on every poll until it comes up.
  EXPECT_TRUE(platform_->KeyState(65));
  EXPECT_TRUE(platform_->KeyState(65));
  PushKey(SDL_KEYUP, SDLK_a, SDL_SCANCODE_A, KMOD_NONE);
  platform_->DoEvents();
  EXPECT_FALSE(platform_->KeyState(65));
  EXPECT_FALSE(platform_->KeyState(0));
  EXPECT_FALSE(platform_->KeyState(999));
}

TEST_F(WindowTest, AHiddenWindowGetsNoKeys) {
  int downs = 0;
  window_->OnKeyDown = [&](int, int) { ++downs; };
  Show();
  const Uint32 id = platform_->WindowId(*window_);
  platform_->HideWindow(*window_);
  SDL_Event e{};
  e.type = SDL_KEYDOWN;
  e.key.windowID = id;
  e.key.keysym.sym = SDLK_x;
  e.key.keysym.scancode = SDL_SCANCODE_X;
  Push(e);
  platform_->DoEvents();
  EXPECT_EQ(downs, 0);
}

TEST_F(WindowTest, ClosingAsksTheWindowOrElseQuits) {
  int asked = 0;
  window_->OnCloseRequest = [&] { ++asked; };
  Show();
  PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
  platform_->DoEvents();
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(platform_->QuitRequested());

  window_->OnCloseRequest = nullptr;
  PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
  platform_->DoEvents();
  EXPECT_TRUE(platform_->QuitRequested());
}

TEST_F(WindowTest, ClicksArriveInClientPixels) {
  std::vector<std::pair<int, int>> clicks;
  window_->OnClick = [&](int x, int y) { clicks.emplace_back(x, y); };
  Show();
  SDL_Window* sdlWindow = SDL_GetWindowFromID(platform_->WindowId(*window_));
  int w = 0;
  int h = 0;
  SDL_GetWindowSize(sdlWindow, &w, &h);
  const int scale = w / kWidth;
  ASSERT_GE(scale, 1);

  SDL_Event e{};
  e.type = SDL_MOUSEBUTTONUP;
  e.button.windowID = platform_->WindowId(*window_);
  e.button.button = SDL_BUTTON_LEFT;
  e.button.state = SDL_RELEASED;
  e.button.x = 10 * scale + scale / 2;
  e.button.y = 7 * scale;
  Push(e);
  e.button.button = SDL_BUTTON_RIGHT;
  Push(e);
  platform_->DoEvents();
  EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{10, 7}}));
}

}  // namespace
}  // namespace kv::sdl
