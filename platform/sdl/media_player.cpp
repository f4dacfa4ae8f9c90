#include "platform/sdl/media_player.h"

#include "platform/sdl/volume.h"

namespace kv::sdl {

SdlMediaPlayer::SdlMediaPlayer(std::shared_ptr<Mixer> mixer)
    : mixer_(std::move(mixer)), channel_(mixer_->AcquireChannel()) {
  SetVolume(0);
}

SdlMediaPlayer::~SdlMediaPlayer() {
  // The channel must let go of the sound before the sound is freed.
  Stop();
  mixer_->ReleaseChannel(channel_);
}

bool SdlMediaPlayer::Open(const std::filesystem::path& file) {
  Stop();
  chunk_.reset();
  file_ = file;
  chunk_ = mixer_->Load(file);
  return chunk_ != nullptr;
}

void SdlMediaPlayer::Play() {
  if (channel_ < 0 || chunk_ == nullptr) return;
  Mix_PlayChannel(channel_, chunk_.get(), 0);
}

void SdlMediaPlayer::Stop() {
  if (channel_ >= 0) Mix_HaltChannel(channel_);
}

void SdlMediaPlayer::SetVolume(int hundredthsOfDb) {
  volume_ = hundredthsOfDb;
  if (channel_ >= 0) Mix_Volume(channel_, MixVolume(hundredthsOfDb));
}

}  // namespace kv::sdl
