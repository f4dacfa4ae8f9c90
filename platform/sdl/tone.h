#pragma once
// The tone generator: there is no speaker to beep, so a tone is a square wave played on the
// sound device.
#include <cstdint>
#include <vector>

namespace kv::sdl {

// Signed 16-bit samples, channels interleaved, of a square wave of the given pitch lasting ms
// milliseconds at the given sample rate. A pitch of 0 or less is silence of that length.
std::vector<std::int16_t> SquareWave(int hertz, int ms, int sampleRate, int channels);

}  // namespace kv::sdl
