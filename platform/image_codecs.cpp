// Reading the BMP and GIF pictures the game ships with, and writing screenshots as PNG.
// Every read is bounds-checked: a garbled or cut-off file gives an error, never a crash.
#include <zlib.h>

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "platform/image.h"

namespace kv {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Larger pictures than this are taken as garbled headers rather than allocated.
constexpr std::int64_t kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = 16LL * 1024 * 1024;

bool SizeIsSane(std::int64_t w, std::int64_t h) {
  return w > 0 && h > 0 && w <= kMaxSide && h <= kMaxSide && w * h <= kMaxPixels;
}

// A little-endian reader over a byte buffer that reports running off the end instead of reading
// past it. Once a read has failed every later one fails too, so a run of reads needs only its
// last result checked.
class Reader {
 public:
  explicit Reader(const Bytes& b, std::size_t pos = 0) : b_(b), pos_(pos) {}
  bool Has(std::size_t n) {
    failed_ = failed_ || pos_ > b_.size() || b_.size() - pos_ < n;
    return !failed_;
  }
  std::size_t pos() const { return pos_; }
  std::optional<std::uint8_t> U8() {
    if (!Has(1)) return std::nullopt;
    return b_[pos_++];
  }
  std::optional<std::uint16_t> U16() {
    if (!Has(2)) return std::nullopt;
    const auto v = static_cast<std::uint16_t>(b_[pos_] | (b_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
  }
  std::optional<std::uint32_t> U32() {
    if (!Has(4)) return std::nullopt;
    const std::uint32_t v = static_cast<std::uint32_t>(b_[pos_]) | (static_cast<std::uint32_t>(b_[pos_ + 1]) << 8) |
                            (static_cast<std::uint32_t>(b_[pos_ + 2]) << 16) |
                            (static_cast<std::uint32_t>(b_[pos_ + 3]) << 24);
    pos_ += 4;
    return v;
  }
  bool Skip(std::size_t n) {
    if (!Has(n)) return false;
    pos_ += n;
    return true;
  }

 private:
  const Bytes& b_;
  std::size_t pos_;
  bool failed_ = false;
};

std::uint32_t Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) | b;
}

std::optional<Bytes> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  Bytes data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return data;
}

struct BmpHeader {
  std::int64_t width = 0;
  std::int64_t height = 0;  // negative: rows stored from the top
  int bpp = 0;
  std::uint32_t compression = 0;
  std::uint32_t coloursUsed = 0;
  std::size_t paletteAt = 0;
  int paletteEntrySize = 4;
};

// Reads the file header and the info header (the old 12-byte core one or the 40-byte and later ones).
std::optional<BmpHeader> ReadBmpHeader(Reader& r) {
  BmpHeader h;
  if (!r.Skip(14)) return std::nullopt;
  const auto infoSize = r.U32();
  if (!infoSize) return std::nullopt;
  if (*infoSize == 12) {
    const auto w = r.U16();
    const auto hh = r.U16();
    const bool planes = r.Skip(2);
    const auto bpp = r.U16();
    if (!planes || !bpp) return std::nullopt;
    h.width = *w;
    h.height = *hh;
    h.bpp = *bpp;
    h.paletteEntrySize = 3;
  } else {
    const auto w = r.U32();
    const auto hh = r.U32();
    const bool planes = r.Skip(2);
    const auto bpp = r.U16();
    const auto comp = r.U32();
    const bool sizes = r.Skip(12);  // image size and resolution, not needed
    const auto used = r.U32();
    if (!planes || !sizes || !used) return std::nullopt;
    h.width = static_cast<std::int32_t>(*w);
    h.height = static_cast<std::int32_t>(*hh);
    h.bpp = *bpp;
    h.compression = *comp;
    h.coloursUsed = *used;
  }
  h.paletteAt = 14 + static_cast<std::size_t>(*infoSize);
  return h;
}

std::optional<std::vector<std::uint32_t>> ReadBmpPalette(const Bytes& data, const BmpHeader& h) {
  const std::uint32_t full = 1u << h.bpp;
  const std::uint32_t count = (h.coloursUsed == 0 || h.coloursUsed > full) ? full : h.coloursUsed;
  Reader r(data, h.paletteAt);
  std::vector<std::uint32_t> palette(full, 0);
  for (std::uint32_t i = 0; i < count; ++i) {
    const auto b = r.U8(), g = r.U8(), red = r.U8();
    if (!red || (h.paletteEntrySize == 4 && !r.Skip(1))) return std::nullopt;
    palette[i] = Rgb(*red, *g, *b);
  }
  return palette;
}

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

