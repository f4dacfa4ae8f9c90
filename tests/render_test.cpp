#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/image.h"
#include "platform/render/render.h"
#include "platform/ui.h"

namespace kv::render {
namespace {

constexpr int T = ui::kTwipsPerPixel;

Image Solid(int w, int h, std::uint32_t rgb) {
  Image img;
  img.width = w;
  img.height = h;
  img.pixels.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), rgb);
  return img;
}

struct Box {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // inclusive; right < left when empty
  bool Empty() const { return right < left; }
};

// The bounding box of the pixels for which pick is true, searched in [x0, x1) x [y0, y1).
template <class Pick>
Box Find(const Image& img, Pick pick, int x0 = 0, int y0 = 0, int x1 = 1 << 30, int y1 = 1 << 30) {
  Box b;
  for (int y = y0; y < std::min(y1, img.height); ++y) {
    for (int x = x0; x < std::min(x1, img.width); ++x) {
      if (!pick(img.At(x, y))) continue;
      b.left = std::min(b.left, x);
      b.right = std::max(b.right, x);
      b.top = std::min(b.top, y);
      b.bottom = std::max(b.bottom, y);
    }
  }
  return b;
}

class Render : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    auto loaded = Fonts::Load();
    ASSERT_TRUE(loaded.ok()) << loaded.error();
    fonts_ = std::move(loaded.value()).release();
  }
  static void TearDownTestSuite() {
    delete fonts_;
    fonts_ = nullptr;
  }

  Image Paint(const ui::Window& w) const {
    Image out = Solid(3, 3, 0x123456);  // a stale frame of another size
    RenderWindow(w, *fonts_, out);
    return out;
  }

  static const Fonts* fonts_;
};

const Fonts* Render::fonts_ = nullptr;

TEST_F(Render, RootTakesTheClientSizeAndItsBackColourTurnedToRgb) {
  ui::Window w(fonts_, 5, 4, "t");
  w.Root().SetBackColor(0x332211);
  const Image img = Paint(w);
  ASSERT_EQ(img.width, 5);
  ASSERT_EQ(img.height, 4);
  EXPECT_EQ(img.pixels, std::vector<std::uint32_t>(20, 0x112233));
}

TEST_F(Render, BlackPixelsOfAPictureShowTheBackground) {
  ui::Window w(fonts_, 8, 6, "t");
  w.Root().SetBackColor(0x0000FF);
  Image sprite = Solid(3, 3, 0x00FF00);
  sprite.pixels[4] = 0x000000;
  w.Root().DrawPicture(sprite, 2 * T, 1 * T);
  const Image img = Paint(w);
  EXPECT_EQ(img.At(3, 2), 0xFF0000u);
  EXPECT_EQ(img.At(2, 1), 0x00FF00u);
  EXPECT_EQ(img.At(4, 3), 0x00FF00u);
  EXPECT_EQ(img.At(5, 1), 0xFF0000u);
  EXPECT_EQ(img.At(1, 1), 0xFF0000u);
}

TEST_F(Render, BackgroundPictureIsOpaque) {
  ui::Window w(fonts_, 4, 4, "t");
  w.Root().SetBackColor(0x0000FF);
  Image back = Solid(2, 2, 0x00FF00);
  back.pixels[3] = 0x000000;
  w.Root().Picture = &back;
  const Image img = Paint(w);
  EXPECT_EQ(img.At(0, 0), 0x00FF00u);
  EXPECT_EQ(img.At(1, 1), 0x000000u);
  EXPECT_EQ(img.At(2, 2), 0xFF0000u);
}

