#include "tools/artgen/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kv::artgen {

Samples Silence(float seconds) { return Samples(SampleCount(seconds), 0.0f); }

std::size_t SampleCount(float seconds) {
  return static_cast<std::size_t>(std::lround(std::max(0.0f, seconds) * static_cast<float>(kSampleRate)));
}

namespace {
double Frac(double phase) { return phase - std::floor(phase); }
}  // namespace

float Sine(double phase) { return static_cast<float>(std::sin(2 * std::numbers::pi * Frac(phase))); }
float Saw(double phase) { return static_cast<float>(2 * Frac(phase) - 1); }
float Square(double phase, float duty) { return Frac(phase) < duty ? 1.0f : -1.0f; }
float Triangle(double phase) { return static_cast<float>(1 - 4 * std::abs(Frac(phase) - 0.5)); }

float Noise::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<float>(state_ & 0xFFFFFF) / static_cast<float>(0x800000) - 1.0f;
}

float Adsr(float t, float attack, float decay, float sustain, float held, float release) {
  if (t < 0) return 0;
  const auto before = [&](float u) {
    if (u < attack) return u / attack;
    if (u < attack + decay) return 1 - (1 - sustain) * (u - attack) / decay;
    return sustain;
  };
  if (t < held) return before(t);
  const float from = before(held);
  return t < held + release ? from * (1 - (t - held) / release) : 0.0f;
}

LowPass::LowPass(float cutoff) { SetCutoff(cutoff); }

void LowPass::SetCutoff(float cutoff) {
  k_ = 1 - std::exp(-2 * std::numbers::pi_v<float> * cutoff / static_cast<float>(kSampleRate));
}

float LowPass::Step(float x) {
  y_ += k_ * (x - y_);
  return y_;
}

BandPass::BandPass(float centre, float q) : damp_(1 / q) { SetCentre(centre); }

void BandPass::SetCentre(float centre) {
  f_ = 2 * std::sin(std::numbers::pi_v<float> * std::min(centre, 0.2f * kSampleRate) / static_cast<float>(kSampleRate));
}

float BandPass::Step(float x) {
  low_ += f_ * band_;
  const float high = x - low_ - damp_ * band_;
  band_ += f_ * high;
  return band_;
}

void MixInto(Samples& target, const Samples& source, std::size_t at, float gain) {
  if (target.size() < at + source.size()) target.resize(at + source.size(), 0.0f);
  for (std::size_t i = 0; i < source.size(); ++i) target[at + i] += source[i] * gain;
}

void Normalise(Samples& samples, float peak) {
  float most = 0;
  for (float s : samples) most = std::max(most, std::abs(s));
  if (most <= 0) return;
  for (float& s : samples) s *= peak / most;
}

void FadeEnds(Samples& samples, float seconds) {
  const std::size_t n = std::min(SampleCount(seconds), samples.size() / 2);
  for (std::size_t i = 0; i < n; ++i) {
    const float k = static_cast<float>(i) / static_cast<float>(n);
    samples[i] *= k;
    samples[samples.size() - 1 - i] *= k;
  }
}

float NoteHz(float note) { return 440.0f * std::pow(2.0f, (note - 69) / 12); }

}  // namespace kv::artgen
