#pragma once
// Sound building blocks: oscillators, envelopes, filters and noise over mono float samples.
#include <cstdint>
#include <vector>

namespace kv::artgen {

inline constexpr int kSampleRate = 22050;

using Samples = std::vector<float>;

Samples Silence(float seconds);
// Seconds to a sample count at kSampleRate.
std::size_t SampleCount(float seconds);

// One period of each waveform for a phase in cycles (only its fraction counts), -1 .. 1.
float Sine(double phase);
float Saw(double phase);
float Square(double phase, float duty = 0.5f);
float Triangle(double phase);

// Repeatable white noise.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
  float Next();

 private:
  std::uint32_t state_;
};

// Attack, decay to sustain, release after `held` seconds: the level at time t.
float Adsr(float t, float attack, float decay, float sustain, float held, float release);

// A gentle one-pole low-pass (cut-off in hertz); Step filters one sample.
class LowPass {
 public:
  explicit LowPass(float cutoff);
  void SetCutoff(float cutoff);
  float Step(float x);

 private:
  float k_ = 0;
  float y_ = 0;
};

// A resonant band-pass (state-variable filter); Step filters one sample.
class BandPass {
 public:
  BandPass(float centre, float q);
  void SetCentre(float centre);
  float Step(float x);

 private:
  float f_ = 0;
  float damp_;
  float low_ = 0;
  float band_ = 0;
};

// Adds `source` into `target` from sample `at`, scaled by gain; the target grows as needed.
void MixInto(Samples& target, const Samples& source, std::size_t at, float gain);
// Scales the samples so that the loudest one reaches peak.
void Normalise(Samples& samples, float peak);
// Fades the first and last `seconds` in and out, so that nothing clicks.
void FadeEnds(Samples& samples, float seconds);

// The frequency of a MIDI note number (69 is the A of 440 Hz).
float NoteHz(float note);

}  // namespace kv::artgen