TEST_F(Render, PicturesAndPixelsAreClippedToTheirSurface) {
  ui::Window w(fonts_, 10, 10, "t");
  w.Root().SetBackColor(0xFFFFFF);
  auto& s = w.Root().Add<ui::Surface>();
  s.Move(2 * T, 2 * T, 4 * T, 4 * T);
  s.SetBackColor(0x808080);
  const Image sprite = Solid(3, 3, 0x00FF00);
  s.DrawPicture(sprite, -2 * T, -1 * T);  // only its right column, two rows, is inside
  s.DrawPicture(sprite, 3 * T, 3 * T);    // only its top-left pixel is inside
  s.PSet(1 * T, 0, 0x0000FF);
  s.PSet(5 * T, 1 * T, 0x0000FF);  // beyond the right edge
  s.PSet(-1 * T, 1 * T, 0x0000FF);
  const Image img = Paint(w);
  const Box green = Find(img, [](std::uint32_t p) { return p == 0x00FF00; });
  EXPECT_EQ(img.At(2, 2), 0x00FF00u);
  EXPECT_EQ(img.At(2, 3), 0x00FF00u);
  EXPECT_EQ(img.At(2, 4), 0x808080u);
  EXPECT_EQ(img.At(5, 5), 0x00FF00u);
  EXPECT_EQ(green.left, 2);
  EXPECT_EQ(green.top, 2);
  EXPECT_EQ(green.right, 5);
  EXPECT_EQ(green.bottom, 5);
  EXPECT_EQ(img.At(6, 6), 0xFFFFFFu);
  EXPECT_EQ(img.At(1, 2), 0xFFFFFFu);
  EXPECT_EQ(img.At(3, 2), 0xFF0000u);
  const Box red = Find(img, [](std::uint32_t p) { return p == 0xFF0000; });
  EXPECT_EQ(red.left, 3);
  EXPECT_EQ(red.right, 3);
  EXPECT_EQ(red.top, 2);
  EXPECT_EQ(red.bottom, 2);
}

TEST_F(Render, ChildIsClippedToItsParentAndGrandparent) {
  ui::Window w(fonts_, 12, 12, "t");
  w.Root().SetBackColor(0xFFFFFF);
  auto& parent = w.Root().Add<ui::Surface>();
  parent.Move(1 * T, 1 * T, 4 * T, 4 * T);
  parent.SetBackColor(0xFF0000);
  auto& child = parent.Add<ui::Surface>();
  child.Move(2 * T, 2 * T, 10 * T, 10 * T);
  child.SetBackColor(0x0000FF);
  auto& grandchild = child.Add<ui::Shape>();
  grandchild.Move(-3 * T, -3 * T, 20 * T, 1 * T);  // reaches out of both above and to the left
  grandchild.FillColor = 0x00FF00;
  const Image img = Paint(w);
  const Box red = Find(img, [](std::uint32_t p) { return p == 0xFF0000; });
  EXPECT_EQ(red.left, 3);
  EXPECT_EQ(red.top, 3);
  EXPECT_EQ(red.right, 4);
  EXPECT_EQ(red.bottom, 4);
  EXPECT_EQ(img.At(1, 1), 0x0000FFu);
  EXPECT_EQ(img.At(5, 5), 0xFFFFFFu);
  EXPECT_EQ(img.At(5, 3), 0xFFFFFFu);
  // The grandchild's row (y = 0) lies above the parent: nothing of it shows.
  EXPECT_TRUE(Find(img, [](std::uint32_t p) { return p == 0x00FF00; }).Empty());
}

TEST_F(Render, HiddenElementsAndTheirChildrenAreNotPainted) {
  ui::Window w(fonts_, 6, 6, "t");
  w.Root().SetBackColor(0xFFFFFF);
  auto& hidden = w.Root().Add<ui::Surface>();
  hidden.Move(0, 0, 3 * T, 3 * T);
  hidden.SetBackColor(0xFF0000);
  hidden.Visible = false;
  auto& inside = hidden.Add<ui::Shape>();
  inside.Move(0, 0, 2 * T, 2 * T);
  inside.FillColor = 0x00FF00;
  auto& shown = w.Root().Add<ui::Shape>();
  shown.Move(3 * T, 3 * T, 2 * T, 2 * T);
  shown.FillColor = 0x0000FF;
  auto& hiddenShape = w.Root().Add<ui::Shape>();
  hiddenShape.Move(4 * T, 4 * T, 2 * T, 2 * T);
  hiddenShape.FillColor = 0x00FF00;
  hiddenShape.Visible = false;
  const Image img = Paint(w);
  EXPECT_EQ(img.At(0, 0), 0xFFFFFFu);
  EXPECT_EQ(img.At(2, 2), 0xFFFFFFu);
  EXPECT_EQ(img.At(3, 3), 0xFF0000u);
  EXPECT_EQ(img.At(4, 4), 0xFF0000u);
  EXPECT_EQ(img.At(5, 5), 0xFFFFFFu);
}

