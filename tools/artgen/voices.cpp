#include "tools/artgen/voices.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kv::artgen {
namespace {

struct PipeCloser {
  void operator()(std::FILE* f) const { pclose(f); }
};

std::uint32_t U32(const std::vector<unsigned char>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

// The 16-bit mono samples of a wave file at our rate; the data chunk runs to the end, as
// espeak-ng writes it to a pipe without knowing its length.
std::optional<Samples> DecodeWave(const std::vector<unsigned char>& b) {
  if (b.size() < 44 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0) return {};
  const std::uint32_t channels = b[22] | b[23] << 8;
  if (channels != 1 || U32(b, 24) != static_cast<std::uint32_t>(kSampleRate) || (b[34] | b[35] << 8) != 16) return {};
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::uint32_t size = U32(b, at + 4);
    if (std::memcmp(b.data() + at, "data", 4) == 0) {
      Samples s;
      for (std::size_t i = at + 8; i + 1 < b.size(); i += 2) {
        s.push_back(static_cast<float>(static_cast<std::int16_t>(b[i] | b[i + 1] << 8)) / 32768.0f);
      }
      return s;
    }
    at += 8 + size;
  }
  return {};
}

std::optional<Samples> Speak(const Speaker& speaker, std::string_view line) {
  // The line and the voice are our own fixed texts: letters, spaces and simple punctuation.
  const std::string command = "espeak-ng -v " + std::string(speaker.voice) + " -p " + std::to_string(speaker.pitch) +
                              " -s " + std::to_string(speaker.wordsPerMinute) + " --stdout \"" + std::string(line) +
                              "\" 2>/dev/null";
  const std::unique_ptr<std::FILE, PipeCloser> pipe(popen(command.c_str(), "r"));
  if (!pipe) return {};
  std::vector<unsigned char> bytes;
  unsigned char chunk[4096];
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe.get())) > 0;) bytes.insert(bytes.end(), chunk, chunk + n);
  auto samples = DecodeWave(bytes);
  if (!samples || samples->size() < SampleCount(0.2f)) return {};
  return samples;
}

// A chirp of a falling tone per word, for a build machine without a speech synthesiser.
Samples Chirps(const Speaker& speaker, std::string_view line) {
  Samples s;
  std::size_t at = 0;
  double phase = 0;
  int word = 0;
  for (std::size_t i = 0; i <= line.size(); ++i) {
    if (i < line.size() && line[i] != ' ') continue;
    Samples tone = Silence(0.16f);
    const float base = 180 + 3 * static_cast<float>(speaker.pitch) + 25 * static_cast<float>(word % 3);
    for (std::size_t k = 0; k < tone.size(); ++k) {
      const float t = static_cast<float>(k) / static_cast<float>(kSampleRate);
      phase += (base - 200 * t) / static_cast<float>(kSampleRate);
      tone[k] = Square(phase, 0.3f) * 0.5f * std::sin(3.14159f * t / 0.16f);
    }
    MixInto(s, tone, at, 1);
    at += SampleCount(0.2f);
    ++word;
  }
  return s;
}

// Squelch bursts before and after the line, a narrow band, a little drive and hiss.
Samples Radio(const Samples& speech) {
  Samples s = Silence(0.09f);
  MixInto(s, speech, s.size(), 1);
  s.resize(s.size() + SampleCount(0.12f), 0.0f);
  Noise noise(4242);
  BandPass band(1400, 0.8f);
  LowPass hiss(4000);
  const std::size_t head = SampleCount(0.07f), tail = s.size() - SampleCount(0.1f);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const bool squelch = i < head || (i >= tail && i < tail + SampleCount(0.06f));
    const float x = band.Step(s[i] * 2.2f) * 1.8f;
    const float driven = std::tanh(x * 2.0f);
    s[i] = driven + hiss.Step(noise.Next()) * (squelch ? 0.5f : 0.03f);
  }
  FadeEnds(s, 0.005f);
  Normalise(s, 0.85f);
  return s;
}

}  // namespace

Samples RadioLine(const Speaker& speaker, std::string_view line) {
  const auto speech = Speak(speaker, line);
  return Radio(speech ? *speech : Chirps(speaker, line));
}

}  // namespace kv::artgen
