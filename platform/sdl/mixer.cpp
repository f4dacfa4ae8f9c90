#include "platform/sdl/mixer.h"

#include <cstdio>

#include "platform/sdl/tone.h"

namespace kv::sdl {

namespace {
constexpr int kWaveChannel = 0;
constexpr int kBeepChannel = 1;
constexpr int kFirstPlayerChannel = 2;
constexpr int kSampleRate = 44100;
constexpr int kBufferFrames = 1024;
}  // namespace

Mixer::Mixer() : audio_(SDL_INIT_AUDIO) {
  if (audio_.ok() && Mix_OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, 2, kBufferFrames) == 0) {
    open_ = true;
    // Only needed where the MP3 decoder is a loadable module; without it MP3 files stay silent.
    Mix_Init(MIX_INIT_MP3);
    channels_ = kFirstPlayerChannel;
    Mix_AllocateChannels(channels_);
  } else {
    std::fputs("no sound device: playing silently\n", stderr);
  }
}

std::shared_ptr<Mixer> Mixer::Open() { return std::shared_ptr<Mixer>(new Mixer()); }

Mixer::~Mixer() {
  if (!open_) return;
  Mix_HaltChannel(-1);
  waves_.clear();
  Mix_CloseAudio();
  Mix_Quit();
}

int Mixer::AcquireChannel() {
  if (!open_) return -1;
  if (!freeChannels_.empty()) {
    const int channel = freeChannels_.back();
    freeChannels_.pop_back();
    return channel;
  }
  Mix_AllocateChannels(++channels_);
  return channels_ - 1;
}

void Mixer::ReleaseChannel(int channel) {
  if (!open_ || channel < kFirstPlayerChannel) return;
  Mix_HaltChannel(channel);
  Mix_Volume(channel, MIX_MAX_VOLUME);
  freeChannels_.push_back(channel);
}

ChunkHandle Mixer::Load(const std::filesystem::path& file) const {
  if (!open_) return nullptr;
  return ChunkHandle(Mix_LoadWAV(file.string().c_str()));
}

Mix_Chunk* Mixer::Wave(const std::filesystem::path& file) {
  const std::string key = file.string();
  if (const auto found = waves_.find(key); found != waves_.end()) return found->second.get();
  ChunkHandle chunk = Load(file);
  if (chunk == nullptr) return nullptr;  // not remembered: the file may yet appear
  return waves_.emplace(key, std::move(chunk)).first->second.get();
}

void Mixer::PlayWave(const std::filesystem::path& file) {
  if (!open_) return;
  Mix_Chunk* chunk = Wave(file);
  if (chunk == nullptr) return;
  // Playing on the one wave channel cuts off the wave still sounding there.
  Mix_PlayChannel(kWaveChannel, chunk, 0);
}

void Mixer::Beep(int hertz, int ms) {
  if (ms <= 0) return;
  int rate = 0;
  Uint16 format = 0;
  int channels = 0;
  std::vector<std::int16_t> samples;
  ChunkHandle chunk;
  if (open_ && Mix_QuerySpec(&rate, &format, &channels) != 0 && format == AUDIO_S16SYS) {
    samples = SquareWave(hertz, ms, rate, channels);
    // The chunk only borrows the samples, which outlive it here.
    chunk.reset(Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(samples.data()),
                                  static_cast<Uint32>(samples.size() * sizeof(std::int16_t))));
    if (chunk != nullptr) Mix_PlayChannel(kBeepChannel, chunk.get(), 0);
  }
  // The tone holds everything up for its length, with or without a device to hear it on.
  SDL_Delay(static_cast<Uint32>(ms));
  if (chunk != nullptr) Mix_HaltChannel(kBeepChannel);
}

}  // namespace kv::sdl
