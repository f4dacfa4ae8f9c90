// Paints a window's element tree: each element in its own look, clipped to its parent, children
// over their parent in the order they were added.
#include <algorithm>
#include <string>
#include <string_view>

#include "platform/numbers.h"
#include "platform/render/colour.h"
#include "platform/render/painter.h"
#include "platform/render/render.h"
#include "platform/render/text_layout.h"

namespace kv::render {
namespace {

constexpr std::uint32_t kDarkGrey = 0x404040;
constexpr std::uint32_t kMidGrey = 0x808080;
constexpr std::uint32_t kShadow = 0xA0A0A0;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr ui::Colour kDisabledText = 0x808080;
constexpr int kBoxSize = 13;      // check box square and option circle
constexpr int kCaptionGap = 5;    // from the box to the caption
constexpr int kThumbWidth = 11;   // slider thumb
constexpr int kTextPadding = 3;   // inside a text box

int ToPx(int twips) { return static_cast<int>(RoundHalfEven(twips / static_cast<double>(ui::kTwipsPerPixel))); }

// A caption as it is shown: an "&" is left out and marks the next character as the access key,
// which is underlined; "&&" shows one "&".
struct ShownCaption {
  std::string text;
  std::size_t keyAt = std::string::npos;  // byte offset of the access key in text
  std::size_t keyBytes = 0;
};

std::size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

ShownCaption Shown(std::string_view caption) {
  ShownCaption out;
  out.text.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) {
      ++i;
      if (caption[i] != '&' && out.keyAt == std::string::npos) {
        out.keyAt = out.text.size();
        out.keyBytes = std::min(Utf8Length(static_cast<unsigned char>(caption[i])), caption.size() - i);
      }
    }
    out.text.push_back(caption[i]);
  }
  return out;
}

class TreePainter {
 public:
  TreePainter(const Fonts& fonts, Image& target) : fonts_(fonts), paint_(target) {}

  void Element(const ui::Element& e, int originX, int originY, const Rect& parentClip) const;

 private:
  void Surface(const ui::Surface& s, const Rect& r, const Rect& clip) const;
  void Label(const ui::Label& l, const Rect& r, const Rect& clip) const;
  void Shape(const ui::Shape& s, const Rect& r, const Rect& clip) const;
  void Button(const ui::Button& b, const Rect& r, const Rect& clip) const;
  void CheckBox(const ui::CheckBox& c, const Rect& r, const Rect& clip) const;
  void OptionButton(const ui::OptionButton& o, const Rect& r, const Rect& clip) const;
  void Slider(const ui::Slider& s, const Rect& r, const Rect& clip) const;
  void TextBox(const ui::TextBox& t, const Rect& r, const Rect& clip) const;
  void RaisedFace(const Rect& r, std::uint32_t face, const Rect& clip) const;
  void FocusMark(const Rect& r, std::uint32_t rgb, const Rect& clip) const;
  void AccessText(int x, int y, const ui::FontSpec& font, const ShownCaption& caption, ui::Colour colour,
                  const Rect& clip) const;
  void Text(int x, int y, const ui::FontSpec& font, std::string_view text, ui::Colour colour, const Rect& clip) const;
  void CaptionBeside(const ui::Element& e, const Rect& r, const ui::FontSpec& font, const std::string& caption,
                     const Rect& clip) const;

  const Fonts& fonts_;
  Painter paint_;
};

ui::Colour TextColour(const ui::Element& e) { return e.Enabled ? e.ForeColor : kDisabledText; }

void TreePainter::Element(const ui::Element& e, int originX, int originY, const Rect& parentClip) const {
  if (!e.Visible) return;
  const int left = originX + ToPx(e.Left);
  const int top = originY + ToPx(e.Top);
  const Rect r{left, top, left + std::max(0, ToPx(e.Width)), top + std::max(0, ToPx(e.Height))};
  const Rect clip = r.Intersect(parentClip);
  if (clip.Empty()) return;  // neither the element nor its children can show
  switch (e.kind()) {
    case ui::Element::Kind::Surface:
      Surface(static_cast<const ui::Surface&>(e), r, clip);
      break;
    case ui::Element::Kind::Label:
      Label(static_cast<const ui::Label&>(e), r, clip);
      break;
    case ui::Element::Kind::Shape:
      Shape(static_cast<const ui::Shape&>(e), r, clip);
      break;
    case ui::Element::Kind::Button:
      Button(static_cast<const ui::Button&>(e), r, clip);
      break;
    case ui::Element::Kind::CheckBox:
      CheckBox(static_cast<const ui::CheckBox&>(e), r, clip);
      break;
    case ui::Element::Kind::OptionButton:
      OptionButton(static_cast<const ui::OptionButton&>(e), r, clip);
      break;
    case ui::Element::Kind::Slider:
      Slider(static_cast<const ui::Slider&>(e), r, clip);
      break;
    case ui::Element::Kind::TextBox:
      TextBox(static_cast<const ui::TextBox&>(e), r, clip);
      break;
  }
  for (const auto& child : e.children()) Element(*child, left, top, clip);
}

