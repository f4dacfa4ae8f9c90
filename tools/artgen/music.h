#pragma once
// Tunes from a few numbers: a key, chord progressions, a tempo and an arrangement. The melody is
// composed from a seed, phrase by phrase, so that it repeats and answers itself like a song.
#include <array>
#include <cstdint>

#include "tools/artgen/synth.h"

namespace kv::artgen {

enum class Drums : std::uint8_t { None, Light, Driving, Swing };

struct Tune {
  float bpm;
  int keyRoot;                     // MIDI note of the key's tonic, in the bass octave
  bool minor;
  std::array<int, 8> verse;        // scale degree (0-based) of each bar's chord
  std::array<int, 8> chorus;
  Drums drums;
  int lead;                        // instrument kind of LeadNote; -1 the piano
  bool pad;
  bool arpeggio;
  float minSeconds;                // the tune lasts at least this long
  std::uint32_t seed;
};

// The whole tune, a whole number of bars; what rings on past the last bar is folded back onto
// the start, so that the file loops without a seam.
Samples RenderTune(const Tune& tune);

Samples IntroTune();
Samples ThemeTune();
Samples ActionTune();   // track1
Samples BattleTune();   // track2
Samples PianoTune();

}  // namespace kv::artgen
