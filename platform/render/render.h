#pragma once
// Turns a window's element tree into pixels. Shared by the SDL2 platform (to present a frame)
// and the headless one (for screenshots), so both show exactly the same picture.
#include <filesystem>
#include <memory>
#include <string_view>

#include "platform/image.h"
#include "platform/ui.h"

namespace kv::render {

// Text drawing and measuring from TrueType fonts (FreeType). The sans face and the symbol face
// are read from the font files given; a missing file is reported by Load.
class Fonts : public ui::TextMetrics {
 public:
  static Result<std::unique_ptr<Fonts>> Load();  // the system's DejaVu fonts
  ~Fonts() override;

  int TextWidthPx(const ui::FontSpec& font, std::string_view text) const override;
  int LineHeightPx(const ui::FontSpec& font) const override;
  // Draws text with its top-left corner at (x, y) pixels of the target, clipped to clip.
  void DrawText(Image& target, int x, int y, const ui::FontSpec& font, std::string_view text, ui::Colour colour,
                int clipLeft, int clipTop, int clipRight, int clipBottom) const;

  struct Impl;

 private:
  explicit Fonts(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

// Paints the whole window into target (resized to the client size), 0x00RRGGBB pixels.
void RenderWindow(const ui::Window& window, const Fonts& fonts, Image& target);

}  // namespace kv::render