TEST_F(Render, LaterElementsAreOverEarlierOnesAndChildrenOverThePicture) {
  ui::Window w(fonts_, 4, 1, "t");
  w.Root().SetBackColor(0x000000);
  w.Root().PSet(0, 0, 0x0000FF);
  w.Root().PSet(1 * T, 0, 0x0000FF);
  auto& a = w.Root().Add<ui::Shape>();
  a.Move(1 * T, 0, 2 * T, 1 * T);
  a.FillColor = 0x00FF00;
  auto& b = w.Root().Add<ui::Shape>();
  b.Move(2 * T, 0, 2 * T, 1 * T);
  b.FillColor = 0xFF0000;
  const Image img = Paint(w);
  EXPECT_EQ(img.pixels, (std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0x0000FF}));
}

TEST_F(Render, OutlinedShapePaintsOnlyItsEdgePixels) {
  ui::Window w(fonts_, 7, 6, "t");
  w.Root().SetBackColor(0xFFFFFF);
  auto& s = w.Root().Add<ui::Shape>();
  s.Move(1 * T, 1 * T, 4 * T, 3 * T);
  s.Filled = false;
  s.Outlined = true;
  s.BorderColor = 0x0000FF;
  const Image img = Paint(w);
  for (int y = 0; y < img.height; ++y) {
    for (int x = 0; x < img.width; ++x) {
      const bool inside = x >= 1 && x <= 4 && y >= 1 && y <= 3;
      const bool edge = inside && (x == 1 || x == 4 || y == 1 || y == 3);
      EXPECT_EQ(img.At(x, y), edge ? 0xFF0000u : 0xFFFFFFu) << x << "," << y;
    }
  }
  s.Filled = true;
  s.FillColor = 0x00FF00;
  const Image filled = Paint(w);
  EXPECT_EQ(filled.At(2, 2), 0x00FF00u);
  EXPECT_EQ(filled.At(3, 2), 0x00FF00u);
  EXPECT_EQ(filled.At(1, 2), 0xFF0000u);
}

TEST_F(Render, TwipsRoundToTheNearestPixel) {
  struct Case {
    int twips, pixel;
  };
  for (const Case c : {Case{7, 0}, Case{8, 1}, Case{22, 1}, Case{23, 2}, Case{45, 3}, Case{-7, 0}}) {
    ui::Window w(fonts_, 6, 1, "t");
    auto& parent = w.Root().Add<ui::Surface>();
    parent.Move(2 * T, 0, 4 * T, T);
    auto& s = parent.Add<ui::Shape>();
    s.Move(c.twips, 0, T, T);
    s.FillColor = 0xFFFFFF;
    const Image img = Paint(w);
    const Box b = Find(img, [](std::uint32_t p) { return p == 0xFFFFFF; });
    EXPECT_EQ(b.left, 2 + c.pixel) << c.twips;
    EXPECT_EQ(b.right, 2 + c.pixel) << c.twips;
  }
}

bool Ink(std::uint32_t p) { return p != 0x000000; }

TEST_F(Render, LabelTextIsInItsForeColourInsideTheLabel) {
  ui::Window w(fonts_, 80, 30, "t");
  w.Root().SetBackColor(0x00FF00);
  auto& l = w.Root().Add<ui::Label>();
  l.Move(10 * T, 5 * T, 50 * T, 20 * T);
  l.BackColor = 0x000000;
  l.ForeColor = 0x0000FF;
  l.SetFont({12, true, ui::Face::Sans});
  l.SetCaption("Il");
  const Image img = Paint(w);
  const Box ink = Find(img, [](std::uint32_t p) { return p != 0x000000 && p != 0x00FF00; });
  ASSERT_FALSE(ink.Empty());
  EXPECT_GE(ink.left, 10);
  EXPECT_GE(ink.top, 5);
  EXPECT_LE(ink.right, 59);
  EXPECT_LE(ink.bottom, 24);
  // Red on black: anti-aliasing only darkens the red, blue and green stay out.
  EXPECT_FALSE(Find(img, [](std::uint32_t p) { return p == 0xFF0000; }).Empty());
  EXPECT_TRUE(Find(img, [](std::uint32_t p) { return p != 0x00FF00 && (p & 0x00FFFF) != 0; }).Empty());
}

