#include "tools/artgen/audio_writers.h"

#include <lame/lame.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <memory>
#include <vector>

namespace kv::artgen {
namespace {

void PutLE(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

bool Save(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  file.close();
  return static_cast<bool>(file);
}

struct LameCloser {
  void operator()(lame_global_flags* flags) const { lame_close(flags); }
};

}  // namespace

bool WriteWav(const std::filesystem::path& path, const Samples& samples) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::vector<std::uint8_t> out;
  out.reserve(44 + dataBytes);
  for (char ch : {'R', 'I', 'F', 'F'}) out.push_back(static_cast<std::uint8_t>(ch));
  PutLE(out, 36 + dataBytes, 4);
  for (char ch : {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '}) out.push_back(static_cast<std::uint8_t>(ch));
  PutLE(out, 16, 4);
  PutLE(out, 1, 2);  // plain PCM
  PutLE(out, 1, 2);  // mono
  PutLE(out, kSampleRate, 4);
  PutLE(out, kSampleRate * 2, 4);
  PutLE(out, 2, 2);
  PutLE(out, 16, 2);
  for (char ch : {'d', 'a', 't', 'a'}) out.push_back(static_cast<std::uint8_t>(ch));
  PutLE(out, dataBytes, 4);
  for (float s : samples) {
    const auto v = static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f));
    PutLE(out, static_cast<std::uint16_t>(v), 2);
  }
  return Save(path, out);
}

bool WriteMp3(const std::filesystem::path& path, const Samples& samples, int kbps) {
  const std::unique_ptr<lame_global_flags, LameCloser> lame(lame_init());
  if (!lame) return false;
  lame_set_in_samplerate(lame.get(), kSampleRate);
  lame_set_out_samplerate(lame.get(), kSampleRate);
  lame_set_num_channels(lame.get(), 1);
  lame_set_mode(lame.get(), MONO);
  lame_set_brate(lame.get(), kbps);
  lame_set_quality(lame.get(), 7);
  // No Xing frame: it would have to be patched in after the fact, and players loop fine without it.
  lame_set_bWriteVbrTag(lame.get(), 0);
  if (lame_init_params(lame.get()) < 0) return false;
  std::vector<std::uint8_t> out;
  constexpr std::size_t kChunk = 8192;
  std::vector<unsigned char> buffer(kChunk * 5 / 4 + 7200);
  for (std::size_t at = 0; at < samples.size(); at += kChunk) {
    const int n = static_cast<int>(std::min(kChunk, samples.size() - at));
    const int bytes = lame_encode_buffer_ieee_float(lame.get(), samples.data() + at, samples.data() + at, n,
                                                    buffer.data(), static_cast<int>(buffer.size()));
    if (bytes < 0) return false;
    out.insert(out.end(), buffer.begin(), buffer.begin() + bytes);
  }
  const int tail = lame_encode_flush(lame.get(), buffer.data(), static_cast<int>(buffer.size()));
  if (tail < 0) return false;
  out.insert(out.end(), buffer.begin(), buffer.begin() + tail);
  return Save(path, out);
}

}  // namespace kv::artgen
