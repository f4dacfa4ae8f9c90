#include "platform/sdl/sdl_platform.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/sdl/keymap.h"
#include "platform/sdl/latin1.h"
#include "platform/sdl/media_player.h"
#include "platform/sdl/mixer.h"
#include "platform/sdl/screen_window.h"
#include "platform/sdl/sdl_handles.h"

namespace kv::sdl {

namespace {
// How long the loop sleeps when no timer is armed, and at most when one is.
constexpr int kIdleWaitMs = 10;
constexpr int kMaxWaitMs = 100;
constexpr int kDefaultRefreshHz = 60;

int FrameMs() {
  SDL_DisplayMode mode{};
  const int hz = SDL_GetDesktopDisplayMode(0, &mode) == 0 && mode.refresh_rate > 0 ? mode.refresh_rate
                                                                                     : kDefaultRefreshHz;
  return std::clamp(1000 / hz, 4, 40);
}

bool ValidKey(int vk) { return vk > 0 && vk < 256; }

// SDL falls back to drawing nowhere when it finds no display; that counts as none unless it
// was asked for by name.
bool DrawsNowhereUnasked() {
  const std::string_view driver = SDL_GetCurrentVideoDriver() != nullptr ? SDL_GetCurrentVideoDriver() : "";
  const char* asked = SDL_getenv("SDL_VIDEODRIVER");
  return (driver == "offscreen" || driver == "dummy") && (asked == nullptr || driver != asked);
}
}  // namespace

Result<std::unique_ptr<SdlPlatform>> SdlPlatform::Create() {
  using R = Result<std::unique_ptr<SdlPlatform>>;
  // Closing the last window is the program's business (it may ask first), not SDL's.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  auto video = std::make_unique<Subsystem>(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
  if (!video->ok()) return R::Error(std::string("cannot open a window: ") + SDL_GetError());
  if (DrawsNowhereUnasked()) return R::Error("cannot open a window: no display");
  auto mixer = Mixer::Open();
  auto fonts = render::Fonts::Load();
  if (!fonts.ok()) return R::Error(fonts.error());
  return std::unique_ptr<SdlPlatform>(new SdlPlatform(std::move(video), std::move(mixer), std::move(fonts.value())));
}

SdlPlatform::SdlPlatform(std::unique_ptr<Subsystem> video, std::shared_ptr<Mixer> mixer,
                         std::unique_ptr<render::Fonts> fonts)
    : video_(std::move(video)),
      mixer_(std::move(mixer)),
      fonts_(std::move(fonts)),
      startTicks_(SDL_GetTicks64()),
      frameMs_(FrameMs()) {
  windows_.reserve(8);
  SDL_StartTextInput();
}

SdlPlatform::~SdlPlatform() = default;

std::int64_t SdlPlatform::NowMs() const { return static_cast<std::int64_t>(SDL_GetTicks64() - startTicks_); }

const ui::TextMetrics& SdlPlatform::Metrics() const { return *fonts_; }

int SdlPlatform::Run() {
  while (!quit_ && AnyShown()) Pass(true);
  return 0;
}

void SdlPlatform::DoEvents() { Pass(false); }

void SdlPlatform::Pass(bool wait) {
  SDL_Event e;
  const int waitMs = wait ? WaitMs() : 0;
  bool changed = false;
  bool got = waitMs > 0 ? SDL_WaitEventTimeout(&e, waitMs) != 0 : SDL_PollEvent(&e) != 0;
  while (got) {
    changed = Dispatch(e) || changed;
    got = SDL_PollEvent(&e) != 0;
  }
  const std::int64_t now = NowMs();
  const std::int64_t due = Timers().NextDue();
  changed = changed || (due >= 0 && due <= now);
  Timers().AdvanceTo(now);
  PresentWindows(changed);
}

int SdlPlatform::WaitMs() {
  const std::int64_t now = NowMs();
  const std::int64_t due = Timers().NextDue();
  std::int64_t wait = due < 0 ? kIdleWaitMs : std::clamp<std::int64_t>(due - now, 0, kMaxWaitMs);
  const bool pending = std::any_of(windows_.begin(), windows_.end(), [](const auto& s) { return s->Shown() && s->dirty; });
  if (pending) wait = std::min(wait, std::max<std::int64_t>(0, lastPresent_ + frameMs_ - now));
  return static_cast<int>(wait);
}

void SdlPlatform::PresentWindows(bool changed) {
  for (const auto& s : windows_) {
    if (!s->Shown()) continue;
    s->Sync();
    if (changed) s->dirty = true;
  }
  const std::int64_t now = NowMs();
  // Frames no faster than the display shows them; what changed meanwhile waits for the next.
  if (now - lastPresent_ < frameMs_) return;
  bool presented = false;
  for (const auto& s : windows_) {
    if (!s->Shown() || !s->dirty) continue;
    s->Present(*fonts_);
    presented = true;
  }
  if (presented) lastPresent_ = now;
}

bool SdlPlatform::Dispatch(const SDL_Event& e) {
  switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: return OnKey(e.key);
    case SDL_TEXTINPUT: return OnText(e.text);
    case SDL_WINDOWEVENT: return OnWindowEvent(e.window);
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: return OnMouseButton(e.button);
    case SDL_MOUSEMOTION: return OnMouseMotion(e.motion);
    case SDL_QUIT: Quit(); return false;
    default: return false;
  }
}