TEST_F(Render, TransparentLabelLeavesItsBackgroundUnpainted) {
  ui::Window w(fonts_, 60, 20, "t");
  w.Root().SetBackColor(0xFF0000);
  auto& l = w.Root().Add<ui::Label>();
  l.Move(0, 0, 60 * T, 20 * T);
  l.BackColor = 0x00FF00;
  l.Transparent = true;
  l.SetCaption("Hi");
  const Image img = Paint(w);
  EXPECT_EQ(img.At(59, 19), 0x0000FFu);
  EXPECT_TRUE(Find(img, [](std::uint32_t p) { return p == 0x00FF00; }).Empty());
  EXPECT_FALSE(Find(img, [](std::uint32_t p) { return p == 0xFFFFFF; }).Empty());
}

TEST_F(Render, LabelAlignmentPlacesTheTextWithinTheWidth) {
  ui::Window w(fonts_, 200, 20, "t");
  auto& l = w.Root().Add<ui::Label>();
  l.Move(0, 0, 200 * T, 20 * T);
  l.SetCaption("WW");
  const int textWidth = fonts_->TextWidthPx(l.Font(), "WW");
  l.Alignment = ui::Label::Align::Right;
  const Box right = Find(Paint(w), Ink);
  EXPECT_GE(right.left, 200 - textWidth - 1);
  EXPECT_GE(right.right, 196);
  l.Alignment = ui::Label::Align::Centre;
  const Box centre = Find(Paint(w), Ink);
  EXPECT_NEAR((centre.left + centre.right) / 2.0, 100.0, 2.0);
  l.Alignment = ui::Label::Align::Left;
  EXPECT_LE(Find(Paint(w), Ink).left, 1);
}

TEST_F(Render, WordWrapBreaksAtBlanksIntoStackedLines) {
  ui::Window w(fonts_, 100, 60, "t");
  auto& l = w.Root().Add<ui::Label>();
  const ui::FontSpec font{};
  const int lineHeight = fonts_->LineHeightPx(font);
  const int wordWidth = fonts_->TextWidthPx(font, "WW");
  l.Move(0, 0, (wordWidth + 2) * T, 60 * T);
  l.SetCaption("WW WW WW");
  const Box oneLine = Find(Paint(w), Ink);
  EXPECT_LT(oneLine.bottom, lineHeight);
  l.WordWrap = true;
  const Box wrapped = Find(Paint(w), Ink);
  EXPECT_GE(wrapped.bottom, 2 * lineHeight);
  EXPECT_LT(wrapped.bottom, 3 * lineHeight);
  EXPECT_LE(wrapped.right, wordWidth + 1);
}

TEST_F(Render, ButtonIsARaisedFaceWithItsCaptionCentred) {
  ui::Window w(fonts_, 80, 24, "t");
  auto& b = w.Root().Add<ui::Button>();
  b.Move(0, 0, 80 * T, 24 * T);
  b.Caption = "OK";
  const Image img = Paint(w);
  EXPECT_EQ(img.At(4, 4), 0xE0E0E0u);
  EXPECT_NE(img.At(0, 0), 0xE0E0E0u);
  EXPECT_NE(img.At(79, 23), 0xE0E0E0u);
  // Inside the outline and the light and shaded edges.
  const Box caption = Find(img, [](std::uint32_t p) { return (p & 0xFF) < 0x60; }, 2, 2, 78, 22);
  ASSERT_FALSE(caption.Empty());
  EXPECT_GT(caption.left, 2);
  EXPECT_NEAR((caption.left + caption.right) / 2.0, 40.0, 2.0);
  EXPECT_NEAR((caption.top + caption.bottom) / 2.0, 12.0, 3.0);
}

int CountBlack(const Image& img, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) n += img.At(x, y) == 0x000000 ? 1 : 0;
  }
  return n;
}

TEST_F(Render, CheckBoxShowsATickOnlyWhenChecked) {
  ui::Window w(fonts_, 80, 20, "t");
  auto& c = w.Root().Add<ui::CheckBox>();
  c.Move(0, 0, 80 * T, 20 * T);
  c.BackColor = 0xFFFFFF;
  c.ForeColor = 0x000000;
  c.Caption = "x";
  EXPECT_EQ(CountBlack(Paint(w), 1, 1, 12, 19), 0);
  c.Checked = true;
  EXPECT_GT(CountBlack(Paint(w), 1, 1, 12, 19), 4);
}

TEST_F(Render, OptionButtonIsFilledWhenSelected) {
  ui::Window w(fonts_, 80, 20, "t");
  auto& o = w.Root().Add<ui::OptionButton>();
  o.Move(0, 0, 80 * T, 20 * T);
  o.Caption = "x";
  EXPECT_EQ(Paint(w).At(6, 10), 0xFFFFFFu);
  o.Selected = true;
  EXPECT_EQ(Paint(w).At(6, 10), 0x000000u);
}