void TreePainter::Surface(const ui::Surface& s, const Rect& r, const Rect& clip) const {
  paint_.Fill(r, ToRgb(s.BackColor), clip);
  if (s.Picture != nullptr) paint_.Blit(*s.Picture, r.left, r.top, false, clip);
  for (const ui::DrawCommand& c : s.Commands()) {
    if (c.op == ui::DrawCommand::Op::Pixel) {
      paint_.Pixel(r.left + c.x, r.top + c.y, ToRgb(c.colour), clip);
    } else if (c.image != nullptr) {
      paint_.Blit(*c.image, r.left + c.x, r.top + c.y, true, clip);
    }
  }
  if (s.Border) paint_.Outline(r, kDarkGrey, clip);
}

void TreePainter::Text(int x, int y, const ui::FontSpec& font, std::string_view text, ui::Colour colour,
                       const Rect& clip) const {
  if (text.empty()) return;
  fonts_.DrawText(paint_.target(), x, y, font, text, colour, clip.left, clip.top, clip.right, clip.bottom);
}

void TreePainter::Label(const ui::Label& l, const Rect& r, const Rect& clip) const {
  if (!l.Transparent) paint_.Fill(r, ToRgb(l.BackColor), clip);
  const int width = r.right - r.left;
  const int lineHeight = fonts_.LineHeightPx(l.Font());
  int y = r.top;
  ForEachLine(fonts_, l.Font(), l.Caption(), l.WordWrap, width, [&](std::string_view line) {
    int x = r.left;
    if (l.Alignment != ui::Label::Align::Left) {
      const int spare = width - fonts_.TextWidthPx(l.Font(), line);
      x += l.Alignment == ui::Label::Align::Centre ? spare / 2 : spare;
    }
    Text(x, y, l.Font(), line, TextColour(l), clip);
    y += lineHeight;
  });
}

void TreePainter::Shape(const ui::Shape& s, const Rect& r, const Rect& clip) const {
  if (s.Filled) paint_.Fill(r, ToRgb(s.FillColor), clip);
  if (s.Outlined) paint_.Outline(r, ToRgb(s.BorderColor), clip);
}

