#include "tools/artgen/music.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/artgen/instruments.h"
#include "tools/artgen/shading.h"

namespace kv::artgen {
namespace {

constexpr int kStepsPerBar = 16;

struct Song {
  const Tune& tune;
  std::size_t stepSamples;
  Samples out;

  std::size_t At(int bar, int step) const {
    return (static_cast<std::size_t>(bar) * kStepsPerBar + static_cast<std::size_t>(step)) * stepSamples;
  }
  float StepSeconds() const { return static_cast<float>(stepSamples) / static_cast<float>(kSampleRate); }
};

// The MIDI note of scale degree d (any integer) above the key's root.
int Degree(const Tune& t, int d) {
  static constexpr std::array<int, 7> kMajor{0, 2, 4, 5, 7, 9, 11};
  static constexpr std::array<int, 7> kMinor{0, 2, 3, 5, 7, 8, 10};
  const auto& scale = t.minor ? kMinor : kMajor;
  const int octave = d >= 0 ? d / 7 : -((-d + 6) / 7);
  const int within = d - octave * 7;
  return t.keyRoot + 12 * octave + scale[static_cast<std::size_t>(within)];
}

bool IsChordTone(int degree, int chordDegree) {
  const int rel = ((degree - chordDegree) % 7 + 7) % 7;
  return rel == 0 || rel == 2 || rel == 4;
}

struct MelodyNote {
  int step;    // within the two-bar phrase
  int length;  // steps
  int degree;
};

// Rhythms of a two-bar phrase, as onsets in sixteenths; the next onset ends a note.
constexpr std::array<std::array<int, 8>, 4> kRhythms{{
    {0, 4, 6, 8, 12, 16, 20, 24},
    {0, 3, 6, 8, 10, 12, 16, 24},
    {0, 2, 4, 8, 12, 14, 16, 20},
    {0, 6, 8, 12, 16, 18, 20, 28},
}};

// A two-bar phrase over the chords of its bars: chord tones on the strong steps, steps of the
// scale in between, never far from the note before.
std::vector<MelodyNote> Phrase(const std::array<int, 2>& chords, int rhythm, bool ending, std::uint32_t seed, int& last) {
  Rng rng(seed);
  std::vector<MelodyNote> notes;
  const auto& onsets = kRhythms[static_cast<std::size_t>(rhythm)];
  for (std::size_t i = 0; i < onsets.size(); ++i) {
    const int step = onsets[i];
    const int next = i + 1 < onsets.size() ? onsets[i + 1] : 32;
    const int chord = chords[static_cast<std::size_t>(step / kStepsPerBar)];
    int degree = last + static_cast<int>(std::floor(rng.Range(-2.0f, 3.0f)));
    if (step % 4 == 0) {
      // The nearest chord tone, up or down by chance.
      const int dir = rng.Next() < 0.5f ? 1 : -1;
      for (int k = 0; k < 4 && !IsChordTone(degree, chord); ++k) degree += dir;
    }
    degree = std::clamp(degree, 5, 16);
    if (ending && i + 1 == onsets.size()) {
      degree = 7;  // home on the tonic an octave up
      notes.push_back({step, 32 - step, degree});
      break;
    }
    notes.push_back({step, next - step, degree});
    last = degree;
  }
  return notes;
}

void AddLead(Song& s, int bar, const std::vector<MelodyNote>& phrase, float velocity) {
  const Tune& t = s.tune;
  for (const MelodyNote& n : phrase) {
    const float hz = NoteHz(static_cast<float>(Degree(t, n.degree) + 12));
    const float secs = s.StepSeconds() * static_cast<float>(n.length) * 0.92f;
    const Samples note = t.lead < 0 ? PianoNote(hz, secs, velocity) : LeadNote(t.lead, hz, secs, velocity);
    MixInto(s.out, note, s.At(bar, n.step), 1);
    // A quiet echo a dotted eighth later widens the lead.
    MixInto(s.out, note, s.At(bar, n.step) + s.stepSamples * 3, 0.25f);
  }
}

void AddHarmony(Song& s, int bar, int chord, bool lastOfSection) {
  const Tune& t = s.tune;
  const float barSecs = s.StepSeconds() * kStepsPerBar;
  const int root = Degree(t, chord);
  if (t.pad) {
    const float hz[3] = {NoteHz(static_cast<float>(Degree(t, chord) + 12)), NoteHz(static_cast<float>(Degree(t, chord + 2) + 12)),
                         NoteHz(static_cast<float>(Degree(t, chord + 4) + 12))};
    MixInto(s.out, PadChord(hz, 3, barSecs, 0.22f), s.At(bar, 0), 1);
  }
  // The bass: eighths on the root for the driving tunes, root and fifth otherwise.
  const bool driving = t.drums == Drums::Driving;
  for (int step = 0; step < kStepsPerBar; step += driving ? 2 : 8) {
    const int note = driving ? (step == 6 || step == 14 ? root + 12 : root) : (step == 0 ? root : Degree(t, chord + 4));
    const float len = s.StepSeconds() * (driving ? 1.8f : 7.0f);
    MixInto(s.out, BassNote(NoteHz(static_cast<float>(note - 12)), len, 0.5f), s.At(bar, step), 1);
  }
  if (t.arpeggio && !lastOfSection) {
    constexpr std::array<int, 8> kUpDown{0, 2, 4, 7, 9, 7, 4, 2};
    for (int step = 0; step < kStepsPerBar; ++step) {
      const int degree = chord + kUpDown[static_cast<std::size_t>(step % 8)];
      MixInto(s.out, PluckNote(NoteHz(static_cast<float>(Degree(t, degree) + 24)), s.StepSeconds(), 0.13f),
              s.At(bar, step), 1);
    }
  }
}

void AddDrums(Song& s, int bar, bool fill) {
  const std::uint32_t seed = static_cast<std::uint32_t>(bar) * 16;
  for (int step = 0; step < kStepsPerBar; ++step) {
    const std::size_t at = s.At(bar, step);
    const std::uint32_t sd = seed + static_cast<std::uint32_t>(step);
    switch (s.tune.drums) {
      case Drums::None:
        return;
      case Drums::Light:
        if (step == 0 || step == 10) MixInto(s.out, Kick(0.5f), at, 1);
        if (step == 8) MixInto(s.out, Snare(0.25f, sd), at, 1);
        if (step % 4 == 2) MixInto(s.out, HiHat(false, 0.12f, sd), at, 1);
        break;
      case Drums::Driving:
        if (step == 0 || step == 8 || step == 10) MixInto(s.out, Kick(0.8f), at, 1);
        if (step == 4 || step == 12 || (fill && step >= 12)) MixInto(s.out, Snare(0.5f, sd), at, 1);
        if (step % 2 == 0) MixInto(s.out, HiHat(step == 14, step % 4 == 0 ? 0.2f : 0.13f, sd), at, 1);
        break;
      case Drums::Swing: {
        if (step == 0 || step == 8) MixInto(s.out, Kick(0.45f), at, 1);
        if (step == 4 || step == 12) MixInto(s.out, Snare(0.18f, sd), at, 1);
        // Swung eighths: the off-beat one comes late.
        if (step % 4 == 0) MixInto(s.out, HiHat(false, 0.12f, sd), at, 1);
        if (step % 4 == 2) MixInto(s.out, HiHat(false, 0.09f, sd), at + s.stepSamples / 3, 1);
        break;
      }
    }
  }
}

}  // namespace

Samples RenderTune(const Tune& tune) {
  const float stepSecs = 60.0f / tune.bpm / 4;
  Song s{tune, SampleCount(stepSecs), {}};
  const float sectionSecs = stepSecs * kStepsPerBar * 8;
  const int sections = std::max(2, static_cast<int>(std::ceil(tune.minSeconds / sectionSecs)));
  // The melodies of the verse and the chorus are composed once and come back each time.
  std::array<std::vector<MelodyNote>, 4> verse, chorus;
  int last = 9;
  for (std::size_t p = 0; p < 4; ++p) {
    // The third phrase answers the first: the same rhythm and the same seed over other chords.
    const auto bars = static_cast<std::size_t>(p * 2);
    const int rhythm = static_cast<int>((tune.seed + (p % 2 == 0 ? 0 : p)) % 4);
    verse[p] = Phrase({tune.verse[bars], tune.verse[bars + 1]}, rhythm, p == 3,
                      tune.seed * 7 + static_cast<std::uint32_t>(p % 2), last);
  }
  for (std::size_t p = 0; p < 4; ++p) {
    const auto bars = static_cast<std::size_t>(p * 2);
    chorus[p] = Phrase({tune.chorus[bars], tune.chorus[bars + 1]}, static_cast<int>((tune.seed + 2 * p + 1) % 4), p == 3,
                       tune.seed * 13 + static_cast<std::uint32_t>(p), last);
  }
  for (int section = 0; section < sections; ++section) {
    const bool isChorus = section % 2 == 1;
    const auto& chords = isChorus ? tune.chorus : tune.verse;
    const auto& melody = isChorus ? chorus : verse;
    // The first verse lets the band play alone for its first half.
    const bool leadIn = section == 0;
    for (int b = 0; b < 8; ++b) {
      const int bar = section * 8 + b;
      AddHarmony(s, bar, chords[static_cast<std::size_t>(b)], b == 7);
      AddDrums(s, bar, b == 7);
      if (b % 2 == 0 && !(leadIn && b < 4)) AddLead(s, bar, melody[static_cast<std::size_t>(b / 2)], isChorus ? 0.32f : 0.28f);
    }
  }
  const std::size_t length = s.At(sections * 8, 0);
  for (std::size_t i = length; i < s.out.size(); ++i) s.out[i - length] += s.out[i];
  s.out.resize(length, 0.0f);
  for (float& x : s.out) x = std::tanh(x * 1.2f);
  Normalise(s.out, 0.9f);
  return s.out;
}

Samples IntroTune() {
  return RenderTune({84, 57, true, {0, 5, 2, 6, 0, 5, 6, 4}, {5, 2, 6, 0, 5, 2, 3, 4}, Drums::Light, 0, true, true, 62, 11});
}
Samples ThemeTune() {
  return RenderTune({118, 48, false, {0, 4, 5, 3, 0, 4, 3, 4}, {3, 4, 2, 5, 3, 4, 0, 4}, Drums::Driving, 2, true, false, 62, 23});
}
Samples ActionTune() {
  return RenderTune({140, 52, true, {0, 5, 6, 4, 0, 5, 3, 6}, {5, 6, 0, 0, 5, 6, 3, 4}, Drums::Driving, 1, false, true, 62, 37});
}
Samples BattleTune() {
  return RenderTune({128, 50, true, {0, 5, 6, 0, 0, 3, 6, 4}, {3, 0, 6, 5, 3, 0, 6, 6}, Drums::Driving, 2, true, true, 62, 41});
}
Samples PianoTune() {
  return RenderTune({100, 53, false, {0, 5, 1, 4, 0, 2, 3, 4}, {3, 2, 1, 4, 3, 2, 1, 4}, Drums::Swing, -1, false, false, 62, 53});
}

}  // namespace kv::artgen
