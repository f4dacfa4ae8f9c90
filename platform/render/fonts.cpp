// Text measuring and drawing with FreeType. Glyph bitmaps are rendered once per face, pixel size
// and character and kept, so a frame's labels cost only blending.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/numbers.h"
#include "platform/render/colour.h"
#include "platform/render/render.h"
#include "platform/render/utf8.h"

namespace kv::render {
namespace {

constexpr const char* kRegularPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* kBoldPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

struct Glyph {
  int left = 0;  // bitmap offset from the pen position, pixels
  int top = 0;   // bitmap top above the baseline, pixels
  int width = 0;
  int height = 0;
  long advance = 0;  // 26.6 fixed point
  std::vector<std::uint8_t> coverage;
};

struct SizeMetrics {
  int ascender = 0;  // pixels above the baseline
  int lineHeight = 0;
};

int PixelSize(const ui::FontSpec& font) {
  return std::max(1, static_cast<int>(RoundHalfEven(font.sizePt * 96.0 / 72.0)));
}

// The symbol face is the sans face: DejaVu Sans holds the currency sign it is used for.
int FaceIndex(const ui::FontSpec& font) { return font.bold ? 1 : 0; }

std::uint64_t GlyphKey(int face, int px, char32_t codepoint) {
  return (static_cast<std::uint64_t>(face) << 56) | (static_cast<std::uint64_t>(px & 0xFFFF) << 32) | codepoint;
}

std::uint32_t Blend(std::uint32_t dst, std::uint32_t src, unsigned alpha) {
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const unsigned d = (dst >> shift) & 0xFF;
    const unsigned s = (src >> shift) & 0xFF;
    const unsigned v = (s * alpha + d * (255 - alpha) + 127) / 255;
    out |= static_cast<std::uint32_t>(v) << shift;
  }
  return out;
}

}  // namespace

struct Fonts::Impl {
  FT_Library library = nullptr;
  std::array<FT_Face, 2> faces{};
  std::array<int, 2> facePx{};  // the pixel size each face is currently set to
  mutable std::mutex mutex;
  std::unordered_map<std::uint64_t, Glyph> glyphs;
  std::unordered_map<std::uint64_t, SizeMetrics> sizes;

  ~Impl() {
    for (FT_Face f : faces) {
      if (f != nullptr) FT_Done_Face(f);
    }
    if (library != nullptr) FT_Done_FreeType(library);
  }

  void SetSize(int face, int px) {
    if (facePx[static_cast<std::size_t>(face)] == px) return;
    FT_Set_Pixel_Sizes(faces[static_cast<std::size_t>(face)], 0, static_cast<FT_UInt>(px));
    facePx[static_cast<std::size_t>(face)] = px;
  }

  const SizeMetrics& Metrics(int face, int px) {
    const std::uint64_t key = GlyphKey(face, px, 0);
    if (auto it = sizes.find(key); it != sizes.end()) return it->second;
    SetSize(face, px);
    const FT_Size_Metrics& m = faces[static_cast<std::size_t>(face)]->size->metrics;
    SizeMetrics s{static_cast<int>((m.ascender + 32) >> 6), static_cast<int>((m.ascender - m.descender + 32) >> 6)};
    return sizes.emplace(key, s).first->second;
  }

  const Glyph& GlyphOf(int face, int px, char32_t codepoint) {
    const std::uint64_t key = GlyphKey(face, px, codepoint);
    if (auto it = glyphs.find(key); it != glyphs.end()) return it->second;
    SetSize(face, px);
    FT_Face f = faces[static_cast<std::size_t>(face)];
    Glyph g;
    if (FT_Load_Char(f, codepoint, FT_LOAD_RENDER) == 0) {
      const FT_GlyphSlot slot = f->glyph;
      const FT_Bitmap& bm = slot->bitmap;
      g.left = slot->bitmap_left;
      g.top = slot->bitmap_top;
      g.width = static_cast<int>(bm.width);
      g.height = static_cast<int>(bm.rows);
      g.advance = slot->advance.x;
      g.coverage.resize(static_cast<std::size_t>(g.width) * static_cast<std::size_t>(g.height));
      for (int y = 0; y < g.height; ++y) {
        const unsigned char* row = bm.buffer + static_cast<std::ptrdiff_t>(y) * bm.pitch;
        std::copy(row, row + g.width, g.coverage.begin() + static_cast<std::ptrdiff_t>(y) * g.width);
      }
    }
    return glyphs.emplace(key, std::move(g)).first->second;
  }
};