// How a row's bytes become colours: palette indices, blue-green-red bytes, or packed 16- or
// 32-bit values whose red, green and blue bits the masks pick.
struct BmpFormat {
  int bpp = 0;
  bool packed = false;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue
  std::vector<std::uint32_t> palette;
};

std::uint8_t MaskedChannel(std::uint32_t value, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const std::uint32_t max = mask >> shift;
  return static_cast<std::uint8_t>(((value & mask) >> shift) * 255 / max);
}

std::uint32_t BmpPixel(const std::uint8_t* row, std::int64_t x, const BmpFormat& f) {
  if (f.packed) {
    const std::uint8_t* p = row + x * (f.bpp / 8);
    const std::uint32_t v = f.bpp == 16 ? static_cast<std::uint32_t>(p[0] | (p[1] << 8))
                                        : static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                                              (static_cast<std::uint32_t>(p[2]) << 16) |
                                              (static_cast<std::uint32_t>(p[3]) << 24);
    return Rgb(MaskedChannel(v, f.masks[0]), MaskedChannel(v, f.masks[1]), MaskedChannel(v, f.masks[2]));
  }
  if (f.bpp >= 24) {
    const std::uint8_t* p = row + x * (f.bpp / 8);
    return Rgb(p[2], p[1], p[0]);
  }
  const std::int64_t bit = x * f.bpp;
  const int shift = 8 - f.bpp - static_cast<int>(bit % 8);
  const int index = (row[bit / 8] >> shift) & ((1 << f.bpp) - 1);
  return f.palette[static_cast<std::size_t>(index)];
}

// The colour masks follow the 40-byte info header (later headers hold them at the same place).
std::optional<std::array<std::uint32_t, 3>> ReadBmpMasks(const Bytes& data, const BmpHeader& h) {
  if (h.paletteEntrySize != 4) return std::nullopt;
  Reader r(data, 14 + 40);
  const auto red = r.U32(), green = r.U32(), blue = r.U32();
  if (!blue) return std::nullopt;
  return std::array<std::uint32_t, 3>{*red, *green, *blue};
}

Result<BmpFormat> ReadBmpFormat(const Bytes& data, const BmpHeader& h, const std::string& name) {
  using R = Result<BmpFormat>;
  BmpFormat f;
  f.bpp = h.bpp;
  const bool supportedDepth = h.bpp == 1 || h.bpp == 4 || h.bpp == 8 || h.bpp == 16 || h.bpp == 24 || h.bpp == 32;
  if (!supportedDepth) return R::Error(name + ": unsupported BMP depth " + std::to_string(h.bpp));
  const bool bitfields = h.compression == kBiBitfields && (h.bpp == 16 || h.bpp == 32);
  if (h.compression != kBiRgb && !bitfields) return R::Error(name + ": compressed BMP pictures are not supported");
  if (bitfields) {
    const auto masks = ReadBmpMasks(data, h);
    if (!masks) return R::Error(name + ": truncated");
    f.packed = true;
    f.masks = *masks;
  } else if (h.bpp == 16) {
    f.packed = true;
    f.masks = {0x7C00, 0x03E0, 0x001F};
  } else if (h.bpp <= 8) {
    auto p = ReadBmpPalette(data, h);
    if (!p) return R::Error(name + ": truncated");
    f.palette = std::move(*p);
  }
  return f;
}

