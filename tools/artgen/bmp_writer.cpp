#include "tools/artgen/bmp_writer.h"

#include <cstdint>
#include <fstream>
#include <vector>

namespace kv::artgen {
namespace {

void PutLE(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace

bool WriteBmp24(const std::filesystem::path& path, const Image& image) {
  const auto w = static_cast<std::uint32_t>(image.width);
  const auto h = static_cast<std::uint32_t>(image.height);
  const std::uint32_t stride = (w * 3 + 3) / 4 * 4;
  constexpr std::uint32_t kHeaders = 14 + 40;
  std::vector<std::uint8_t> out;
  out.reserve(kHeaders + stride * h);
  out.push_back('B');
  out.push_back('M');
  PutLE(out, kHeaders + stride * h, 4);
  PutLE(out, 0, 4);
  PutLE(out, kHeaders, 4);
  PutLE(out, 40, 4);
  PutLE(out, w, 4);
  PutLE(out, h, 4);
  PutLE(out, 1, 2);   // planes
  PutLE(out, 24, 2);  // bits per pixel
  PutLE(out, 0, 4);   // uncompressed
  PutLE(out, stride * h, 4);
  PutLE(out, 2835, 4);  // 72 dpi
  PutLE(out, 2835, 4);
  PutLE(out, 0, 4);
  PutLE(out, 0, 4);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = image.At(x, y);
      out.push_back(static_cast<std::uint8_t>(p));
      out.push_back(static_cast<std::uint8_t>(p >> 8));
      out.push_back(static_cast<std::uint8_t>(p >> 16));
    }
    for (std::uint32_t pad = w * 3; pad < stride; ++pad) out.push_back(0);
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  file.close();
  return static_cast<bool>(file);
}

}  // namespace kv::artgen