TEST_F(Render, SliderThumbFollowsTheValue) {
  ui::Window w(fonts_, 100, 20, "t");
  auto& s = w.Root().Add<ui::Slider>();
  s.Move(0, 0, 100 * T, 20 * T);
  s.Min = 1;
  s.Max = 60;
  const auto thumb = [&] { return Find(Paint(w), [](std::uint32_t p) { return p == 0xE0E0E0; }); };
  s.Value = 1;
  const Box low = thumb();
  s.Value = 60;
  const Box high = thumb();
  s.Value = 200;  // beyond Max: stays at the end
  const Box beyond = thumb();
  ASSERT_FALSE(low.Empty());
  EXPECT_LE(low.right, 12);
  EXPECT_GE(high.left, 88);
  EXPECT_EQ(beyond.left, high.left);
}

TEST_F(Render, TextBoxIsAWhiteBoxWithItsText) {
  ui::Window w(fonts_, 80, 20, "t");
  auto& t = w.Root().Add<ui::TextBox>();
  t.Move(0, 0, 80 * T, 20 * T);
  t.Text = "abc";
  const Image img = Paint(w);
  EXPECT_EQ(img.At(70, 10), 0xFFFFFFu);
  const Box text = Find(img, [](std::uint32_t p) { return (p & 0xFF) < 0x60; }, 1, 1, 79, 19);
  ASSERT_FALSE(text.Empty());
  EXPECT_GE(text.left, 2);
  EXPECT_LT(text.right, 40);
}

TEST_F(Render, FontsMeasureWiderTextWiderAndEmptyTextAsNothing) {
  const ui::FontSpec regular{8, false, ui::Face::Sans};
  const ui::FontSpec bold{8, true, ui::Face::Sans};
  const ui::FontSpec big{16, false, ui::Face::Sans};
  EXPECT_EQ(fonts_->TextWidthPx(regular, ""), 0);
  EXPECT_GT(fonts_->TextWidthPx(regular, "W"), 0);
  EXPECT_GT(fonts_->TextWidthPx(regular, "WW"), fonts_->TextWidthPx(regular, "W"));
  EXPECT_GT(fonts_->TextWidthPx(bold, "WWWW"), fonts_->TextWidthPx(regular, "WWWW"));
  EXPECT_GT(fonts_->TextWidthPx(big, "W"), fonts_->TextWidthPx(regular, "W"));
  EXPECT_GT(fonts_->LineHeightPx(big), fonts_->LineHeightPx(regular));
  // 8 points at 96 dpi are 11 pixels; a line of DejaVu Sans is a little more than that.
  EXPECT_GE(fonts_->LineHeightPx(regular), 11);
  EXPECT_LE(fonts_->LineHeightPx(regular), 15);
  EXPECT_GT(fonts_->TextWidthPx({8, false, ui::Face::Symbol}, "\xC2\xA4"), 0);
}

TEST_F(Render, DrawTextStaysInsideTheClipRectangle) {
  const ui::FontSpec font{14, true, ui::Face::Sans};
  Image full = Solid(60, 30, 0x000000);
  fonts_->DrawText(full, 2, 2, font, "WWW", 0xFFFFFF, 0, 0, 60, 30);
  const Box all = Find(full, Ink);
  ASSERT_FALSE(all.Empty());
  Image clipped = Solid(60, 30, 0x000000);
  const int mid = (all.left + all.right) / 2;
  fonts_->DrawText(clipped, 2, 2, font, "WWW", 0xFFFFFF, mid, 0, 60, 30);
  const Box part = Find(clipped, Ink);
  EXPECT_EQ(part.left, mid);
  EXPECT_EQ(part.right, all.right);
  for (int y = 0; y < 30; ++y) {
    for (int x = mid; x < 60; ++x) EXPECT_EQ(clipped.At(x, y), full.At(x, y));
  }
  Image outside = Solid(60, 30, 0x000000);
  fonts_->DrawText(outside, -100, -100, font, "WWW", 0xFFFFFF, -500, -500, 500, 500);
  EXPECT_TRUE(Find(outside, Ink).Empty());
}

}  // namespace
}  // namespace kv::render
