#pragma once
// The platform on a real machine: SDL2 windows, keyboard and mouse, and SDL_mixer sound.
// This header shows no SDL type, so the program's main file needs no SDL of its own.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/platform.h"
#include "platform/render/render.h"

union SDL_Event;
struct SDL_KeyboardEvent;
struct SDL_TextInputEvent;
struct SDL_WindowEvent;
struct SDL_MouseButtonEvent;
struct SDL_MouseMotionEvent;

namespace kv::sdl {

class Mixer;
class ScreenWindow;
class Subsystem;

class SdlPlatform : public Platform {
 public:
  // Fails when there is no display or no fonts; a missing sound device only makes it silent.
  static Result<std::unique_ptr<SdlPlatform>> Create();
  ~SdlPlatform() override;
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;

  // The event loop: runs until Quit or until no window is shown any more.
  int Run();

  std::int64_t NowMs() const override;
  const ui::TextMetrics& Metrics() const override;
  void ShowWindow(ui::Window& w) override;
  void HideWindow(ui::Window& w) override;
  std::unique_ptr<MediaPlayer> CreateMediaPlayer() override;
  void PlayWave(const std::filesystem::path& file) override;
  void Beep(int hertz, int ms) override;
  bool KeyState(int vk) override;
  void MessageBox(std::string_view text, std::string_view title) override;
  void DoEvents() override;
  void Quit() override { quit_ = true; }
  bool QuitRequested() const override { return quit_; }

  // The picture last put on screen for a window, null before its first one.
  const Image* LastFrame(const ui::Window& w) const;
  // The SDL id of the window's SDL window, 0 when it has none.
  std::uint32_t WindowId(const ui::Window& w) const;

 private:
  SdlPlatform(std::unique_ptr<Subsystem> video, std::shared_ptr<Mixer> mixer, std::unique_ptr<render::Fonts> fonts);

  void Pass(bool wait);
  int WaitMs();
  bool Dispatch(const SDL_Event& e);
  bool OnKey(const SDL_KeyboardEvent& e);
  bool OnText(const SDL_TextInputEvent& e);
  bool OnWindowEvent(const SDL_WindowEvent& e);
  bool OnMouseButton(const SDL_MouseButtonEvent& e);
  bool OnMouseMotion(const SDL_MouseMotionEvent& e);
  void PresentWindows(bool changed);

  ScreenWindow* Find(const ui::Window& w) const;
  ScreenWindow* ShownById(std::uint32_t id) const;
  bool AnyShown() const;

  std::unique_ptr<Subsystem> video_;  // first in, last out: every window goes before it
  std::shared_ptr<Mixer> mixer_;
  std::unique_ptr<render::Fonts> fonts_;
  std::vector<std::unique_ptr<ScreenWindow>> windows_;
  std::uint64_t startTicks_ = 0;
  int frameMs_ = 16;
  std::int64_t lastPresent_ = -1000;
  std::array<bool, 256> keyDown_{};
  std::array<bool, 256> keyLatch_{};  // pressed since the last KeyState of that key
  bool quit_ = false;
};

}  // namespace kv::sdl
