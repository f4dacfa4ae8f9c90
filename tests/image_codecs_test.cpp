#include <gtest/gtest.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "platform/image.h"

namespace kv {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class ImageCodecs : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("kv_image_codecs_" + std::to_string(getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path Write(const std::string& name, const Bytes& bytes) const {
    const fs::path p = dir_ / name;
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return p;
  }

  fs::path dir_;
};

void PutLE(Bytes& b, std::uint32_t v, int n) {
  for (int i = 0; i < n; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A BMP file header and 40-byte info header, then the palette and the pixel bytes as given.
Bytes Bmp(std::int32_t width, std::int32_t height, int bpp, const Bytes& palette, const Bytes& pixels,
          std::uint32_t compression = 0, std::uint32_t coloursUsed = 0) {
  Bytes b{'B', 'M'};
  const auto offset = static_cast<std::uint32_t>(54 + palette.size());
  PutLE(b, offset + static_cast<std::uint32_t>(pixels.size()), 4);
  PutLE(b, 0, 4);
  PutLE(b, offset, 4);
  PutLE(b, 40, 4);
  PutLE(b, static_cast<std::uint32_t>(width), 4);
  PutLE(b, static_cast<std::uint32_t>(height), 4);
  PutLE(b, 1, 2);
  PutLE(b, static_cast<std::uint32_t>(bpp), 2);
  PutLE(b, compression, 4);
  PutLE(b, static_cast<std::uint32_t>(pixels.size()), 4);
  PutLE(b, 0, 4);
  PutLE(b, 0, 4);
  PutLE(b, coloursUsed, 4);
  PutLE(b, 0, 4);
  b.insert(b.end(), palette.begin(), palette.end());
  b.insert(b.end(), pixels.begin(), pixels.end());
  return b;
}

// 3 x 2 pixels, 24 bits: each row is 9 bytes of blue-green-red and 3 bytes of padding.
// The file's first row is the picture's bottom row.
const Bytes kPixels24{
    0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0, 0, 0,  // red, green, blue
    0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x01, 0x02, 0x03, 0, 0, 0,  // 0x332211, 0x665544, 0x030201
};

TEST_F(ImageCodecs, Bmp24BottomUpPutsTheFirstFileRowAtTheBottom) {
  const auto img = LoadPicture(Write("a.bmp", Bmp(3, 2, 24, {}, kPixels24)));
  ASSERT_TRUE(img.ok()) << img.error();
  ASSERT_EQ(img.value().width, 3);
  ASSERT_EQ(img.value().height, 2);
  EXPECT_EQ(img.value().pixels,
            (std::vector<std::uint32_t>{0x332211, 0x665544, 0x030201, 0xFF0000, 0x00FF00, 0x0000FF}));
}

TEST_F(ImageCodecs, Bmp24TopDownKeepsTheFileRowOrder) {
  const auto img = LoadPicture(Write("a.bmp", Bmp(3, -2, 24, {}, kPixels24)));
  ASSERT_TRUE(img.ok()) << img.error();
  ASSERT_EQ(img.value().height, 2);
  EXPECT_EQ(img.value().pixels,
            (std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0x332211, 0x665544, 0x030201}));
}

TEST_F(ImageCodecs, Bmp32IgnoresTheFourthByte) {
  const Bytes pixels{0x10, 0x20, 0x30, 0xFF, 0x40, 0x50, 0x60, 0x00};
  const auto img = LoadPicture(Write("a.bmp", Bmp(2, 1, 32, {}, pixels)));
  ASSERT_TRUE(img.ok()) << img.error();
  EXPECT_EQ(img.value().pixels, (std::vector<std::uint32_t>{0x302010, 0x605040}));
}

TEST_F(ImageCodecs, BmpBitfieldsTakeTheColoursWhereTheMasksSay) {
  // Masks after the info header: red in the low byte, green next, blue above it.
  const Bytes rgbx{0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0};
  const auto wide = LoadPicture(Write("a.bmp", Bmp(2, 1, 32, rgbx, {0x10, 0x20, 0x30, 0x99, 0xFF, 0, 0, 0}, 3)));
  ASSERT_TRUE(wide.ok()) << wide.error();
  EXPECT_EQ(wide.value().pixels, (std::vector<std::uint32_t>{0x102030, 0xFF0000}));
  // 16 bits, five-six-five.
  const Bytes masks565{0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};
  const auto narrow = LoadPicture(Write("b.bmp", Bmp(2, 1, 16, masks565, {0xE0, 0x07, 0x1F, 0x00}, 3)));
  ASSERT_TRUE(narrow.ok()) << narrow.error();
  EXPECT_EQ(narrow.value().pixels, (std::vector<std::uint32_t>{0x00FF00, 0x0000FF}));
}

TEST_F(ImageCodecs, Bmp16WithoutMasksIsFiveBitsEach) {
  // 0x7C00 red, 0x0210 half green and half blue; rows padded to four bytes.
  const auto img = LoadPicture(Write("a.bmp", Bmp(1, 2, 16, {}, {0x10, 0x02, 0, 0, 0x00, 0x7C, 0, 0})));
  ASSERT_TRUE(img.ok()) << img.error();
  EXPECT_EQ(img.value().pixels, (std::vector<std::uint32_t>{0xFF0000, 0x008383}));
}

TEST_F(ImageCodecs, Bmp8LooksUpThePaletteAndPadsRows) {
  // Three palette entries (blue, green, red, unused); rows of 3 indices padded to 4 bytes.
  const Bytes palette{0x00, 0x00, 0x00, 0, 0xFF, 0x80, 0x00, 0, 0x01, 0x02, 0x03, 0};
  const Bytes pixels{2, 1, 0, 9, 0, 0, 1, 9};
  const auto img = LoadPicture(Write("a.bmp", Bmp(3, 2, 8, palette, pixels, 0, 3)));
  ASSERT_TRUE(img.ok()) << img.error();
  EXPECT_EQ(img.value().pixels,
            (std::vector<std::uint32_t>{0x000000, 0x000000, 0x0080FF, 0x030201, 0x0080FF, 0x000000}));
}

// Packs (code, width) pairs least significant bit first, as a GIF image's LZW stream holds them.
Bytes PackCodes(const std::vector<std::pair<int, int>>& codes) {
  Bytes out;
  std::uint32_t acc = 0;
  int bits = 0;
  for (const auto& [code, width] : codes) {
    acc |= static_cast<std::uint32_t>(code) << bits;
    bits += width;
    for (; bits >= 8; bits -= 8, acc >>= 8) out.push_back(static_cast<std::uint8_t>(acc));
  }
  if (bits > 0) out.push_back(static_cast<std::uint8_t>(acc));
  return out;
}

struct GifFixture {
  int screenW, screenH;
  Bytes global;  // four colours, or none
  int left, top, width, height;
  bool interlaced;
  Bytes local;  // four colours, or none
  std::vector<std::pair<int, int>> codes;
};

Bytes Gif(const GifFixture& f) {
  Bytes b{'G', 'I', 'F', '8', '9', 'a'};
  PutLE(b, static_cast<std::uint32_t>(f.screenW), 2);
  PutLE(b, static_cast<std::uint32_t>(f.screenH), 2);
  b.push_back(f.global.empty() ? 0x00 : 0x81);  // a table of 2^(1+1) colours
  b.push_back(1);                              // background: colour 1
  b.push_back(0);
  b.insert(b.end(), f.global.begin(), f.global.end());
  // A graphic control extension, skipped by the reader.
  b.insert(b.end(), {0x21, 0xF9, 4, 0x01, 0, 0, 3, 0});
  b.push_back(0x2C);
  PutLE(b, static_cast<std::uint32_t>(f.left), 2);
  PutLE(b, static_cast<std::uint32_t>(f.top), 2);
  PutLE(b, static_cast<std::uint32_t>(f.width), 2);
  PutLE(b, static_cast<std::uint32_t>(f.height), 2);
  b.push_back(static_cast<std::uint8_t>((f.local.empty() ? 0 : 0x81) | (f.interlaced ? 0x40 : 0)));
  b.insert(b.end(), f.local.begin(), f.local.end());
  b.push_back(2);  // minimum code size: clear is 4, end is 5, codes start 3 bits wide
  const Bytes data = PackCodes(f.codes);
  b.push_back(static_cast<std::uint8_t>(data.size()));
  b.insert(b.end(), data.begin(), data.end());
  b.insert(b.end(), {0x00, 0x3B});
  return b;
}

const Bytes kGlobal{0, 0, 0, 0x10, 0x20, 0x30, 0xFF, 0, 0, 0, 0xFF, 0};  // black, 0x102030, red, green
const Bytes kLocal{0xAA, 0xBB, 0xCC, 0, 0, 0xFF, 1, 2, 3, 9, 9, 9};       // 0xAABBCC, blue, 0x010203, 0x090909

struct GifCase {
  const char* name;
  GifFixture gif;
  int width, height;
  std::vector<std::uint32_t> pixels;
};

class GifDecode : public ImageCodecs, public ::testing::WithParamInterface<GifCase> {};

TEST_P(GifDecode, GivesThePaletteColoursOfTheFirstImage) {
  const GifCase& c = GetParam();
  const auto img = LoadPicture(Write("a.gif", Gif(c.gif)));
  ASSERT_TRUE(img.ok()) << img.error();
  EXPECT_EQ(img.value().width, c.width);
  EXPECT_EQ(img.value().height, c.height);
  EXPECT_EQ(img.value().pixels, c.pixels);
}

constexpr std::uint32_t kRed = 0xFF0000, kDark = 0x102030, kGreen = 0x00FF00;

INSTANTIATE_TEST_SUITE_P(
    HandBuilt, GifDecode,
    ::testing::Values(
        // 2 1 2 1 2 1, using entry 6 ("21") twice; the reader widens to 4 bits once it has
        // made entry 7, so the second 6 and the end code are 4 bits.
        GifCase{"DictionaryEntries",
                {3, 2, kGlobal, 0, 0, 3, 2, false, {}, {{4, 3}, {2, 3}, {1, 3}, {6, 3}, {6, 4}, {5, 4}}},
                3,
                2,
                {kRed, kDark, kRed, kDark, kRed, kDark}},
        // Six zeros: the codes 6 and 7 are each used as they are being made.
        GifCase{"CodeBeingDefined",
                {2, 3, kGlobal, 0, 0, 2, 3, false, {}, {{4, 3}, {3, 3}, {6, 3}, {7, 3}, {5, 4}}},
                2,
                3,
                {kGreen, kGreen, kGreen, kGreen, kGreen, kGreen}},
        // Rows stored in the order 0, 4, 2, 1, 3 with the local table; the image sits at (1, 1)
        // of a 2 x 6 screen filled with the background colour.
        GifCase{"InterlacedLocalTableOnScreen",
                {2, 6, kGlobal, 1, 1, 1, 5, true, kLocal, {{4, 3}, {0, 3}, {3, 3}, {2, 3}, {1, 4}, {1, 4}, {5, 4}}},
                2,
                6,
                {kDark, kDark, kDark, 0xAABBCC, kDark, 0x0000FF, kDark, 0x010203, kDark, 0x0000FF, kDark,
                 0x090909}},
        // No global table: the local one colours the pixels and the picture takes the image size.
        GifCase{"NoGlobalTable", {0, 0, {}, 0, 0, 2, 1, false, kLocal, {{4, 3}, {1, 3}, {3, 3}, {5, 3}}}, 2, 1,
                {0x0000FF, 0x090909}}),
    [](const ::testing::TestParamInfo<GifCase>& p) { return std::string(p.param.name); });

const GifFixture kPlainGif{3, 2, kGlobal, 0, 0, 3, 2, false, {}, {{4, 3}, {2, 3}, {1, 3}, {6, 3}, {6, 4}, {5, 4}}};

// 4 x 2 at 24 bits: rows without padding, so every byte of the file is needed.
const Bytes kBmpNoPadding = Bmp(4, 2, 24, {}, Bytes(24, 0x7F));

TEST_F(ImageCodecs, EveryCutOffFileIsAnErrorNotACrash) {
  const Bytes gif = Gif(kPlainGif);
  const std::vector<std::pair<const char*, Bytes>> files{{"bmp", kBmpNoPadding}, {"gif", gif}};
  for (const auto& [kind, whole] : files) {
    ASSERT_TRUE(LoadPicture(Write("whole", whole)).ok()) << kind;
    // The GIF trailer is not needed: the first image is complete before it.
    const std::size_t needed = whole.size() - (std::string(kind) == "gif" ? 1 : 0);
    for (std::size_t n = 0; n < needed; ++n) {
      const auto img = LoadPicture(Write("cut", Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n))));
      ASSERT_FALSE(img.ok()) << kind << " cut to " << n << " bytes";
      const bool knownKind = n >= (std::string(kind) == "gif" ? 6u : 2u);
      EXPECT_NE(img.error().find(knownKind ? ": truncated" : ": not a BMP or GIF picture"), std::string::npos)
          << kind << " cut to " << n << ": " << img.error();
    }
  }
}

Bytes Patched(Bytes b, std::size_t at, std::uint8_t value) {
  b.at(at) = value;
  return b;
}

struct BadFile {
  const char* name;
  Bytes bytes;
  const char* message;
};

TEST_F(ImageCodecs, GarbledFilesGiveOneLineErrors) {
  GifFixture badCode = kPlainGif;
  badCode.codes = {{4, 3}, {2, 3}, {7, 3}, {5, 3}};  // 7 is not made yet
  GifFixture endTooSoon = kPlainGif;
  endTooSoon.codes = {{4, 3}, {2, 3}, {5, 3}};
  const std::size_t minCodeSizeAt = 13 + 12 + 8 + 10;
  const std::vector<BadFile> cases{
      {"empty", {}, "not a BMP or GIF picture"},
      {"png", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13}, "not a BMP or GIF picture"},
      {"bmp2", Bmp(2, 1, 2, {}, Bytes(4, 1)), "unsupported BMP depth 2"},
      {"bmpRle", Bmp(2, 1, 8, Bytes(1024, 0), Bytes(4, 0), 1), "compressed"},
      {"bmpZeroWidth", Bmp(0, 1, 24, {}, Bytes(4, 0)), "bad BMP size"},
      {"bmpHuge", Bmp(100000, 100000, 24, {}, Bytes(4, 0)), "bad BMP size"},
      {"bmpPixelsBeyondEnd", Patched(kBmpNoPadding, 11, 0x40), "truncated"},
      {"bmpPaletteCut", Bmp(2, 1, 8, Bytes(10, 0), {}), "truncated"},
      {"gifCodeNotMade", Gif(badCode), "corrupt GIF image data"},
      {"gifEndsEarly", Gif(endTooSoon), "truncated"},
      {"gifMinCodeSize", Patched(Gif(kPlainGif), minCodeSizeAt, 12), "corrupt GIF image data"},
      {"gifNoImage", {'G', 'I', 'F', '8', '7', 'a', 1, 0, 1, 0, 0, 0, 0, 0x3B}, "GIF holds no image"},
      {"gifUnknownBlock", {'G', 'I', 'F', '8', '7', 'a', 1, 0, 1, 0, 0, 0, 0, 0x99}, "corrupt GIF block"},
      {"gifZeroSize", Patched(Patched(Gif(kPlainGif), minCodeSizeAt - 5, 0), minCodeSizeAt - 4, 0), "bad GIF image size"},
  };
  ASSERT_EQ(Gif(kPlainGif)[minCodeSizeAt], 2);
  for (const BadFile& c : cases) {
    const fs::path p = Write(c.name, c.bytes);
    const auto img = LoadPicture(p);
    ASSERT_FALSE(img.ok()) << c.name;
    EXPECT_EQ(img.error().rfind(p.string() + ": ", 0), 0u) << c.name << ": " << img.error();
    EXPECT_NE(img.error().find(c.message), std::string::npos) << c.name << ": " << img.error();
    EXPECT_EQ(img.error().find('\n'), std::string::npos) << c.name;
  }
}

