#include "tools/artgen/sound_effects.h"

#include <cmath>

namespace kv::artgen {
namespace {

constexpr float kRate = static_cast<float>(kSampleRate);
float Seconds(std::size_t i) { return static_cast<float>(i) / kRate; }

// A tone whose frequency glides from `from` to `to` hertz, with a plucked envelope.
Samples Glide(float seconds, float from, float to, float duty, float decay) {
  Samples s = Silence(seconds);
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const float t = Seconds(i);
    const float f = from + (to - from) * t / seconds;
    phase += f / kRate;
    s[i] = Square(phase, duty) * 0.5f * std::exp(-t / decay) * std::min(1.0f, t * 400);
  }
  return s;
}

}  // namespace

Samples MenuBlip() {
  Samples s = Glide(0.05f, 880, 990, 0.25f, 0.03f);
  MixInto(s, Glide(0.07f, 1320, 1400, 0.25f, 0.03f), SampleCount(0.045f), 1);
  FadeEnds(s, 0.004f);
  Normalise(s, 0.6f);
  return s;
}

Samples ConfigChirp() {
  Samples s = Glide(0.12f, 400, 1600, 0.5f, 0.06f);
  LowPass lp(3000);
  for (float& x : s) x = lp.Step(x);
  FadeEnds(s, 0.004f);
  Normalise(s, 0.6f);
  return s;
}

Samples PowerUpSparkle() {
  Samples s;
  const float notes[] = {72, 76, 79, 84, 88, 91, 96};
  for (std::size_t k = 0; k < std::size(notes); ++k) {
    Samples tone = Silence(0.25f);
    double phase = 0;
    for (std::size_t i = 0; i < tone.size(); ++i) {
      const float t = Seconds(i);
      phase += NoteHz(notes[k]) / kRate;
      tone[i] = (Triangle(phase) * 0.7f + Square(phase * 2, 0.5f) * 0.15f) * std::exp(-t * 14) * std::min(1.0f, t * 500);
    }
    MixInto(s, tone, SampleCount(0.055f * static_cast<float>(k)), 0.5f);
  }
  FadeEnds(s, 0.005f);
  Normalise(s, 0.7f);
  return s;
}

Samples WarningSiren() {
  Samples s = Silence(1.6f);
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const float t = Seconds(i);
    const bool high = static_cast<int>(t / 0.2f) % 2 == 0;
    phase += (high ? 960.0f : 720.0f) / kRate;
    s[i] = (Square(phase, 0.5f) * 0.5f + Saw(phase * 0.5) * 0.3f) * 0.6f;
  }
  LowPass lp(2500);
  for (float& x : s) x = lp.Step(x);
  FadeEnds(s, 0.03f);
  Normalise(s, 0.7f);
  return s;
}

Samples StartupWhine() {
  Samples s = Silence(1.8f);
  double phase = 0;
  Noise noise(31);
  LowPass rumble(300);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const float t = Seconds(i);
    const float k = t / 1.8f;
    phase += (120 + 900 * k * k) / kRate;
    const float whine = (Saw(phase) * 0.3f + Sine(phase * 2.01) * 0.3f) * k;
    const float roar = rumble.Step(noise.Next()) * (0.6f + 0.8f * k);
    s[i] = (whine + roar) * std::min(1.0f, t * 3) * (t > 1.5f ? (1.8f - t) / 0.3f : 1.0f);
  }
  Normalise(s, 0.7f);
  return s;
}

Samples Explosion(float seconds, float depth, std::uint32_t seed) {
  Samples s = Silence(seconds);
  Noise noise(seed);
  LowPass body(1800 - 1200 * depth);
  LowPass sub(120);
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const float t = Seconds(i);
    // The roar darkens as it dies away; a falling thump gives it weight.
    body.SetCutoff((1800 - 1200 * depth) * std::exp(-t * 2.5f / seconds) + 80);
    phase += (90 - 50 * std::min(1.0f, t * 4)) / kRate;
    const float crackle = std::pow(std::abs(noise.Next()), 6.0f) * (t < seconds * 0.3f ? 1.5f : 0.5f);
    const float roar = body.Step(noise.Next() + crackle * (noise.Next() > 0 ? 1 : -1));
    const float thump = Sine(phase) * std::exp(-t * 6) * (0.6f + depth);
    const float env = std::exp(-t * 4.5f / seconds) * std::min(1.0f, t * 300);
    s[i] = (roar * 2.5f + sub.Step(roar) * 3 * depth + thump) * env;
  }
  FadeEnds(s, 0.01f);
  Normalise(s, 0.85f);
  return s;
}

Samples SpecialZap() {
  Samples s = Silence(0.9f);
  double phase = 0, wobble = 0;
  Noise noise(77);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const float t = Seconds(i);
    const bool charging = t < 0.45f;
    const float f = charging ? 200 + 1800 * t / 0.45f : 2000 * std::exp(-(t - 0.45f) * 8) + 60;
    wobble += 30 / kRate;
    phase += f * (1 + 0.05f * Sine(wobble)) / kRate;
    const float env = charging ? 0.3f + t : std::exp(-(t - 0.45f) * 5);
    s[i] = (Saw(phase) * 0.5f + Square(phase * 0.5, 0.3f) * 0.3f + (charging ? 0.0f : noise.Next() * 0.4f)) * env;
  }
  LowPass lp(5000);
  for (float& x : s) x = lp.Step(x);
  FadeEnds(s, 0.01f);
  Normalise(s, 0.75f);
  return s;
}

Samples MetalHit() {
  Samples s = Silence(0.6f);
  Noise noise(91);
  const float partials[] = {420, 1130, 1870, 2650};
  for (std::size_t i = 0; i < s.size(); ++i) {
    const float t = Seconds(i);
    float ring = 0;
    for (std::size_t k = 0; k < std::size(partials); ++k) {
      ring += Sine(partials[k] * t) * std::exp(-t * (6 + 4 * static_cast<float>(k))) / static_cast<float>(k + 1);
    }
    s[i] = ring + noise.Next() * std::exp(-t * 60);
  }
  FadeEnds(s, 0.004f);
  Normalise(s, 0.8f);
  return s;
}

Samples SonarHorn() {
  Samples s = Silence(2.2f);
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const float t = Seconds(i);
    phase += (t < 1.1f ? 98.0f : 73.0f) / kRate;
    const float within = std::fmod(t, 1.1f);
    const float env = std::min(1.0f, within * 8) * std::exp(-within * 1.2f);
    s[i] = (Saw(phase) * 0.5f + Square(phase, 0.4f) * 0.3f) * env;
  }
  LowPass lp(900);
  for (float& x : s) x = lp.Step(x);
  FadeEnds(s, 0.02f);
  Normalise(s, 0.8f);
  return s;
}

Samples BossLaunch() {
  Samples s = Silence(0.35f);
  Noise noise(55);
  LowPass lp(1200);
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const float t = Seconds(i);
    phase += (300 * std::exp(-t * 12) + 70) / kRate;
    s[i] = (Sine(phase) * 0.8f + lp.Step(noise.Next()) * 1.5f) * std::exp(-t * 10) * std::min(1.0f, t * 500);
  }
  FadeEnds(s, 0.004f);
  Normalise(s, 0.8f);
  return s;
}

}  // namespace kv::artgen
