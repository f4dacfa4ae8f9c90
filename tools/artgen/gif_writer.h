#pragma once
// Writes a single-image GIF with a 256-colour global table, compressed with our own LZW coder.
#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace kv::artgen {

struct IndexedPicture {
  int width = 0;
  int height = 0;
  std::array<std::uint32_t, 256> palette{};  // 0x00RRGGBB
  std::vector<std::uint8_t> indices;          // row by row from the top
};

// The LZW code stream of a GIF image (before it is cut into sub-blocks), 8-bit minimum code size.
std::vector<std::uint8_t> LzwEncode(const std::vector<std::uint8_t>& indices);

bool WriteGif(const std::filesystem::path& path, const IndexedPicture& picture);

}  // namespace kv::artgen
