#pragma once
// How a window's standard elements answer the keyboard and the mouse, the same on every
// platform: the keyboard focus and Tab, the keys of the focused element, access keys (Alt and
// the letter after "&" in a caption), clicks and slider drags.
//
// The focus is the element whose Focused flag is set; only one of a window has it. Elements
// that take it are, in creation order: shown and enabled buttons, check boxes, sliders and text
// boxes, and of each option group its selected option (the first one while none is).
#include <string_view>
#include <vector>

#include "platform/ui.h"

namespace kv::ui {

// Shift-state bits of the key handlers.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

// The thumb width the renderer draws sliders with; a drag maps the pointer to the thumb's centre.
inline constexpr int kSliderThumbPx = 11;

// The access key of a caption: the character after its first single "&", upper-cased, or 0
// when there is none ("&&" stands for a plain "&").
char AccessKey(std::string_view caption);

// The value a slider widthPx pixels wide takes with the pointer xPx pixels right of its left
// edge: the value whose thumb is centred nearest to the pointer, kept within Min..Max.
int SliderValueAt(const Slider& s, int xPx, int widthPx);

class WidgetInput {
 public:
  explicit WidgetInput(Window& window) : window_(window) {}
  WidgetInput(const WidgetInput&) = delete;
  WidgetInput& operator=(const WidgetInput&) = delete;

  // Routes the window's mouse handlers and its key-down handler here. A window that needs keys
  // of its own replaces OnKeyDown afterwards and passes the rest on to KeyDown.
  void Attach();

  std::vector<Element*> FocusOrder() const;
  Element* Focus() const;
  void SetFocus(Element* e);
  // Focuses the first element of the focus order, as a window does when it opens.
  void FocusFirst();

  // True when the key meant something to the widgets.
  bool KeyDown(int vk, int shift);

  // Pointer positions in client pixels.
  void MouseDown(int xPx, int yPx);
  void MouseMove(int xPx, int yPx);
  void MouseUp(int xPx, int yPx);

 private:
  bool AccessKeyDown(int vk);
  bool FocusedKeyDown(Element& e, int vk);
  void MoveFocus(bool backwards);
  void DragSlider(int xPx);

  Window& window_;
  Element* pressed_ = nullptr;  // where the mouse button went down, while it is held
  int pressedLeftPx_ = 0;       // that element's left edge and width in client pixels
  int pressedWidthPx_ = 0;
};

// What a click, Space or an access key does to an element: presses a button, toggles a check
// box, selects an option (clearing the others of its group). Each then calls its handler.
void Activate(Element& e);
void SelectOption(OptionButton& o);
// Sets a slider's value within Min..Max, calling Changed when it moved.
void SetSliderValue(Slider& s, int value);

}  // namespace kv::ui
