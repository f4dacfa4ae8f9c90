#include "platform/widgets.h"

#include <algorithm>
#include <cctype>

#include "platform/numbers.h"

namespace kv::ui {
namespace {

constexpr int kVkTab = 9;
constexpr int kVkEnter = 13;
constexpr int kVkSpace = 32;
constexpr int kVkPageUp = 33;
constexpr int kVkPageDown = 34;
constexpr int kVkEnd = 35;
constexpr int kVkHome = 36;
constexpr int kVkLeft = 37;
constexpr int kVkUp = 38;
constexpr int kVkRight = 39;
constexpr int kVkDown = 40;
constexpr int kSliderPage = 10;

// Pixel edges as the renderer places them: each element's twips rounded on its parent's pixels.
int ToPx(int twips) { return static_cast<int>(RoundHalfEven(twips / static_cast<double>(kTwipsPerPixel))); }

void Flatten(Element& e, std::vector<Element*>& out) {
  out.push_back(&e);
  for (const auto& child : e.children()) Flatten(*child, out);
}

std::vector<Element*> AllElements(Window& w) {
  std::vector<Element*> all;
  Flatten(w.Root(), all);
  return all;
}

bool Interactive(const Element& e) {
  switch (e.kind()) {
    case Element::Kind::Button:
    case Element::Kind::CheckBox:
    case Element::Kind::OptionButton:
    case Element::Kind::Slider:
    case Element::Kind::TextBox: return true;
    default: return false;
  }
}

bool Usable(const Element& e) { return e.Shown() && e.Enabled; }

std::string_view CaptionOf(const Element& e) {
  switch (e.kind()) {
    case Element::Kind::Button: return static_cast<const Button&>(e).Caption;
    case Element::Kind::CheckBox: return static_cast<const CheckBox&>(e).Caption;
    case Element::Kind::OptionButton: return static_cast<const OptionButton&>(e).Caption;
    default: return {};
  }
}

// The usable options of o's group, in creation order.
std::vector<OptionButton*> GroupOf(const OptionButton& o) {
  std::vector<OptionButton*> group;
  if (o.parent() == nullptr) return group;
  for (const auto& child : o.parent()->children()) {
    if (child->kind() != Element::Kind::OptionButton || !Usable(*child)) continue;
    auto& other = static_cast<OptionButton&>(*child);
    if (other.Group == o.Group) group.push_back(&other);
  }
  return group;
}

bool TakesTab(const Element& e) {
  if (!Interactive(e) || !Usable(e)) return false;
  if (e.kind() != Element::Kind::OptionButton) return true;
  const auto& o = static_cast<const OptionButton&>(e);
  if (o.Selected) return true;
  const auto group = GroupOf(o);
  const bool noneSelected = std::none_of(group.begin(), group.end(), [](const OptionButton* g) { return g->Selected; });
  return noneSelected && !group.empty() && group.front() == &o;
}

struct Hit {
  Element* element = nullptr;
  int leftPx = 0;
  int widthPx = 0;
};

// The topmost usable interactive element under the pointer: later elements are painted over
// earlier ones, and every element is clipped to its parents.
void HitTest(Element& e, int originX, int originY, int clipL, int clipT, int clipR, int clipB, int x, int y,
             Hit& hit) {
  if (!e.Visible) return;
  const int left = originX + ToPx(e.Left);
  const int top = originY + ToPx(e.Top);
  const int right = left + std::max(0, ToPx(e.Width));
  const int bottom = top + std::max(0, ToPx(e.Height));
  clipL = std::max(clipL, left);
  clipT = std::max(clipT, top);
  clipR = std::min(clipR, right);
  clipB = std::min(clipB, bottom);
  if (x < clipL || x >= clipR || y < clipT || y >= clipB) return;
  if (Interactive(e) && e.Enabled) hit = Hit{&e, left, right - left};
  for (const auto& child : e.children()) HitTest(*child, left, top, clipL, clipT, clipR, clipB, x, y, hit);
}

Hit ElementAt(Window& w, int x, int y) {
  Hit hit;
  HitTest(w.Root(), 0, 0, 0, 0, w.ClientWidthPx(), w.ClientHeightPx(), x, y, hit);
  return hit;
}

bool SliderKey(Slider& s, int vk) {
  switch (vk) {
    case kVkLeft:
    case kVkUp: SetSliderValue(s, s.Value - 1); return true;
    case kVkRight:
    case kVkDown: SetSliderValue(s, s.Value + 1); return true;
    case kVkPageUp: SetSliderValue(s, s.Value - kSliderPage); return true;
    case kVkPageDown: SetSliderValue(s, s.Value + kSliderPage); return true;
    case kVkHome: SetSliderValue(s, s.Min); return true;
    case kVkEnd: SetSliderValue(s, s.Max); return true;
    default: return false;
  }
}

}  // namespace

char AccessKey(std::string_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
  }
  return 0;
}

