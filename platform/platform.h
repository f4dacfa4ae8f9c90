#pragma once
// The whole contract between the games and the machine they run on. The games include this
// header (and the plain-data headers it names) and nothing else of the platform; the SDL2
// platform and the headless one both implement it.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/image.h"
#include "platform/random.h"
#include "platform/scheduler.h"
#include "platform/ui.h"

namespace kv {

// One sound file in a player: load it, play it from the start, stop it, set its volume in
// hundredths of a decibel (0 full, negative quieter). A file that will not load leaves the
// player silent; nothing here ever fails loudly.
class MediaPlayer {
 public:
  virtual ~MediaPlayer() = default;
  virtual bool Open(const std::filesystem::path& file) = 0;
  virtual void Play() = 0;
  virtual void Stop() = 0;
  virtual void SetVolume(int hundredthsOfDb) = 0;
  virtual int Volume() const = 0;
  virtual const std::filesystem::path& FileName() const = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Milliseconds since the platform started (real or virtual).
  virtual std::int64_t NowMs() const = 0;
  TimerScheduler& Timers() { return timers_; }

  virtual const ui::TextMetrics& Metrics() const = 0;

  // Shows a window on screen (or, headless, marks it open) and hides it again.
  virtual void ShowWindow(ui::Window& w) = 0;
  virtual void HideWindow(ui::Window& w) = 0;

  virtual std::unique_ptr<MediaPlayer> CreateMediaPlayer() = 0;
  // Plays one wave file without waiting; a new wave cuts off the one still playing.
  // A missing file plays nothing.
  virtual void PlayWave(const std::filesystem::path& file) = 0;
  // A tone of the given pitch and length; returns when it has ended.
  virtual void Beep(int hertz, int ms) = 0;

  // Asynchronous key state: down now, or pressed since the last poll.
  virtual bool KeyState(int vk) = 0;

  // A modal message box with an OK button.
  virtual void MessageBox(std::string_view text, std::string_view title) = 0;

  // Hands pending events (keys, timers) to their handlers, then returns.
  virtual void DoEvents() = 0;

  // Ends the program's event loop.
  virtual void Quit() = 0;
  virtual bool QuitRequested() const = 0;

 private:
  TimerScheduler timers_;
};

}  // namespace kv
