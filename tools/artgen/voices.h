#pragma once
// The radio voices: lines spoken by espeak-ng when it is installed, passed through a radio's
// narrow, crackling band; without it, a radio chirp per word stands in for the speech.
#include <string_view>

#include "tools/artgen/synth.h"

namespace kv::artgen {

struct Speaker {
  std::string_view voice;  // an espeak-ng voice with its variant, e.g. "en-us+m3"
  int pitch;               // 0 .. 99
  int wordsPerMinute;
};

inline constexpr Speaker kHeadquarters{"en-us+m3", 45, 150};
inline constexpr Speaker kVillain{"en+m7", 12, 125};
inline constexpr Speaker kRival{"en+m2", 30, 140};

Samples RadioLine(const Speaker& speaker, std::string_view line);

}  // namespace kv::artgen