int SliderValueAt(const Slider& s, int xPx, int widthPx) {
  const int travel = widthPx - kSliderThumbPx;
  const int range = s.Max - s.Min;
  if (travel <= 0 || range <= 0) return s.Min;
  const double steps = static_cast<double>(xPx - kSliderThumbPx / 2) * range / travel;
  return std::clamp(s.Min + static_cast<int>(RoundHalfEven(steps)), s.Min, s.Max);
}

void SetSliderValue(Slider& s, int value) {
  const int v = std::clamp(value, std::min(s.Min, s.Max), std::max(s.Min, s.Max));
  if (v == s.Value) return;
  s.Value = v;
  if (auto handler = s.Changed) handler();
}

void SelectOption(OptionButton& o) {
  if (o.Selected) return;
  if (o.parent() != nullptr) {
    for (const auto& child : o.parent()->children()) {
      if (child->kind() != Element::Kind::OptionButton) continue;
      auto& other = static_cast<OptionButton&>(*child);
      if (other.Group == o.Group) other.Selected = false;
    }
  }
  o.Selected = true;
  if (auto handler = o.Changed) handler();
}

void Activate(Element& e) {
  switch (e.kind()) {
    case Element::Kind::Button:
      if (auto handler = static_cast<Button&>(e).Pressed) handler();
      break;
    case Element::Kind::CheckBox: {
      auto& c = static_cast<CheckBox&>(e);
      c.Checked = !c.Checked;
      if (auto handler = c.Changed) handler();
      break;
    }
    case Element::Kind::OptionButton: SelectOption(static_cast<OptionButton&>(e)); break;
    default: break;
  }
}

void WidgetInput::Attach() {
  window_.OnKeyDown = [this](int vk, int shift) { KeyDown(vk, shift); };
  window_.OnMouseDown = [this](int x, int y) { MouseDown(x, y); };
  window_.OnMouseMove = [this](int x, int y) { MouseMove(x, y); };
  window_.OnMouseUp = [this](int x, int y) { MouseUp(x, y); };
}

std::vector<Element*> WidgetInput::FocusOrder() const {
  std::vector<Element*> order = AllElements(window_);
  std::erase_if(order, [](const Element* e) { return !TakesTab(*e); });
  return order;
}

Element* WidgetInput::Focus() const {
  for (Element* e : AllElements(window_)) {
    if (e->Focused) return e;
  }
  return nullptr;
}

void WidgetInput::SetFocus(Element* e) {
  for (Element* each : AllElements(window_)) each->Focused = each == e;
}

void WidgetInput::FocusFirst() {
  const auto order = FocusOrder();
  SetFocus(order.empty() ? nullptr : order.front());
}

void WidgetInput::MoveFocus(bool backwards) {
  const auto all = AllElements(window_);
  const auto n = static_cast<int>(all.size());
  const auto at = std::find(all.begin(), all.end(), Focus());
  // Without a focus, Tab starts at the first element and Shift+Tab at the last.
  int i = at == all.end() ? (backwards ? n : -1) : static_cast<int>(at - all.begin());
  for (int step = 0; step < n; ++step) {
    i = (i + (backwards ? n - 1 : 1)) % n;
    if (TakesTab(*all[static_cast<std::size_t>(i)])) {
      SetFocus(all[static_cast<std::size_t>(i)]);
      return;
    }
  }
}

