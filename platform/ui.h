#pragma once
// User-interface elements as plain data. The game builds its windows from these at start-up and
// afterwards only moves them, resizes them, shows and hides them and changes their captions and
// colours; the platform turns the element tree into pixels when the window is shown on screen
// (or, headless, when a screenshot is asked for).
//
// All positions and sizes are twips (15 to the pixel), relative to the parent element.
// Colours are 0xBBGGRR, blue in the high byte. Texts are UTF-8.
// Children are painted in the order they were added, later ones over earlier ones, each clipped
// to its parent.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

struct Image;  // platform/image.h

namespace ui {

using Colour = std::uint32_t;

inline constexpr int kTwipsPerPixel = 15;

enum class Face : std::uint8_t { Sans, Symbol };

struct FontSpec {
  int sizePt = 8;
  bool bold = false;
  Face face = Face::Sans;
};

// How text is measured; one implementation serves both platforms so that a label sizes itself
// the same way on screen and headless.
class TextMetrics {
 public:
  virtual ~TextMetrics() = default;
  virtual int TextWidthPx(const FontSpec& font, std::string_view text) const = 0;
  virtual int LineHeightPx(const FontSpec& font) const = 0;
};

class Element {
 public:
  enum class Kind : std::uint8_t { Surface, Label, Shape, Button, CheckBox, OptionButton, Slider, TextBox };

  Element(Kind kind, const TextMetrics* metrics) : kind_(kind), metrics_(metrics) {}
  virtual ~Element() = default;
  Element(const Element&) = delete;
  Element& operator=(const Element&) = delete;

  Kind kind() const { return kind_; }
  Element* parent() const { return parent_; }
  const std::vector<std::unique_ptr<Element>>& children() const { return children_; }

  // Adds a child element; only done while a window is being built.
  template <class T, class... Args>
  T& Add(Args&&... args) {
    auto child = std::make_unique<T>(metrics_, std::forward<Args>(args)...);
    T& ref = *child;
    child->parent_ = this;
    children_.push_back(std::move(child));
    return ref;
  }

  void Move(int left, int top, int width, int height) {
    Left = left;
    Top = top;
    Width = width;
    Height = height;
  }

  // Position of the element's top-left corner in its window's client area, in twips.
  int WindowLeft() const { return Left + (parent_ ? parent_->WindowLeft() : 0); }
  int WindowTop() const { return Top + (parent_ ? parent_->WindowTop() : 0); }
  bool Shown() const { return Visible && (parent_ == nullptr || parent_->Shown()); }

  std::string name;  // design name, for tests and traces
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool Visible = true;
  bool Enabled = true;
  bool Focused = false;  // holds the keyboard focus of its window; the renderer marks it
  Colour BackColor = 0x000000;
  Colour ForeColor = 0xFFFFFF;

 protected:
  const TextMetrics* metrics() const { return metrics_; }

 private:
  Kind kind_;
  const TextMetrics* metrics_;
  Element* parent_ = nullptr;
  std::vector<std::unique_ptr<Element>> children_;
};

// A text label. With AutoSize the width follows the caption, measured in the label's font.
class Label : public Element {
 public:
  enum class Align : std::uint8_t { Left, Centre, Right };

  explicit Label(const TextMetrics* m) : Element(Kind::Label, m) { caption_.reserve(64); }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view text);
  void SetFont(const FontSpec& f);
  const FontSpec& Font() const { return font_; }
  void SetAutoSize(bool on);
  bool AutoSize() const { return autoSize_; }

  bool Transparent = false;  // no background fill
  bool WordWrap = false;
  Align Alignment = Align::Left;

 private:
  void Fit();
  std::string caption_;
  FontSpec font_;
  bool autoSize_ = false;
};

// A rectangle: filled, outlined (a one-pixel border), or both.
class Shape : public Element {
 public:
  explicit Shape(const TextMetrics* m) : Element(Kind::Shape, m) {}
  bool Filled = true;
  Colour FillColor = 0x000000;
  bool Outlined = false;
  Colour BorderColor = 0x000000;
};

// One drawing command of a picture surface. The surface keeps the commands of the current
// picture and the platform paints them when the picture is shown, so that drawing costs the
// game nothing but an append.
struct DrawCommand {
  enum class Op : std::uint8_t { Pixel, Picture };
  Op op = Op::Pixel;
  std::int16_t x = 0;  // pixels in the surface
  std::int16_t y = 0;
  Colour colour = 0;
  const Image* image = nullptr;
};