bool SdlPlatform::OnKey(const SDL_KeyboardEvent& e) {
  const int vk = VirtualKey(e.keysym.sym, e.keysym.scancode);
  if (!ValidKey(vk)) return false;
  const bool down = e.type == SDL_KEYDOWN;
  keyDown_[static_cast<std::size_t>(vk)] = down;
  if (down) keyLatch_[static_cast<std::size_t>(vk)] = true;
  ScreenWindow* s = ShownById(e.windowID);
  if (s == nullptr) return false;
  const int shift = ShiftState(e.keysym.mod);
  // Handlers are copied before the call: one may replace itself, or hide its window.
  if (!down) {
    if (auto handler = s->Model().OnKeyUp) handler(vk, shift);
    return true;
  }
  if (auto handler = s->Model().OnKeyDown) handler(vk, shift);
  const int ch = KeyPressOfKeyDown(vk);
  s = ShownById(e.windowID);
  if (ch != 0 && s != nullptr) {
    if (auto handler = s->Model().OnKeyPress) handler(ch);
  }
  return true;
}

bool SdlPlatform::OnText(const SDL_TextInputEvent& e) {
  bool delivered = false;
  for (const int ch : Latin1FromUtf8(e.text)) {
    ScreenWindow* s = ShownById(e.windowID);
    if (s == nullptr) break;
    if (auto handler = s->Model().OnKeyPress) handler(ch);
    delivered = true;
  }
  return delivered;
}

bool SdlPlatform::OnWindowEvent(const SDL_WindowEvent& e) {
  ScreenWindow* s = ShownById(e.windowID);
  if (s == nullptr) return false;
  switch (e.event) {
    case SDL_WINDOWEVENT_CLOSE:
      if (auto handler = s->Model().OnCloseRequest) {
        handler();
      } else {
        Quit();
      }
      return true;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      // Key-ups sent elsewhere never arrive; a key held while leaving must not stay down.
      keyDown_.fill(false);
      return false;
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_RESTORED:
      s->dirty = true;
      return false;
    default: return false;
  }
}