TEST_F(ImageCodecs, MissingFileCannotBeOpened) {
  const auto img = LoadPicture(dir_ / "nothing.bmp");
  ASSERT_FALSE(img.ok());
  EXPECT_EQ(img.error(), "cannot open " + (dir_ / "nothing.bmp").string());
}

// Changed bytes anywhere in a valid file: a picture of the stated size or an error, never a crash.
TEST_F(ImageCodecs, ChangedBytesNeverBreakTheReader) {
  const std::vector<Bytes> files{kBmpNoPadding, Bmp(3, 2, 8, Bytes(12, 0x40), Bytes(8, 2), 0, 3), Gif(kPlainGif),
                                 Gif({2, 6, kGlobal, 1, 1, 1, 5, true, kLocal,
                                      {{4, 3}, {0, 3}, {3, 3}, {2, 3}, {1, 4}, {1, 4}, {5, 4}}})};
  std::uint32_t seed = 7;
  const auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
  };
  for (const Bytes& original : files) {
    for (int round = 0; round < 150; ++round) {
      Bytes b = original;
      for (int k = 0; k < 3; ++k) b[next() % b.size()] = static_cast<std::uint8_t>(next());
      const auto img = LoadPicture(Write("fuzz", b));
      if (img.ok()) {
        EXPECT_EQ(img.value().pixels.size(),
                  static_cast<std::size_t>(img.value().width) * static_cast<std::size_t>(img.value().height));
      } else {
        EXPECT_FALSE(img.error().empty());
      }
    }
  }
}