Result<Image> DecodeBmp(const Bytes& data, const std::string& name) {
  Reader r(data);
  const auto header = ReadBmpHeader(r);
  Reader fileHeader(data, 10);
  const auto pixelsAt = fileHeader.U32();
  if (!header || !pixelsAt) return Result<Image>::Error(name + ": truncated");
  const BmpHeader& h = *header;
  const std::int64_t height = h.height < 0 ? -h.height : h.height;
  auto format = ReadBmpFormat(data, h, name);
  if (!format.ok()) return Result<Image>::Error(format.error());
  if (!SizeIsSane(h.width, height)) return Result<Image>::Error(name + ": bad BMP size");
  const std::int64_t stride = (h.width * h.bpp + 31) / 32 * 4;
  // The last row needs only its pixels, not its padding.
  const std::int64_t needed = stride * (height - 1) + (h.width * h.bpp + 7) / 8;
  if (*pixelsAt > data.size() || static_cast<std::int64_t>(data.size() - *pixelsAt) < needed) {
    return Result<Image>::Error(name + ": truncated");
  }
  Image img;
  img.width = static_cast<int>(h.width);
  img.height = static_cast<int>(height);
  img.pixels.resize(static_cast<std::size_t>(h.width * height));
  for (std::int64_t y = 0; y < height; ++y) {
    const std::int64_t fileRow = h.height < 0 ? y : height - 1 - y;
    const std::uint8_t* row = data.data() + *pixelsAt + fileRow * stride;
    std::uint32_t* out = img.pixels.data() + y * h.width;
    for (std::int64_t x = 0; x < h.width; ++x) out[x] = BmpPixel(row, x, format.value());
  }
  return img;
}

// GIF data sub-blocks: a length byte, that many bytes, until a zero length.
std::optional<Bytes> ReadSubBlocks(Reader& r, const Bytes& data) {
  Bytes out;
  for (;;) {
    const auto len = r.U8();
    if (!len) return std::nullopt;
    if (*len == 0) return out;
    const std::size_t at = r.pos();
    if (!r.Skip(*len)) return std::nullopt;
    out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
               data.begin() + static_cast<std::ptrdiff_t>(at + *len));
  }
}

bool SkipSubBlocks(Reader& r) {
  for (;;) {
    const auto len = r.U8();
    if (!len) return false;
    if (*len == 0) return true;
    if (!r.Skip(*len)) return false;
  }
}

std::optional<std::vector<std::uint32_t>> ReadColourTable(Reader& r, int sizeBits) {
  std::vector<std::uint32_t> table(static_cast<std::size_t>(2) << sizeBits);
  for (auto& c : table) {
    const auto red = r.U8(), g = r.U8(), b = r.U8();
    if (!b) return std::nullopt;
    c = Rgb(*red, *g, *b);
  }
  return table;
}

// Reads variable-width codes, least significant bit first.
class CodeReader {
 public:
  explicit CodeReader(const Bytes& b) : b_(b) {}
  std::optional<int> Next(int width) {
    if (bitPos_ + static_cast<std::size_t>(width) > b_.size() * 8) return std::nullopt;
    int code = 0;
    for (int i = 0; i < width; ++i, ++bitPos_) {
      code |= ((b_[bitPos_ / 8] >> (bitPos_ % 8)) & 1) << i;
    }
    return code;
  }

 private:
  const Bytes& b_;
  std::size_t bitPos_ = 0;
};

enum class LzwStatus { Ok, Truncated, Corrupt };

// Decodes the LZW stream into exactly `count` colour indices.
LzwStatus DecodeLzw(const Bytes& stream, int minCodeSize, std::size_t count, std::vector<std::uint8_t>& out) {
  constexpr int kMaxCodes = 4096;
  std::array<std::uint16_t, kMaxCodes> prefix{};
  std::array<std::uint8_t, kMaxCodes> suffix{};
  std::array<std::uint8_t, kMaxCodes> first{};
  std::array<std::uint16_t, kMaxCodes> length{};
  std::array<std::uint8_t, kMaxCodes> scratch{};
  const int clear = 1 << minCodeSize;
  const int end = clear + 1;
  for (int i = 0; i < clear; ++i) {
    suffix[i] = first[i] = static_cast<std::uint8_t>(i);
    length[i] = 1;
  }
  int width = minCodeSize + 1;
  int next = clear + 2;
  int prev = -1;
  CodeReader codes(stream);
  out.clear();
  out.reserve(count);
  while (out.size() < count) {
    const auto code = codes.Next(width);
    if (!code) return LzwStatus::Truncated;
    if (*code == clear) {
      width = minCodeSize + 1;
      next = clear + 2;
      prev = -1;
      continue;
    }
    if (*code == end) return LzwStatus::Truncated;
    if (*code > next || (*code == next && prev < 0)) return LzwStatus::Corrupt;
    if (prev >= 0 && next < kMaxCodes) {
      // The new entry is the previous string plus the first index of this one (itself, when
      // the code is the entry being made).
      prefix[next] = static_cast<std::uint16_t>(prev);
      suffix[next] = *code == next ? first[prev] : first[*code];
      first[next] = first[prev];
      length[next] = static_cast<std::uint16_t>(length[prev] + 1);
      ++next;
      if (next == (1 << width) && width < 12) ++width;
    }
    int c = *code;
    const int len = length[c];
    for (int i = len - 1; i >= 0; --i) {
      scratch[i] = suffix[c];
      c = prefix[c];
    }
    for (int i = 0; i < len && out.size() < count; ++i) out.push_back(scratch[i]);
    prev = *code;
  }
  return LzwStatus::Ok;
}

