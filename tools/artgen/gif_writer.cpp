#include "tools/artgen/gif_writer.h"

#include <algorithm>
#include <fstream>

namespace kv::artgen {
namespace {

constexpr int kMinCodeSize = 8;
constexpr int kMaxCodes = 4096;

// Packs codes least significant bit first, as GIF wants them.
class BitWriter {
 public:
  void Put(int code, int width) {
    acc_ |= static_cast<std::uint32_t>(code) << bits_;
    bits_ += width;
    while (bits_ >= 8) {
      out_.push_back(static_cast<std::uint8_t>(acc_));
      acc_ >>= 8;
      bits_ -= 8;
    }
  }
  std::vector<std::uint8_t> Finish() {
    if (bits_ > 0) out_.push_back(static_cast<std::uint8_t>(acc_));
    return std::move(out_);
  }

 private:
  std::vector<std::uint8_t> out_;
  std::uint32_t acc_ = 0;
  int bits_ = 0;
};

void PutU16(std::vector<std::uint8_t>& out, int v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

}  // namespace

std::vector<std::uint8_t> LzwEncode(const std::vector<std::uint8_t>& indices) {
  constexpr int kClear = 1 << kMinCodeSize;
  constexpr int kEnd = kClear + 1;
  // child[code * 256 + index]: the code of that string extended by index; 0 when not made yet.
  std::vector<std::uint16_t> child(static_cast<std::size_t>(kMaxCodes) * 256, 0);
  BitWriter bits;
  int width = kMinCodeSize + 1;
  int next = kClear + 2;
  bits.Put(kClear, width);
  if (indices.empty()) {
    bits.Put(kEnd, width);
    return bits.Finish();
  }
  // The decoder makes each entry one code later than we do, so it widens its codes once our
  // next free code is one past the power of two.
  const auto grow = [&] {
    if (next == (1 << width) + 1 && width < 12) ++width;
  };
  int string = indices[0];
  for (std::size_t i = 1; i < indices.size(); ++i) {
    const int k = indices[i];
    const std::size_t slot = static_cast<std::size_t>(string) * 256 + static_cast<std::size_t>(k);
    if (child[slot] != 0) {
      string = child[slot];
      continue;
    }
    bits.Put(string, width);
    if (next < kMaxCodes) {
      child[slot] = static_cast<std::uint16_t>(next++);
      grow();
    } else {
      bits.Put(kClear, width);
      std::fill(child.begin(), child.end(), 0);
      width = kMinCodeSize + 1;
      next = kClear + 2;
    }
    string = k;
  }
  bits.Put(string, width);
  // The decoder still makes an entry for the last code, and may widen before the end code.
  if (next < kMaxCodes) {
    ++next;
    grow();
  }
  bits.Put(kEnd, width);
  return bits.Finish();
}

bool WriteGif(const std::filesystem::path& path, const IndexedPicture& picture) {
  std::vector<std::uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
  PutU16(out, picture.width);
  PutU16(out, picture.height);
  out.push_back(0xF7);  // a global table of 256 colours, 8 bits per primary
  out.push_back(0);     // background colour index
  out.push_back(0);     // square pixels
  for (std::uint32_t c : picture.palette) {
    out.push_back(static_cast<std::uint8_t>(c >> 16));
    out.push_back(static_cast<std::uint8_t>(c >> 8));
    out.push_back(static_cast<std::uint8_t>(c));
  }
  out.push_back(0x2C);
  PutU16(out, 0);
  PutU16(out, 0);
  PutU16(out, picture.width);
  PutU16(out, picture.height);
  out.push_back(0);  // no local table, not interlaced
  out.push_back(kMinCodeSize);
  const std::vector<std::uint8_t> stream = LzwEncode(picture.indices);
  for (std::size_t at = 0; at < stream.size(); at += 255) {
    const std::size_t n = std::min<std::size_t>(255, stream.size() - at);
    out.push_back(static_cast<std::uint8_t>(n));
    out.insert(out.end(), stream.begin() + static_cast<std::ptrdiff_t>(at),
               stream.begin() + static_cast<std::ptrdiff_t>(at + n));
  }
  out.push_back(0);
  out.push_back(0x3B);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  file.close();
  return static_cast<bool>(file);
}

}  // namespace kv::artgen
