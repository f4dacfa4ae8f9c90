#pragma once
// The instruments of the tunes: each renders one note of `seconds` at `hz`, velocity 0..1.
#include <cstdint>

#include "tools/artgen/synth.h"

namespace kv::artgen {

Samples BassNote(float hz, float seconds, float velocity);
Samples PadChord(const float* hz, int notes, float seconds, float velocity);
Samples PluckNote(float hz, float seconds, float velocity);
// The lead: 0 a soft triangle, 1 a bright pulse, 2 a brassy saw.
Samples LeadNote(int kind, float hz, float seconds, float velocity);
Samples PianoNote(float hz, float seconds, float velocity);
Samples Kick(float velocity);
Samples Snare(float velocity, std::uint32_t seed);
Samples HiHat(bool open, float velocity, std::uint32_t seed);

}  // namespace kv::artgen