// Row order of an interlaced image: every 8th row from 0, every 8th from 4, every 4th from 2, every 2nd from 1.
std::vector<int> GifRowOrder(int height, bool interlaced) {
  std::vector<int> rows;
  rows.reserve(static_cast<std::size_t>(height));
  if (!interlaced) {
    for (int y = 0; y < height; ++y) rows.push_back(y);
    return rows;
  }
  constexpr std::array<std::array<int, 2>, 4> kPasses{{{0, 8}, {4, 8}, {2, 4}, {1, 2}}};
  for (const auto& pass : kPasses) {
    for (int y = pass[0]; y < height; y += pass[1]) rows.push_back(y);
  }
  return rows;
}

struct GifFrame {
  int left = 0, top = 0, width = 0, height = 0;
  bool interlaced = false;
  std::vector<std::uint32_t> palette;
};

Result<Image> DecodeGifFrame(Reader& r, const Bytes& data, const std::string& name, int screenW, int screenH,
                             std::uint32_t background, const std::vector<std::uint32_t>& globalPalette) {
  const auto left = r.U16(), top = r.U16(), w = r.U16(), h = r.U16();
  const auto flags = r.U8();
  if (!flags) return Result<Image>::Error(name + ": truncated");
  GifFrame f{*left, *top, *w, *h, (*flags & 0x40) != 0, globalPalette};
  if (*flags & 0x80) {
    auto local = ReadColourTable(r, *flags & 7);
    if (!local) return Result<Image>::Error(name + ": truncated");
    f.palette = std::move(*local);
  }
  if (!SizeIsSane(f.width, f.height)) return Result<Image>::Error(name + ": bad GIF image size");
  const auto minCodeSize = r.U8();
  if (!minCodeSize) return Result<Image>::Error(name + ": truncated");
  if (*minCodeSize < 2 || *minCodeSize > 8) return Result<Image>::Error(name + ": corrupt GIF image data");
  const auto stream = ReadSubBlocks(r, data);
  if (!stream) return Result<Image>::Error(name + ": truncated");
  std::vector<std::uint8_t> indices;
  const auto count = static_cast<std::size_t>(f.width) * static_cast<std::size_t>(f.height);
  switch (DecodeLzw(*stream, *minCodeSize, count, indices)) {
    case LzwStatus::Ok:
      break;
    case LzwStatus::Truncated:
      return Result<Image>::Error(name + ": truncated");
    case LzwStatus::Corrupt:
      return Result<Image>::Error(name + ": corrupt GIF image data");
  }
  // The picture is the logical screen; a file that gives none takes the image's size.
  Image img;
  img.width = screenW > 0 ? screenW : f.width;
  img.height = screenH > 0 ? screenH : f.height;
  img.pixels.assign(static_cast<std::size_t>(img.width) * static_cast<std::size_t>(img.height), background);
  const std::vector<int> rows = GifRowOrder(f.height, f.interlaced);
  for (int i = 0; i < f.height; ++i) {
    const int y = f.top + rows[static_cast<std::size_t>(i)];
    if (y >= img.height) continue;
    for (int x = 0; x < f.width && f.left + x < img.width; ++x) {
      const std::uint8_t index = indices[static_cast<std::size_t>(i) * f.width + x];
      img.pixels[static_cast<std::size_t>(y) * img.width + f.left + x] =
          index < f.palette.size() ? f.palette[index] : 0;
    }
  }
  return img;
}