bool WidgetInput::KeyDown(int vk, int shift) {
  if ((shift & kAltMask) != 0) return AccessKeyDown(vk);
  if (vk == kVkTab && (shift & kCtrlMask) == 0) {
    MoveFocus((shift & kShiftMask) != 0);
    return true;
  }
  Element* focus = Focus();
  if (focus == nullptr || !Usable(*focus)) return false;
  return FocusedKeyDown(*focus, vk);
}

// With several elements on one key, the one on top (the last created) answers.
bool WidgetInput::AccessKeyDown(int vk) {
  const bool letterOrDigit = (vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9');
  if (!letterOrDigit) return false;
  const auto all = AllElements(window_);
  for (auto it = all.rbegin(); it != all.rend(); ++it) {
    Element& e = **it;
    if (!Usable(e) || AccessKey(CaptionOf(e)) != vk) continue;
    SetFocus(&e);
    Activate(e);
    return true;
  }
  return false;
}

bool WidgetInput::FocusedKeyDown(Element& e, int vk) {
  switch (e.kind()) {
    case Element::Kind::Button:
    case Element::Kind::CheckBox:
      if (vk != kVkSpace && vk != kVkEnter) return false;
      Activate(e);
      return true;
    case Element::Kind::Slider: return SliderKey(static_cast<Slider&>(e), vk);
    case Element::Kind::OptionButton: {
      const bool back = vk == kVkLeft || vk == kVkUp;
      if (!back && vk != kVkRight && vk != kVkDown) return false;
      const auto group = GroupOf(static_cast<OptionButton&>(e));
      const auto at = std::find(group.begin(), group.end(), &e);
      if (at == group.end()) return false;
      const auto n = static_cast<std::ptrdiff_t>(group.size());
      OptionButton* next = group[static_cast<std::size_t>(((at - group.begin()) + (back ? n - 1 : 1)) % n)];
      SetFocus(next);
      SelectOption(*next);
      return true;
    }
    default: return false;
  }
}

void WidgetInput::MouseDown(int xPx, int yPx) {
  const Hit hit = ElementAt(window_, xPx, yPx);
  pressed_ = hit.element;
  pressedLeftPx_ = hit.leftPx;
  pressedWidthPx_ = hit.widthPx;
  if (pressed_ == nullptr) return;
  SetFocus(pressed_);
  if (pressed_->kind() == Element::Kind::Slider) DragSlider(xPx);
}

void WidgetInput::MouseMove(int xPx, int /*yPx*/) {
  if (pressed_ != nullptr && pressed_->kind() == Element::Kind::Slider) DragSlider(xPx);
}

// A click is a press and a release on the same element; a slider answers the release wherever
// the pointer went, and reports it once more as the end of the drag.
void WidgetInput::MouseUp(int xPx, int yPx) {
  Element* pressed = pressed_;
  pressed_ = nullptr;
  if (pressed == nullptr || !Usable(*pressed)) return;
  if (pressed->kind() == Element::Kind::Slider) {
    auto& s = static_cast<Slider&>(*pressed);
    const int before = s.Value;
    SetSliderValue(s, SliderValueAt(s, xPx - pressedLeftPx_, pressedWidthPx_));
    if (s.Value == before) {
      if (auto handler = s.Changed) handler();
    }
    return;
  }
  if (ElementAt(window_, xPx, yPx).element == pressed) Activate(*pressed);
}

void WidgetInput::DragSlider(int xPx) {
  if (!Usable(*pressed_)) return;
  auto& s = static_cast<Slider&>(*pressed_);
  SetSliderValue(s, SliderValueAt(s, xPx - pressedLeftPx_, pressedWidthPx_));
}

}  // namespace kv::ui
