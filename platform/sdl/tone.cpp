#include "platform/sdl/tone.h"

namespace kv::sdl {

namespace {
// A quarter of full scale: loud enough to hear, well short of clipping.
constexpr std::int16_t kAmplitude = 8192;
}  // namespace

std::vector<std::int16_t> SquareWave(int hertz, int ms, int sampleRate, int channels) {
  if (ms <= 0 || sampleRate <= 0 || channels <= 0) return {};
  const std::int64_t frames = static_cast<std::int64_t>(sampleRate) * ms / 1000;
  std::vector<std::int16_t> samples(static_cast<std::size_t>(frames * channels), 0);
  if (hertz <= 0) return samples;
  for (std::int64_t i = 0; i < frames; ++i) {
    // Half periods counted exactly in integers, so the pitch does not drift over a long tone.
    const bool high = (i * 2 * hertz / sampleRate) % 2 == 0;
    const std::int16_t value = high ? kAmplitude : static_cast<std::int16_t>(-kAmplitude);
    for (int c = 0; c < channels; ++c) samples[static_cast<std::size_t>(i * channels + c)] = value;
  }
  return samples;
}

}  // namespace kv::sdl