Result<Image> DecodeGif(const Bytes& data, const std::string& name) {
  Reader r(data, 6);
  const auto screenW = r.U16(), screenH = r.U16();
  const auto flags = r.U8(), backgroundIndex = r.U8(), aspect = r.U8();
  if (!aspect) return Result<Image>::Error(name + ": truncated");
  std::vector<std::uint32_t> global;
  if (*flags & 0x80) {
    auto table = ReadColourTable(r, *flags & 7);
    if (!table) return Result<Image>::Error(name + ": truncated");
    global = std::move(*table);
  }
  if (*screenW != 0 && *screenH != 0 && !SizeIsSane(*screenW, *screenH)) {
    return Result<Image>::Error(name + ": bad GIF size");
  }
  const std::uint32_t background = *backgroundIndex < global.size() ? global[*backgroundIndex] : 0;
  for (;;) {
    const auto block = r.U8();
    if (!block) return Result<Image>::Error(name + ": truncated");
    if (*block == 0x2C) return DecodeGifFrame(r, data, name, *screenW, *screenH, background, global);
    if (*block == 0x3B) return Result<Image>::Error(name + ": GIF holds no image");
    if (*block != 0x21) return Result<Image>::Error(name + ": corrupt GIF block");
    if (!r.Skip(1) || !SkipSubBlocks(r)) return Result<Image>::Error(name + ": truncated");
  }
}

bool StartsWith(const Bytes& data, const char* magic) {
  const std::size_t n = std::strlen(magic);
  return data.size() >= n && std::memcmp(data.data(), magic, n) == 0;
}

void PutU32BE(Bytes& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void PutChunk(Bytes& out, const char* type, const Bytes& body) {
  PutU32BE(out, static_cast<std::uint32_t>(body.size()));
  const std::size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), body.begin(), body.end());
  const uLong crc = crc32(0L, out.data() + typeAt, static_cast<uInt>(out.size() - typeAt));
  PutU32BE(out, static_cast<std::uint32_t>(crc));
}

std::optional<Bytes> EncodePng(const Image& image) {
  Bytes header;
  PutU32BE(header, static_cast<std::uint32_t>(image.width));
  PutU32BE(header, static_cast<std::uint32_t>(image.height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, filters, no interlace
  // Each row starts with filter type 0 (none).
  Bytes raw;
  raw.reserve(static_cast<std::size_t>(image.height) * (1 + 3 * static_cast<std::size_t>(image.width)));
  for (int y = 0; y < image.height; ++y) {
    raw.push_back(0);
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = image.At(x, y);
      raw.insert(raw.end(), {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                             static_cast<std::uint8_t>(p)});
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  Bytes packed(packedSize);
  if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), Z_BEST_SPEED) != Z_OK) {
    return std::nullopt;
  }
  packed.resize(packedSize);
  Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", packed);
  PutChunk(png, "IEND", {});
  return png;
}

}  // namespace

Result<Image> LoadPicture(const std::filesystem::path& path) {
  const std::string name = path.string();
  const auto data = ReadFile(path);
  if (!data) return Result<Image>::Error("cannot open " + name);
  if (StartsWith(*data, "BM")) return DecodeBmp(*data, name);
  if (StartsWith(*data, "GIF87a") || StartsWith(*data, "GIF89a")) return DecodeGif(*data, name);
  return Result<Image>::Error(name + ": not a BMP or GIF picture");
}

Result<bool> SavePng(const std::filesystem::path& path, const Image& image) {
  const std::string name = path.string();
  if (image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height)) {
    return Result<bool>::Error(name + ": no picture to save");
  }
  const auto png = EncodePng(image);
  if (!png) return Result<bool>::Error(name + ": cannot compress the picture");
  std::filesystem::path tmp = path;
  tmp += ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) return Result<bool>::Error("cannot write " + tmp.string());
    out.write(reinterpret_cast<const char*>(png->data()), static_cast<std::streamsize>(png->size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(tmp, ignored);
      return Result<bool>::Error("cannot write " + tmp.string());
    }
  }
  std::error_code ec;
  std::filesystem::rename(tmp, path, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(tmp, ignored);
    return Result<bool>::Error("cannot write " + name + ": " + ec.message());
  }
  return true;
}

}  // namespace kv
