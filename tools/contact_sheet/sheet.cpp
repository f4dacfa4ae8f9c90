#include "tools/contact_sheet/sheet.h"

#include <algorithm>

namespace kv::contact {
namespace {

constexpr int kGap = 6;
constexpr int kCheck = 6;
constexpr std::uint32_t kPaper = 0x202428;
const ui::FontSpec kTitleFont{10, true, ui::Face::Sans};
const ui::FontSpec kLabelFont{8, false, ui::Face::Sans};

struct Placed {
  int x, y;
  const Tile* tile;
  int zoom;
};

int CellWidth(const Tile& t) { return std::max(t.picture.width * ZoomFor(t.picture), 24); }
int CellHeight(const Tile& t) { return t.picture.height * ZoomFor(t.picture); }

void FillRect(Image& img, int x0, int y0, int w, int h, std::uint32_t colour) {
  for (int y = std::max(0, y0); y < std::min(img.height, y0 + h); ++y) {
    for (int x = std::max(0, x0); x < std::min(img.width, x0 + w); ++x) {
      img.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(img.width) + x] = colour;
    }
  }
}

// The picture enlarged by zoom over a grey checkerboard; black pixels let the board show.
void DrawOnBoard(Image& sheet, const Image& pic, int x0, int y0, int zoom) {
  for (int y = 0; y < pic.height * zoom; ++y) {
    for (int x = 0; x < pic.width * zoom; ++x) {
      const std::uint32_t p = pic.At(x / zoom, y / zoom);
      const bool light = ((x / kCheck) + (y / kCheck)) % 2 == 0;
      const std::uint32_t board = light ? 0x9A9A9A : 0x6A6A6A;
      const int sx = x0 + x, sy = y0 + y;
      if (sx < sheet.width && sy < sheet.height) {
        sheet.pixels[static_cast<std::size_t>(sy) * static_cast<std::size_t>(sheet.width) + sx] = p == 0 ? board : p;
      }
    }
  }
}

}  // namespace

int ZoomFor(const Image& picture) {
  const int big = std::max(picture.width, picture.height);
  return big <= 12 ? 4 : big <= 24 ? 3 : big <= 50 ? 2 : 1;
}

Image RenderSheet(const std::vector<Row>& rows, const render::Fonts& fonts, int maxWidth) {
  const int titleH = fonts.LineHeightPx(kTitleFont) + 2;
  const int labelH = fonts.LineHeightPx(kLabelFont) + 1;
  std::vector<Placed> placed;
  std::vector<std::pair<int, const Row*>> titles;
  int y = kGap, width = 0;
  for (const Row& row : rows) {
    titles.emplace_back(y, &row);
    width = std::max(width, fonts.TextWidthPx(kTitleFont, row.title) + 2 * kGap);
    y += titleH;
    int x = kGap, lineH = 0;
    for (const Tile& t : row.tiles) {
      if (x > kGap && x + CellWidth(t) > maxWidth - kGap) {
        x = kGap;
        y += lineH + labelH + kGap;
        lineH = 0;
      }
      placed.push_back({x, y, &t, ZoomFor(t.picture)});
      x += CellWidth(t) + kGap;
      width = std::max(width, x);
      lineH = std::max(lineH, CellHeight(t));
    }
    y += lineH + labelH + 2 * kGap;
  }
  Image sheet;
  sheet.width = std::max(width, 200);
  sheet.height = y;
  sheet.pixels.assign(static_cast<std::size_t>(sheet.width) * static_cast<std::size_t>(sheet.height), kPaper);
  for (const auto& [ty, row] : titles) {
    fonts.DrawText(sheet, kGap, ty, kTitleFont, row->title, 0xF0F0F0, 0, 0, sheet.width, sheet.height);
  }
  for (const Placed& p : placed) {
    DrawOnBoard(sheet, p.tile->picture, p.x, p.y, p.zoom);
    FillRect(sheet, p.x, p.y + CellHeight(*p.tile), CellWidth(*p.tile), 1, 0x505860);
    fonts.DrawText(sheet, p.x, p.y + CellHeight(*p.tile) + 1, kLabelFont, p.tile->label, 0x80E0FF, 0, 0, sheet.width,
                   sheet.height);
  }
  return sheet;
}

}  // namespace kv::contact