// A picture surface: a background colour (and optionally a background picture), a picture drawn
// on it since its last clear, and child elements above that.
class Surface : public Element {
 public:
  static constexpr std::size_t kCommandCapacity = 8192;

  explicit Surface(const TextMetrics* m) : Element(Kind::Surface, m) {}

  // Clears the picture to the background colour.
  void Cls() { count_ = 0; }
  // Setting the background colour fills the whole picture with it, covering what was drawn.
  void SetBackColor(Colour c) {
    BackColor = c;
    Cls();
  }
  // One pixel at (x, y) twips.
  void PSet(int xTwips, int yTwips, Colour c);
  // A picture with its top-left corner at (x, y) twips; black pixels are left out, and what
  // lies beyond the surface's edges is clipped.
  void DrawPicture(const Image& image, int xTwips, int yTwips);

  std::span<const DrawCommand> Commands() const { return {commands_.data(), count_}; }
  std::size_t DroppedCommands() const { return dropped_; }

  const Image* Picture = nullptr;  // background picture, drawn at the top-left corner
  bool Border = false;             // a one-pixel dark outline, as a sunken picture box shows

 private:
  void Push(const DrawCommand& c) {
    if (count_ < commands_.size()) {
      commands_[count_++] = c;
    } else {
      Grow(c);
    }
  }
  void Grow(const DrawCommand& c);
  // Sized to the full capacity on the first drawing, so that drawing never allocates after it.
  std::vector<DrawCommand> commands_;
  std::size_t count_ = 0;
  std::size_t dropped_ = 0;
};

// A push button with a caption; Pressed is called on a click or on Enter/Space while it has focus.
class Button : public Element {
 public:
  explicit Button(const TextMetrics* m) : Element(Kind::Button, m) {
    BackColor = 0xE0E0E0;
    ForeColor = 0x000000;
  }
  std::string Caption;
  FontSpec Font;
  std::function<void()> Pressed;
};

class CheckBox : public Element {
 public:
  explicit CheckBox(const TextMetrics* m) : Element(Kind::CheckBox, m) {}
  std::string Caption;
  FontSpec Font;
  bool Checked = false;
  std::function<void()> Changed;  // after the player ticked or cleared it
};

// Exclusive option buttons: those with the same group number inside one parent exclude each other.
class OptionButton : public Element {
 public:
  explicit OptionButton(const TextMetrics* m) : Element(Kind::OptionButton, m) {}
  std::string Caption;
  FontSpec Font;
  int Group = 0;
  bool Selected = false;
  std::function<void()> Changed;  // after the player selected it
};

class Slider : public Element {
 public:
  explicit Slider(const TextMetrics* m) : Element(Kind::Slider, m) {}
  int Min = 1;
  int Max = 60;
  int Value = 1;
  std::function<void()> Changed;
};

class TextBox : public Element {
 public:
  explicit TextBox(const TextMetrics* m) : Element(Kind::TextBox, m) {
    BackColor = 0xFFFFFF;
    ForeColor = 0x000000;
  }
  std::string Text;
  FontSpec Font;
  bool MultiLine = false;
};

// A top-level window: a fixed client size in pixels, a caption, and a root surface that fills
// the client area. Key events arrive through the handlers with Windows virtual-key codes and
// the shift state (1 Shift, 2 Ctrl, 4 Alt).
class Window {
 public:
  Window(const TextMetrics* metrics, int clientWidthPx, int clientHeightPx, std::string caption);

  Surface& Root() { return root_; }
  const Surface& Root() const { return root_; }
  int ClientWidthPx() const { return width_; }
  int ClientHeightPx() const { return height_; }
  void SetClientSize(int widthPx, int heightPx);
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view c) { caption_.assign(c); }

  std::function<void(int vk, int shift)> OnKeyDown;
  std::function<void(int vk, int shift)> OnKeyUp;
  std::function<void(int ch)> OnKeyPress;
  std::function<void()> OnCloseRequest;  // the player closed the window
  std::function<void(int xPx, int yPx)> OnClick;
  // The left mouse button in client pixels; moves are reported while it is held. While it is
  // held the position may lie outside the client area.
  std::function<void(int xPx, int yPx)> OnMouseDown;
  std::function<void(int xPx, int yPx)> OnMouseMove;
  std::function<void(int xPx, int yPx)> OnMouseUp;

 private:
  Surface root_;
  int width_;
  int height_;
  std::string caption_;
};

}  // namespace ui
}  // namespace kv
