#include "platform/headless/headless_platform.h"

#include <algorithm>
#include <system_error>

namespace kv::headless {

namespace {

// A media player that remembers what it was told. It "loads" only files that exist, so that a
// missing sound behaves as on a real machine: silence.
class RecordingPlayer : public MediaPlayer {
 public:
  RecordingPlayer(HeadlessPlatform& owner, std::vector<SoundEvent>& log, int number)
      : owner_(owner), log_(log), number_(number) {}

  bool Open(const std::filesystem::path& file) override {
    file_ = file;
    std::error_code ec;
    loaded_ = std::filesystem::is_regular_file(file, ec);
    Record(SoundEvent::What::Open, file.filename().string(), loaded_ ? 1 : 0);
    return loaded_;
  }
  void Play() override { Record(SoundEvent::What::Play, file_.filename().string(), loaded_ ? 1 : 0); }
  void Stop() override { Record(SoundEvent::What::Stop, file_.filename().string(), 0); }
  void SetVolume(int v) override {
    volume_ = v;
    Record(SoundEvent::What::Volume, file_.filename().string(), v);
  }
  int Volume() const override { return volume_; }
  const std::filesystem::path& FileName() const override { return file_; }

 private:
  void Record(SoundEvent::What what, std::string file, int value) {
    log_.push_back(SoundEvent{owner_.NowMs(), what, number_, std::move(file), value});
  }
  HeadlessPlatform& owner_;
  std::vector<SoundEvent>& log_;
  int number_;
  std::filesystem::path file_;
  bool loaded_ = false;
  int volume_ = 0;
};

}  // namespace

Result<std::unique_ptr<HeadlessPlatform>> HeadlessPlatform::Create() {
  auto fonts = render::Fonts::Load();
  if (!fonts.ok()) return Result<std::unique_ptr<HeadlessPlatform>>::Error(fonts.error());
  return std::unique_ptr<HeadlessPlatform>(new HeadlessPlatform(std::move(fonts.value())));
}

void HeadlessPlatform::ShowWindow(ui::Window& w) {
  std::erase(shown_, &w);
  shown_.push_back(&w);
}

void HeadlessPlatform::HideWindow(ui::Window& w) { std::erase(shown_, &w); }

bool HeadlessPlatform::IsShown(const ui::Window& w) const {
  return std::find(shown_.begin(), shown_.end(), &w) != shown_.end();
}

ui::Window* HeadlessPlatform::FocusWindow() const { return shown_.empty() ? nullptr : shown_.back(); }

std::unique_ptr<MediaPlayer> HeadlessPlatform::CreateMediaPlayer() {
  return std::make_unique<RecordingPlayer>(*this, sounds_, players_++);
}

void HeadlessPlatform::PlayWave(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return;
  sounds_.push_back(SoundEvent{now_, SoundEvent::What::Wave, -1, file.filename().string(), 0});
}

void HeadlessPlatform::Beep(int hertz, int ms) {
  sounds_.push_back(SoundEvent{now_, SoundEvent::What::Beep, -1, {}, hertz});
  // The tone blocks: virtual time passes while it sounds.
  Timers().SetNow(now_ + ms);
  now_ += ms;
}

bool HeadlessPlatform::KeyState(int vk) {
  if (vk < 0 || vk > 255) return false;
  const bool held = keyDown_[static_cast<std::size_t>(vk)] || keyLatch_[static_cast<std::size_t>(vk)];
  keyLatch_[static_cast<std::size_t>(vk)] = false;
  return held;
}

void HeadlessPlatform::MessageBox(std::string_view text, std::string_view title) {
  boxes_.push_back(std::string(title) + ": " + std::string(text));
}

void HeadlessPlatform::QueueKey(const KeyEvent& e) {
  auto at = std::upper_bound(keys_.begin() + static_cast<std::ptrdiff_t>(nextKey_), keys_.end(), e.t,
                             [](std::int64_t t, const KeyEvent& k) { return t < k.t; });
  keys_.insert(at, e);
}

void HeadlessPlatform::Deliver(const KeyEvent& e) {
  if (e.vk >= 0 && e.vk <= 255) {
    keyDown_[static_cast<std::size_t>(e.vk)] = e.down;
    if (e.down) keyLatch_[static_cast<std::size_t>(e.vk)] = true;
  }
  ui::Window* w = FocusWindow();
  if (w == nullptr) return;
  if (e.down) {
    if (w->OnKeyDown) w->OnKeyDown(e.vk, e.shift);
  } else if (w->OnKeyUp) {
    w->OnKeyUp(e.vk, e.shift);
  }
}

void HeadlessPlatform::RunUntil(std::int64_t t) {
  while (!quit_) {
    const std::int64_t keyAt = nextKey_ < keys_.size() ? keys_[nextKey_].t : -1;
    const std::int64_t timerAt = Timers().NextDue();
    std::int64_t next = -1;
    if (keyAt >= 0) next = keyAt;
    if (timerAt >= 0 && (next < 0 || timerAt < next)) next = timerAt;
    if (next < 0 || next > t) break;
    now_ = std::max(now_, next);
    if (keyAt >= 0 && keyAt <= now_) {
      // A key at time T comes before the timers due at T.
      Timers().SetNow(now_);
      Deliver(keys_[nextKey_++]);
      continue;
    }
    Timers().AdvanceTo(now_);
    now_ = std::max(now_, Timers().Now());
  }
  if (!quit_ && t > now_) {
    now_ = t;
    Timers().SetNow(t);
  }
}

void HeadlessPlatform::DoEvents() {
  // Waiting code on the virtual clock: let one millisecond pass.
  RunUntil(now_ + 1);
}

Image HeadlessPlatform::Render(const ui::Window& w) const {
  Image img;
  render::RenderWindow(w, *fonts_, img);
  return img;
}

}  // namespace kv::headless
