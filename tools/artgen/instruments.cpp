#include "tools/artgen/instruments.h"

#include <algorithm>
#include <cmath>

namespace kv::artgen {
namespace {

constexpr float kRate = static_cast<float>(kSampleRate);
float Seconds(std::size_t i) { return static_cast<float>(i) / kRate; }

}  // namespace

Samples BassNote(float hz, float seconds, float velocity) {
  Samples s = Silence(seconds + 0.05f);
  LowPass lp(800);
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const float t = Seconds(i);
    phase += hz / kRate;
    lp.SetCutoff(250 + 1400 * std::exp(-t * 12));
    const float env = Adsr(t, 0.004f, 0.12f, 0.7f, seconds, 0.05f);
    s[i] = lp.Step(Saw(phase) * 0.7f + Square(phase * 0.5, 0.5f) * 0.3f) * env * velocity;
  }
  return s;
}

Samples PadChord(const float* hz, int notes, float seconds, float velocity) {
  Samples s = Silence(seconds + 0.5f);
  LowPass lp(1100);
  std::vector<double> phases(static_cast<std::size_t>(notes) * 2, 0.0);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const float t = Seconds(i);
    float sum = 0;
    for (int n = 0; n < notes; ++n) {
      for (int d = 0; d < 2; ++d) {
        double& ph = phases[static_cast<std::size_t>(n * 2 + d)];
        ph += hz[n] * (d == 0 ? 0.997f : 1.004f) / kRate;
        sum += Saw(ph);
      }
    }
    s[i] = lp.Step(sum / static_cast<float>(notes * 2)) * Adsr(t, 0.35f, 0.2f, 0.8f, seconds, 0.45f) * velocity;
  }
  return s;
}

Samples PluckNote(float hz, float seconds, float velocity) {
  Samples s = Silence(seconds + 0.15f);
  LowPass lp(3000);
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const float t = Seconds(i);
    phase += hz / kRate;
    s[i] = lp.Step(Square(phase, 0.25f)) * std::exp(-t * 11) * std::min(1.0f, t * 800) * velocity;
  }
  return s;
}

Samples LeadNote(int kind, float hz, float seconds, float velocity) {
  Samples s = Silence(seconds + 0.12f);
  LowPass lp(kind == 0 ? 2500 : 4200);
  double phase = 0, vib = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const float t = Seconds(i);
    vib += 5.5 / kRate;
    const float depth = std::min(1.0f, std::max(0.0f, t - 0.15f) * 4) * 0.006f;
    phase += hz * (1 + depth * Sine(vib)) / kRate;
    float v = 0;
    switch (kind) {
      case 0: v = Triangle(phase) * 0.8f + Sine(phase * 2) * 0.15f; break;
      case 1: v = Square(phase, 0.3f + 0.1f * Sine(vib * 0.3)) * 0.55f; break;
      default: v = Saw(phase) * 0.5f + Square(phase, 0.5f) * 0.2f; break;
    }
    s[i] = lp.Step(v) * Adsr(t, 0.01f, 0.1f, 0.75f, seconds, 0.1f) * velocity;
  }
  return s;
}

Samples PianoNote(float hz, float seconds, float velocity) {
  Samples s = Silence(seconds + 0.6f);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const float t = Seconds(i);
    float v = 0;
    for (int k = 1; k <= 6; ++k) {
      const float fk = static_cast<float>(k);
      const float partial = hz * fk * (1 + 0.0004f * fk * fk);
      v += Sine(static_cast<double>(partial) * t) * std::exp(-t * (1.5f + 1.2f * fk)) / fk;
    }
    const float damper = t > seconds ? std::exp(-(t - seconds) * 14) : 1.0f;
    s[i] = v * 0.6f * std::min(1.0f, t * 600) * damper * velocity;
  }
  return s;
}

Samples Kick(float velocity) {
  Samples s = Silence(0.35f);
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const float t = Seconds(i);
    phase += (45 + 110 * std::exp(-t * 30)) / kRate;
    s[i] = Sine(phase) * std::exp(-t * 9) * velocity;
  }
  return s;
}

Samples Snare(float velocity, std::uint32_t seed) {
  Samples s = Silence(0.22f);
  Noise noise(seed);
  BandPass band(2500, 0.7f);
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const float t = Seconds(i);
    phase += 190 / kRate;
    s[i] = (band.Step(noise.Next()) * 1.2f * std::exp(-t * 18) + Sine(phase) * 0.5f * std::exp(-t * 30)) * velocity;
  }
  return s;
}

Samples HiHat(bool open, float velocity, std::uint32_t seed) {
  Samples s = Silence(open ? 0.25f : 0.06f);
  Noise noise(seed);
  LowPass lp(6000);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const float t = Seconds(i);
    const float n = noise.Next();
    s[i] = (n - lp.Step(n)) * std::exp(-t * (open ? 12.0f : 70.0f)) * velocity;
  }
  return s;
}

}  // namespace kv::artgen
