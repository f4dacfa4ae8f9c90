#include "platform/ui.h"

#include "platform/image.h"
#include "platform/numbers.h"

namespace kv::ui {

void Label::SetCaption(std::string_view text) {
  caption_.assign(text);
  if (autoSize_) Fit();
}

void Label::SetFont(const FontSpec& f) {
  font_ = f;
  if (autoSize_) Fit();
}

void Label::SetAutoSize(bool on) {
  autoSize_ = on;
  if (autoSize_) Fit();
}

void Label::Fit() {
  if (metrics() == nullptr) return;
  Width = metrics()->TextWidthPx(font_, caption_) * kTwipsPerPixel;
  Height = metrics()->LineHeightPx(font_) * kTwipsPerPixel;
}

// Twips to the nearest pixel. 15 is odd, so a position never lies exactly halfway between two
// pixels, and integer arithmetic rounds exactly as the real division would.
static std::int16_t ToPixel(int twips) {
  const int shifted = twips + kTwipsPerPixel / 2;
  const int q = shifted / kTwipsPerPixel;
  return Wrap16(shifted % kTwipsPerPixel < 0 ? q - 1 : q);
}

void Surface::Grow(const DrawCommand& c) {
  if (commands_.empty()) commands_.resize(kCommandCapacity);
  if (count_ >= commands_.size()) {
    ++dropped_;
    return;
  }
  commands_[count_++] = c;
}

void Surface::PSet(int xTwips, int yTwips, Colour c) {
  Push(DrawCommand{DrawCommand::Op::Pixel, ToPixel(xTwips), ToPixel(yTwips), c, nullptr});
}

void Surface::DrawPicture(const Image& image, int xTwips, int yTwips) {
  Push(DrawCommand{DrawCommand::Op::Picture, ToPixel(xTwips), ToPixel(yTwips), 0, &image});
}

Window::Window(const TextMetrics* metrics, int clientWidthPx, int clientHeightPx, std::string caption)
    : root_(metrics), width_(clientWidthPx), height_(clientHeightPx), caption_(std::move(caption)) {
  SetClientSize(clientWidthPx, clientHeightPx);
}

void Window::SetClientSize(int widthPx, int heightPx) {
  width_ = widthPx;
  height_ = heightPx;
  root_.Move(0, 0, widthPx * kTwipsPerPixel, heightPx * kTwipsPerPixel);
}

}  // namespace kv::ui