Fonts::Fonts(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Fonts::~Fonts() = default;

Result<std::unique_ptr<Fonts>> Fonts::Load() {
  using R = Result<std::unique_ptr<Fonts>>;
  auto impl = std::make_unique<Impl>();
  if (FT_Init_FreeType(&impl->library) != 0) return R::Error("cannot start the font library");
  const std::array<const char*, 2> paths{kRegularPath, kBoldPath};
  for (std::size_t i = 0; i < paths.size(); ++i) {
    if (!std::filesystem::exists(paths[i])) {
      return R::Error(std::string("font not found: ") + paths[i] + " (install fonts-dejavu-core)");
    }
    if (FT_New_Face(impl->library, paths[i], 0, &impl->faces[i]) != 0) {
      impl->faces[i] = nullptr;
      return R::Error(std::string("cannot read font ") + paths[i]);
    }
  }
  return std::unique_ptr<Fonts>(new Fonts(std::move(impl)));
}

int Fonts::TextWidthPx(const ui::FontSpec& font, std::string_view text) const {
  const std::lock_guard lock(impl_->mutex);
  const int face = FaceIndex(font);
  const int px = PixelSize(font);
  long pen = 0;
  for (Utf8Reader chars(text); auto c = chars.Next();) pen += impl_->GlyphOf(face, px, *c).advance;
  return static_cast<int>((pen + 32) >> 6);
}

int Fonts::LineHeightPx(const ui::FontSpec& font) const {
  const std::lock_guard lock(impl_->mutex);
  return impl_->Metrics(FaceIndex(font), PixelSize(font)).lineHeight;
}

// The clip rectangle is half-open: clipRight and clipBottom are the first columns and rows left out.
void Fonts::DrawText(Image& target, int x, int y, const ui::FontSpec& font, std::string_view text, ui::Colour colour,
                     int clipLeft, int clipTop, int clipRight, int clipBottom) const {
  const std::lock_guard lock(impl_->mutex);
  const int face = FaceIndex(font);
  const int px = PixelSize(font);
  const int left = std::max(clipLeft, 0);
  const int top = std::max(clipTop, 0);
  const int right = std::min(clipRight, target.width);
  const int bottom = std::min(clipBottom, target.height);
  if (left >= right || top >= bottom) return;
  const std::uint32_t rgb = ToRgb(colour);
  const int baseline = y + impl_->Metrics(face, px).ascender;
  long pen = 0;
  for (Utf8Reader chars(text); auto c = chars.Next();) {
    const Glyph& g = impl_->GlyphOf(face, px, *c);
    const int gx = x + static_cast<int>((pen + 32) >> 6) + g.left;
    const int gy = baseline - g.top;
    pen += g.advance;
    const int x0 = std::max(gx, left), x1 = std::min(gx + g.width, right);
    const int y0 = std::max(gy, top), y1 = std::min(gy + g.height, bottom);
    for (int py = y0; py < y1; ++py) {
      const std::uint8_t* cov = g.coverage.data() + static_cast<std::ptrdiff_t>(py - gy) * g.width;
      std::uint32_t* dst = target.pixels.data() + static_cast<std::ptrdiff_t>(py) * target.width;
      for (int px2 = x0; px2 < x1; ++px2) {
        const unsigned a = cov[px2 - gx];
        if (a == 255) {
          dst[px2] = rgb;
        } else if (a != 0) {
          dst[px2] = Blend(dst[px2], rgb, a);
        }
      }
    }
  }
}

}  // namespace kv::render
