#pragma once
// A media player on its own mixer channel. The file is decoded whole when it is opened, so that
// Play starts at once and always from the beginning.
#include <filesystem>
#include <memory>

#include "platform/platform.h"
#include "platform/sdl/mixer.h"

namespace kv::sdl {

class SdlMediaPlayer : public MediaPlayer {
 public:
  explicit SdlMediaPlayer(std::shared_ptr<Mixer> mixer);
  ~SdlMediaPlayer() override;
  SdlMediaPlayer(const SdlMediaPlayer&) = delete;
  SdlMediaPlayer& operator=(const SdlMediaPlayer&) = delete;

  bool Open(const std::filesystem::path& file) override;
  void Play() override;
  void Stop() override;
  void SetVolume(int hundredthsOfDb) override;
  int Volume() const override { return volume_; }
  const std::filesystem::path& FileName() const override { return file_; }

  int Channel() const { return channel_; }  // -1 without a sound device

 private:
  std::shared_ptr<Mixer> mixer_;
  int channel_;
  ChunkHandle chunk_;
  std::filesystem::path file_;
  int volume_ = 0;
};

}  // namespace kv::sdl