// A raised face: light top and left edges, shaded bottom and right, inside a dark outline.
void TreePainter::RaisedFace(const Rect& r, std::uint32_t face, const Rect& clip) const {
  paint_.Fill(r, face, clip);
  paint_.Outline(r, kDarkGrey, clip);
  const Rect in{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  if (in.Empty()) return;
  paint_.Fill({in.left, in.top, in.right, in.top + 1}, kWhite, clip);
  paint_.Fill({in.left, in.top, in.left + 1, in.bottom}, kWhite, clip);
  paint_.Fill({in.left, in.bottom - 1, in.right, in.bottom}, kShadow, clip);
  paint_.Fill({in.right - 1, in.top, in.right, in.bottom}, kShadow, clip);
}

// The focus mark: a dotted frame, every other pixel, in the element's text colour so that it
// shows on its background.
void TreePainter::FocusMark(const Rect& r, std::uint32_t rgb, const Rect& clip) const {
  if (r.Empty()) return;
  for (int x = r.left; x < r.right; x += 2) {
    paint_.Pixel(x, r.top, rgb, clip);
    paint_.Pixel(x, r.bottom - 1, rgb, clip);
  }
  for (int y = r.top; y < r.bottom; y += 2) {
    paint_.Pixel(r.left, y, rgb, clip);
    paint_.Pixel(r.right - 1, y, rgb, clip);
  }
}

void TreePainter::AccessText(int x, int y, const ui::FontSpec& font, const ShownCaption& caption, ui::Colour colour,
                             const Rect& clip) const {
  Text(x, y, font, caption.text, colour, clip);
  if (caption.keyAt == std::string::npos) return;
  const std::string_view text = caption.text;
  const int from = x + fonts_.TextWidthPx(font, text.substr(0, caption.keyAt));
  const int to = x + fonts_.TextWidthPx(font, text.substr(0, caption.keyAt + caption.keyBytes));
  // One row below the baseline, which lies about two pixels above the line's bottom.
  const int row = y + fonts_.LineHeightPx(font) - 2;
  paint_.Fill({from, row, to, row + 1}, ToRgb(colour), clip);
}

void TreePainter::Button(const ui::Button& b, const Rect& r, const Rect& clip) const {
  RaisedFace(r, ToRgb(b.BackColor), clip);
  const ShownCaption caption = Shown(b.Caption);
  const int x = r.left + (r.right - r.left - fonts_.TextWidthPx(b.Font, caption.text)) / 2;
  const int y = r.top + (r.bottom - r.top - fonts_.LineHeightPx(b.Font)) / 2;
  AccessText(x, y, b.Font, caption, TextColour(b), clip);
  if (b.Focused) FocusMark({r.left + 3, r.top + 3, r.right - 3, r.bottom - 3}, ToRgb(b.ForeColor), clip);
}

void TreePainter::CaptionBeside(const ui::Element& e, const Rect& r, const ui::FontSpec& font,
                                const std::string& caption, const Rect& clip) const {
  const ShownCaption shown = Shown(caption);
  const int lineHeight = fonts_.LineHeightPx(font);
  const int x = r.left + kBoxSize + kCaptionGap;
  const int y = r.top + (r.bottom - r.top - lineHeight) / 2;
  AccessText(x, y, font, shown, TextColour(e), clip);
  if (e.Focused) {
    FocusMark({x - 2, y - 1, x + fonts_.TextWidthPx(font, shown.text) + 2, y + lineHeight + 1}, ToRgb(e.ForeColor), clip);
  }
}

void TreePainter::CheckBox(const ui::CheckBox& c, const Rect& r, const Rect& clip) const {
  paint_.Fill(r, ToRgb(c.BackColor), clip);
  const int top = r.top + (r.bottom - r.top - kBoxSize) / 2;
  const Rect box{r.left, top, r.left + kBoxSize, top + kBoxSize};
  paint_.Fill(box, kWhite, clip);
  paint_.Outline(box, kDarkGrey, clip);
  if (c.Checked) {
    // A tick: down from the left to the low point, then up to the right, two pixels thick.
    for (int i = 0; i < 7; ++i) {
      const int x = box.left + 3 + i;
      const int y = box.top + (i < 2 ? 6 + i : 9 - (i - 2));
      paint_.Fill({x, y - 1, x + 1, y + 1}, kBlack, clip);
    }
  }
  CaptionBeside(c, r, c.Font, c.Caption, clip);
}

void TreePainter::OptionButton(const ui::OptionButton& o, const Rect& r, const Rect& clip) const {
  paint_.Fill(r, ToRgb(o.BackColor), clip);
  const int top = r.top + (r.bottom - r.top - kBoxSize) / 2;
  constexpr double kRadius = kBoxSize / 2.0;
  for (int dy = 0; dy < kBoxSize; ++dy) {
    for (int dx = 0; dx < kBoxSize; ++dx) {
      const double fx = dx + 0.5 - kRadius, fy = dy + 0.5 - kRadius;
      const double d2 = fx * fx + fy * fy;
      if (d2 > kRadius * kRadius) continue;
      std::uint32_t colour = d2 >= (kRadius - 1.2) * (kRadius - 1.2) ? kDarkGrey : kWhite;
      if (o.Selected && d2 <= 2.6 * 2.6) colour = kBlack;
      paint_.Pixel(r.left + dx, top + dy, colour, clip);
    }
  }
  CaptionBeside(o, r, o.Font, o.Caption, clip);
}

void TreePainter::Slider(const ui::Slider& s, const Rect& r, const Rect& clip) const {
  paint_.Fill(r, ToRgb(s.BackColor), clip);
  const int width = r.right - r.left;
  const int mid = r.top + (r.bottom - r.top) / 2;
  const Rect track{r.left + kThumbWidth / 2, mid - 2, r.right - kThumbWidth / 2, mid + 2};
  paint_.Fill(track, kWhite, clip);
  paint_.Outline(track, kMidGrey, clip);
  const int value = std::clamp(s.Value, std::min(s.Min, s.Max), std::max(s.Min, s.Max));
  const int range = s.Max - s.Min;
  const int travel = std::max(0, width - kThumbWidth);
  const int offset = range == 0 ? 0 : static_cast<int>(static_cast<long long>(value - s.Min) * travel / range);
  const int thumbTop = r.top + std::min(2, (r.bottom - r.top) / 4);
  RaisedFace({r.left + offset, thumbTop, r.left + offset + kThumbWidth, r.bottom - (thumbTop - r.top)}, 0xE0E0E0,
             clip);
  if (s.Focused) FocusMark(r, ToRgb(s.ForeColor), clip);
}

void TreePainter::TextBox(const ui::TextBox& t, const Rect& r, const Rect& clip) const {
  paint_.Fill(r, ToRgb(t.BackColor), clip);
  paint_.Outline(r, kMidGrey, clip);
  const Rect inside = Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}.Intersect(clip);
  if (inside.Empty()) return;
  const int lineHeight = fonts_.LineHeightPx(t.Font);
  int y = r.top + 2;
  ForEachLine(fonts_, t.Font, t.Text, t.MultiLine, r.right - r.left - 2 * kTextPadding, [&](std::string_view line) {
    Text(r.left + kTextPadding, y, t.Font, line, TextColour(t), inside);
    y += lineHeight;
  });
}

}  // namespace

void RenderWindow(const ui::Window& window, const Fonts& fonts, Image& target) {
  target.width = std::max(0, window.ClientWidthPx());
  target.height = std::max(0, window.ClientHeightPx());
  target.pixels.assign(static_cast<std::size_t>(target.width) * static_cast<std::size_t>(target.height), 0);
  const TreePainter painter(fonts, target);
  painter.Element(window.Root(), 0, 0, Rect{0, 0, target.width, target.height});
}

}  // namespace kv::render