Bytes ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::uint32_t BigEndian(const Bytes& b, std::size_t at) {
  return (static_cast<std::uint32_t>(b.at(at)) << 24) | (static_cast<std::uint32_t>(b.at(at + 1)) << 16) |
         (static_cast<std::uint32_t>(b.at(at + 2)) << 8) | b.at(at + 3);
}

TEST_F(ImageCodecs, SavePngWritesSignatureHeaderAndRowsWithCrcs) {
  Image img;
  img.width = 3;
  img.height = 2;
  img.pixels = {0x102030, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000};
  const fs::path p = dir_ / "shot.png";
  const auto saved = SavePng(p, img);
  ASSERT_TRUE(saved.ok()) << saved.error();
  EXPECT_FALSE(fs::exists(dir_ / "shot.png.tmp"));
  const Bytes png = ReadAll(p);
  ASSERT_GE(png.size(), 33u + 12u + 12u);
  EXPECT_EQ(Bytes(png.begin(), png.begin() + 8), (Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
  EXPECT_EQ(BigEndian(png, 8), 13u);
  EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
  EXPECT_EQ(BigEndian(png, 16), 3u);
  EXPECT_EQ(BigEndian(png, 20), 2u);
  EXPECT_EQ(Bytes(png.begin() + 24, png.begin() + 29), (Bytes{8, 2, 0, 0, 0}));
  EXPECT_EQ(BigEndian(png, 29), crc32(0, png.data() + 12, 17));

  // The IDAT chunk: filter byte 0 and red-green-blue for each row.
  const std::uint32_t idatLength = BigEndian(png, 33);
  ASSERT_EQ(std::string(png.begin() + 37, png.begin() + 41), "IDAT");
  ASSERT_LE(41u + idatLength + 4u + 12u, png.size());
  EXPECT_EQ(BigEndian(png, 41 + idatLength), crc32(0, png.data() + 37, idatLength + 4));
  Bytes raw(64);
  uLongf rawSize = raw.size();
  ASSERT_EQ(uncompress(raw.data(), &rawSize, png.data() + 41, idatLength), Z_OK);
  raw.resize(rawSize);
  EXPECT_EQ(raw, (Bytes{0, 0x10, 0x20, 0x30, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0}));
  EXPECT_EQ(std::string(png.end() - 8, png.end() - 4), "IEND");
}

TEST_F(ImageCodecs, SavePngFailureLeavesNoFile) {
  Image img;
  img.width = 1;
  img.height = 1;
  img.pixels = {0xFFFFFF};
  const fs::path p = dir_ / "no-such-folder" / "shot.png";
  const auto saved = SavePng(p, img);
  ASSERT_FALSE(saved.ok());
  EXPECT_NE(saved.error().find("cannot write"), std::string::npos) << saved.error();
  EXPECT_FALSE(fs::exists(p));
  EXPECT_FALSE(SavePng(dir_ / "empty.png", Image{}).ok());
  EXPECT_FALSE(fs::exists(dir_ / "empty.png"));
}

TEST_F(ImageCodecs, SavePngReplacesAnOldFile) {
  Image img;
  img.width = 2;
  img.height = 1;
  img.pixels = {1, 2};
  const fs::path p = Write("old.png", Bytes(5000, 'x'));
  ASSERT_TRUE(SavePng(p, img).ok());
  const Bytes png = ReadAll(p);
  EXPECT_LT(png.size(), 200u);
  EXPECT_EQ(png.at(1), 'P');
}

}  // namespace
}  // namespace kv