bool SdlPlatform::OnMouseButton(const SDL_MouseButtonEvent& e) {
  if (e.button != SDL_BUTTON_LEFT) return false;
  ScreenWindow* s = ShownById(e.windowID);
  if (s == nullptr) return false;
  // The renderer has already turned the position into logical client pixels (its logical size
  // is set), so the coordinates are used as they come; the letterbox bars are outside.
  ui::Window& w = s->Model();
  const bool inside = e.x >= 0 && e.y >= 0 && e.x < w.ClientWidthPx() && e.y < w.ClientHeightPx();
  if (e.type == SDL_MOUSEBUTTONDOWN) {
    if (!inside) return false;
    if (auto handler = w.OnMouseDown) handler(e.x, e.y);
    return true;
  }
  // The release ends a press wherever the pointer went (SDL keeps reporting to the window that
  // saw the press); it is a click only inside the client area.
  const bool released = static_cast<bool>(w.OnMouseUp);
  if (auto handler = w.OnMouseUp) handler(e.x, e.y);
  // The release may have hidden the window.
  s = ShownById(e.windowID);
  if (!inside || s == nullptr) return released;
  if (auto handler = s->Model().OnClick) handler(e.x, e.y);
  return true;
}

bool SdlPlatform::OnMouseMotion(const SDL_MouseMotionEvent& e) {
  if ((e.state & SDL_BUTTON_LMASK) == 0) return false;
  ScreenWindow* s = ShownById(e.windowID);
  if (s == nullptr) return false;
  auto handler = s->Model().OnMouseMove;
  if (!handler) return false;
  handler(e.x, e.y);
  return true;
}

void SdlPlatform::ShowWindow(ui::Window& w) {
  ScreenWindow* s = Find(w);
  if (s == nullptr) {
    auto created = ScreenWindow::Create(w);
    if (!created.ok()) {
      std::fprintf(stderr, "%s\n", created.error().c_str());
      return;
    }
    windows_.push_back(std::move(created.value()));
    s = windows_.back().get();
  }
  s->Show(w);
}

void SdlPlatform::HideWindow(ui::Window& w) {
  if (ScreenWindow* s = Find(w); s != nullptr && s->Shown()) s->Hide();
}

std::unique_ptr<MediaPlayer> SdlPlatform::CreateMediaPlayer() { return std::make_unique<SdlMediaPlayer>(mixer_); }

void SdlPlatform::PlayWave(const std::filesystem::path& file) { mixer_->PlayWave(file); }

void SdlPlatform::Beep(int hertz, int ms) { mixer_->Beep(hertz, ms); }

bool SdlPlatform::KeyState(int vk) {
  if (!ValidKey(vk)) return false;
  const auto k = static_cast<std::size_t>(vk);
  const bool state = keyDown_[k] || keyLatch_[k];
  keyLatch_[k] = false;
  return state;
}

void SdlPlatform::MessageBox(std::string_view text, std::string_view title) {
  const std::string utf8Text(text);
  const std::string utf8Title(title);
  SDL_Window* parent = SDL_GetKeyboardFocus();
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, utf8Title.c_str(), utf8Text.c_str(), parent) != 0) {
    std::fprintf(stderr, "%s: %s\n", utf8Title.c_str(), utf8Text.c_str());
  }
  for (const auto& s : windows_) s->dirty = true;
}

const Image* SdlPlatform::LastFrame(const ui::Window& w) const {
  const ScreenWindow* s = Find(w);
  return s == nullptr ? nullptr : s->LastFrame();
}

std::uint32_t SdlPlatform::WindowId(const ui::Window& w) const {
  const ScreenWindow* s = Find(w);
  return s == nullptr ? 0 : s->Id();
}

ScreenWindow* SdlPlatform::Find(const ui::Window& w) const {
  for (const auto& s : windows_) {
    if (s->Shows(w)) return s.get();
  }
  return nullptr;
}

ScreenWindow* SdlPlatform::ShownById(std::uint32_t id) const {
  for (const auto& s : windows_) {
    if (s->Shown() && s->Id() == id) return s.get();
  }
  return nullptr;
}

bool SdlPlatform::AnyShown() const {
  return std::any_of(windows_.begin(), windows_.end(), [](const auto& s) { return s->Shown(); });
}

}  // namespace kv::sdl
