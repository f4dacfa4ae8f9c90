#pragma once
// Volumes come from the games in hundredths of a decibel (0 full, negative quieter); the mixer
// takes a linear level from 0 to 128.

namespace kv::sdl {

inline constexpr int kFullMixVolume = 128;

// The mixer level of an attenuation: gain 10^(v/2000), rounded, 0..128.
int MixVolume(int hundredthsOfDb);

}  // namespace kv::sdl
