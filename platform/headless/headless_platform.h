#pragma once
// The platform on a virtual clock: no window, no sound device. Time moves only when the runner
// moves it, timers fire exactly on their due times, and everything that would have been heard
// or shown is recorded instead.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/render/render.h"

namespace kv::headless {

// One thing the program asked the sound devices to do.
struct SoundEvent {
  enum class What { Open, Play, Stop, Volume, Wave, Beep };
  std::int64_t t = 0;
  What what = What::Play;
  int player = -1;  // media player number in creation order; -1 for waves and tones
  std::string file;
  int value = 0;    // volume, or tone pitch
};

// A key event to deliver at a virtual time.
struct KeyEvent {
  std::int64_t t = 0;
  bool down = true;
  int vk = 0;
  int shift = 0;
};

class HeadlessPlatform : public Platform {
 public:
  // Fonts are needed to measure text the same way as on screen.
  static Result<std::unique_ptr<HeadlessPlatform>> Create();

  std::int64_t NowMs() const override { return now_; }
  const ui::TextMetrics& Metrics() const override { return *fonts_; }
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

  // Key events are delivered, in time order, before the timers due at the same time.
  void QueueKey(const KeyEvent& e);
  // Runs events and timers up to and including time t, or until Quit.
  void RunUntil(std::int64_t t);

  // The window that receives keys: the last one shown that is still open.
  ui::Window* FocusWindow() const;
  bool IsShown(const ui::Window& w) const;
  // The window's picture as the screen would show it.
  Image Render(const ui::Window& w) const;

  const std::vector<SoundEvent>& Sounds() const { return sounds_; }
  const std::vector<std::string>& MessageBoxes() const { return boxes_; }

 private:
  explicit HeadlessPlatform(std::unique_ptr<render::Fonts> fonts) : fonts_(std::move(fonts)) {}
  void Deliver(const KeyEvent& e);

  std::unique_ptr<render::Fonts> fonts_;
  std::int64_t now_ = 0;
  bool quit_ = false;
  std::vector<ui::Window*> shown_;
  std::vector<KeyEvent> keys_;  // sorted by time, stable
  std::size_t nextKey_ = 0;
  std::vector<bool> keyDown_ = std::vector<bool>(256, false);
  std::vector<bool> keyLatch_ = std::vector<bool>(256, false);
  std::vector<SoundEvent> sounds_;
  std::vector<std::string> boxes_;
  int players_ = 0;
};

}  // namespace kv::headless
