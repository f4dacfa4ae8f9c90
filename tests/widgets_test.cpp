#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/image.h"
#include "platform/render/render.h"
#include "platform/ui.h"
#include "platform/widgets.h"

namespace kv::ui {
namespace {

constexpr int T = kTwipsPerPixel;
constexpr int kTab = 9, kEnter = 13, kSpace = 32, kPageUp = 33, kPageDown = 34, kEnd = 35, kHome = 36;
constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40;

// A window with one of each kind, a hidden and a disabled button among them, and an option
// group whose middle option is selected.
class Widgets : public ::testing::Test {
 protected:
  Widgets() : window(nullptr, 200, 200, "w"), input(window) {
    Surface& root = window.Root();
    alpha = &AddButton(root, "alpha", "&Alpha", 0, 0);
    hidden = &AddButton(root, "hidden", "&Hidden", 0, 30);
    hidden->Visible = false;
    disabled = &AddButton(root, "disabled", "&Disabled", 0, 60);
    disabled->Enabled = false;
    check = &root.Add<CheckBox>();
    check->name = "check";
    check->Caption = "&Check";
    check->Move(0, 90 * T, 80 * T, 20 * T);
    check->Changed = [this] { ++checkChanges; };
    slider = &root.Add<Slider>();
    slider->name = "slider";
    slider->Move(100 * T, 0, 100 * T, 20 * T);
    slider->Value = 33;
    slider->Changed = [this] { ++sliderChanges; };
    for (int i = 0; i < 3; ++i) {
      auto& o = root.Add<OptionButton>();
      o.name = "option" + std::to_string(i);
      o.Caption = std::string(1, static_cast<char>('&')) + static_cast<char>('L' + i) + "ine";
      o.Move(100 * T, (30 + 20 * i) * T, 80 * T, 20 * T);
      o.Changed = [this] { ++optionChanges; };
      options.push_back(&o);
    }
    options[1]->Selected = true;
    beta = &AddButton(root, "beta", "&Beta", 100, 120);
    input.Attach();
  }

  Button& AddButton(Surface& root, const char* name, const char* caption, int x, int y) {
    auto& b = root.Add<Button>();
    b.name = name;
    b.Caption = caption;
    b.Move(x * T, y * T, 60 * T, 24 * T);
    b.Pressed = [this, name] { pressed.push_back(name); };
    return b;
  }

  std::string FocusName() const { return input.Focus() == nullptr ? "" : input.Focus()->name; }
  int Selected() const {
    for (int i = 0; i < 3; ++i) {
      if (options[static_cast<std::size_t>(i)]->Selected) return i;
    }
    return -1;
  }
  void Click(int x, int y) {
    window.OnMouseDown(x, y);
    window.OnMouseUp(x, y);
  }

  Window window;
  WidgetInput input;
  Button* alpha = nullptr;
  Button* hidden = nullptr;
  Button* disabled = nullptr;
  Button* beta = nullptr;
  CheckBox* check = nullptr;
  Slider* slider = nullptr;
  std::vector<OptionButton*> options;
  std::vector<std::string> pressed;
  int checkChanges = 0;
  int sliderChanges = 0;
  int optionChanges = 0;
};

TEST_F(Widgets, FocusOrderIsCreationOrderWithoutHiddenDisabledOrUnselectedOptions) {
  std::vector<std::string> names;
  for (const Element* e : input.FocusOrder()) names.push_back(e->name);
  EXPECT_EQ(names, (std::vector<std::string>{"alpha", "check", "slider", "option1", "beta"}));
}

TEST_F(Widgets, AGroupWithoutASelectionIsEnteredAtItsFirstOption) {
  options[1]->Selected = false;
  input.SetFocus(slider);
  window.OnKeyDown(kTab, 0);
  EXPECT_EQ(FocusName(), "option0");
}

TEST_F(Widgets, TabAndShiftTabWalkTheOrderAndWrapAround) {
  struct Case {
    const char* from;
    int shift;
    const char* to;
  };
  const Case cases[] = {
      {"alpha", 0, "check"},   {"check", 0, "slider"},  {"slider", 0, "option1"}, {"option1", 0, "beta"},
      {"beta", 0, "alpha"},    {"alpha", 1, "beta"},    {"beta", 1, "option1"},   {"check", 1, "alpha"},
      {"", 0, "alpha"},        {"", 1, "beta"},
  };
  for (const Case& c : cases) {
    Element* from = nullptr;
    for (Element* e : input.FocusOrder()) {
      if (e->name == c.from) from = e;
    }
    input.SetFocus(from);
    window.OnKeyDown(kTab, c.shift);
    EXPECT_EQ(FocusName(), c.to) << "from '" << c.from << "' shift " << c.shift;
  }
}

TEST_F(Widgets, OnlyTheFocusedElementIsMarked) {
  input.SetFocus(check);
  window.OnKeyDown(kTab, 0);
  int marked = 0;
  for (const auto& child : window.Root().children()) marked += child->Focused ? 1 : 0;
  EXPECT_EQ(marked, 1);
  EXPECT_TRUE(slider->Focused);
}

TEST_F(Widgets, SpaceAndEnterPressTheFocusedButtonAndToggleTheFocusedCheckBox) {
  input.SetFocus(alpha);
  window.OnKeyDown(kSpace, 0);
  window.OnKeyDown(kEnter, 0);
  window.OnKeyDown('A', 0);  // a plain letter is no access key
  EXPECT_EQ(pressed, (std::vector<std::string>{"alpha", "alpha"}));
  input.SetFocus(check);
  window.OnKeyDown(kSpace, 0);
  EXPECT_TRUE(check->Checked);
  window.OnKeyDown(kEnter, 0);
  EXPECT_FALSE(check->Checked);
  EXPECT_EQ(checkChanges, 2);
  EXPECT_EQ(pressed.size(), 2u);
}

TEST_F(Widgets, ASpaceOnAFocusThatWasDisabledSinceDoesNothing) {
  input.SetFocus(alpha);
  alpha->Enabled = false;
  EXPECT_FALSE(input.KeyDown(kSpace, 0));
  EXPECT_TRUE(pressed.empty());
}

TEST_F(Widgets, SliderKeysStepAndStopAtTheEnds) {
  struct Case {
    int start;
    int vk;
    int value;
  };
  const Case cases[] = {
      {33, kLeft, 32},     {33, kUp, 32},       {33, kRight, 34},    {33, kDown, 34},  {33, kPageUp, 23},
      {33, kPageDown, 43}, {33, kHome, 1},      {33, kEnd, 60},      {1, kLeft, 1},    {60, kRight, 60},
      {5, kPageUp, 1},     {55, kPageDown, 60}, {2, kLeft, 1},       {59, kDown, 60},
  };
  input.SetFocus(slider);
  for (const Case& c : cases) {
    slider->Value = c.start;
    sliderChanges = 0;
    EXPECT_TRUE(input.KeyDown(c.vk, 0));
    EXPECT_EQ(slider->Value, c.value) << "from " << c.start << " key " << c.vk;
    EXPECT_EQ(sliderChanges, c.value != c.start ? 1 : 0) << "from " << c.start << " key " << c.vk;
  }
}

TEST_F(Widgets, ArrowsMoveTheSelectionWithinTheGroupAndWrap) {
  struct Case {
    int from;
    int vk;
    int to;
  };
  const Case cases[] = {{1, kDown, 2}, {1, kRight, 2}, {1, kUp, 0}, {1, kLeft, 0}, {2, kDown, 0}, {0, kUp, 2}};
  for (const Case& c : cases) {
    for (int i = 0; i < 3; ++i) options[static_cast<std::size_t>(i)]->Selected = i == c.from;
    input.SetFocus(options[static_cast<std::size_t>(c.from)]);
    optionChanges = 0;
    window.OnKeyDown(c.vk, 0);
    EXPECT_EQ(Selected(), c.to) << "from " << c.from << " key " << c.vk;
    EXPECT_EQ(FocusName(), options[static_cast<std::size_t>(c.to)]->name);
    EXPECT_EQ(optionChanges, 1);
  }
}

TEST_F(Widgets, AnOptionSkipsAHiddenNeighbour) {
  options[2]->Visible = false;
  input.SetFocus(options[1]);
  window.OnKeyDown(kDown, 0);
  EXPECT_EQ(Selected(), 0);
}

TEST_F(Widgets, AltAndTheAccessKeyActsOnTheElementAndFocusesIt) {
  struct Case {
    int vk;
    bool handled;
    const char* focus;  // after the key; "" keeps the slider's
  };
  const Case cases[] = {
      {'A', true, "alpha"}, {'B', true, "beta"},   {'C', true, "check"}, {'N', true, "option2"},
      {'H', false, ""},  // hidden
      {'D', false, ""},  // disabled
      {'Q', false, ""},  // nobody's
  };
  for (const Case& c : cases) {
    input.SetFocus(slider);
    EXPECT_EQ(input.KeyDown(c.vk, kAltMask), c.handled) << static_cast<char>(c.vk);
    EXPECT_EQ(FocusName(), *c.focus ? c.focus : "slider") << static_cast<char>(c.vk);
  }
  EXPECT_EQ(pressed, (std::vector<std::string>{"alpha", "beta"}));
  EXPECT_TRUE(check->Checked);
  EXPECT_EQ(Selected(), 2);
}

TEST_F(Widgets, OfTwoElementsOnOneAccessKeyTheLaterOneAnswers) {
  beta->Caption = "&Alpha too";
  window.OnKeyDown('A', kAltMask);
  EXPECT_EQ(pressed, (std::vector<std::string>{"beta"}));
  beta->Visible = false;
  window.OnKeyDown('A', kAltMask);
  EXPECT_EQ(pressed, (std::vector<std::string>{"beta", "alpha"}));
}

TEST(AccessKey, IsTheCharacterAfterTheFirstSingleAmpersand) {
  struct Case {
    const char* caption;
    char key;
  };
  const Case cases[] = {{"E&xit", 'X'}, {"&Start", 'S'}, {"&Start EX", 'S'}, {"Exit", 0},
                        {"a&&b", 0},    {"a&&&b", 'B'},  {"end&", 0},        {"&1 two", '1'}};
  for (const Case& c : cases) EXPECT_EQ(AccessKey(c.caption), c.key) << c.caption;
}

TEST_F(Widgets, AClickPressesTogglesOrSelectsWhatIsUnderThePointer) {
  Click(10, 10);         // alpha
  Click(10, 100);        // the check box
  Click(110, 75);        // option 2
  Click(10, 70);         // the disabled button
  Click(10, 40);         // where the hidden button is
  Click(190, 190);       // nothing
  EXPECT_EQ(pressed, (std::vector<std::string>{"alpha"}));
  EXPECT_TRUE(check->Checked);
  EXPECT_EQ(Selected(), 2);
  EXPECT_EQ(FocusName(), "option2");
}

TEST_F(Widgets, APressReleasedElsewhereIsNoClick) {
  window.OnMouseDown(10, 10);
  window.OnMouseUp(110, 130);  // over beta
  EXPECT_TRUE(pressed.empty());
  EXPECT_EQ(FocusName(), "alpha");
}

TEST_F(Widgets, TheElementOnTopTakesTheClick) {
  beta->Move(0, 0, 60 * T, 24 * T);  // over alpha, created after it
  Click(10, 10);
  EXPECT_EQ(pressed, (std::vector<std::string>{"beta"}));
}

TEST_F(Widgets, AnElementIsClickedOnlyInsideItsParent) {
  auto& panel = window.Root().Add<Surface>();
  panel.Move(0, 150 * T, 40 * T, 40 * T);
  auto& inner = panel.Add<Button>();
  inner.Move(0, 0, 100 * T, 20 * T);  // wider than the panel
  int clicks = 0;
  inner.Pressed = [&] { ++clicks; };
  Click(30, 160);
  Click(60, 160);
  EXPECT_EQ(clicks, 1);
}

TEST_F(Widgets, DraggingTheSliderSetsTheValueFromThePointer) {
  // The slider is 100 pixels wide at x 100: its thumb travels 89 pixels for 59 steps.
  struct Case {
    int x;
    int value;
  };
  const Case cases[] = {{100, 1}, {105, 1}, {50, 1}, {199, 60}, {194, 60}, {260, 60}, {150, 31}};
  for (const Case& c : cases) {
    slider->Value = 33;
    window.OnMouseDown(150, 10);
    window.OnMouseMove(c.x, 300);  // the height does not matter while dragging
    EXPECT_EQ(slider->Value, c.value) << "x " << c.x;
    window.OnMouseUp(c.x, 300);
    EXPECT_EQ(slider->Value, c.value) << "x " << c.x;
  }
}

TEST_F(Widgets, ASliderReportsEveryMoveOfADragAndTheRelease) {
  window.OnMouseDown(199, 10);  // 60
  window.OnMouseMove(100, 10);  // 1
  window.OnMouseMove(100, 12);  // still 1
  window.OnMouseUp(100, 12);
  EXPECT_EQ(slider->Value, 1);
  EXPECT_EQ(sliderChanges, 3);
  EXPECT_EQ(FocusName(), "slider");
  window.OnMouseMove(199, 10);  // the button is up: no drag
  EXPECT_EQ(slider->Value, 1);
}

// The renderer and the drag agree: a value taken from a pointer position draws its thumb there.
TEST(SliderValueAt, PutsTheThumbUnderThePointer) {
  auto fonts = render::Fonts::Load();
  ASSERT_TRUE(fonts.ok()) << fonts.error();
  Window w(fonts.value().get(), 120, 20, "s");
  auto& s = w.Root().Add<Slider>();
  s.Move(0, 0, 120 * T, 20 * T);
  s.BackColor = 0x000000;
  for (int x = 0; x < 120; x += 7) {
    s.Value = SliderValueAt(s, x, 120);
    Image img;
    render::RenderWindow(w, *fonts.value(), img);
    int left = -1, right = -1;
    for (int px = 0; px < img.width; ++px) {
      if (img.At(px, 10) != 0xE0E0E0) continue;
      if (left < 0) left = px;
      right = px;
    }
    ASSERT_GE(left, 0);
    const int centre = std::clamp(x, kSliderThumbPx / 2, 120 - 1 - kSliderThumbPx / 2);
    EXPECT_NEAR((left + right) / 2.0, centre, 2.0) << "x " << x;
  }
}

class CaptionLook : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    auto loaded = render::Fonts::Load();
    ASSERT_TRUE(loaded.ok()) << loaded.error();
    fonts_ = std::move(loaded.value()).release();
  }
  static void TearDownTestSuite() {
    delete fonts_;
    fonts_ = nullptr;
  }
  Image Paint(const Window& w) const {
    Image img;
    render::RenderWindow(w, *fonts_, img);
    return img;
  }
  // Rows in which the two pictures differ.
  static std::vector<int> DifferingRows(const Image& a, const Image& b) {
    std::vector<int> rows;
    for (int y = 0; y < a.height; ++y) {
      for (int x = 0; x < a.width; ++x) {
        if (a.At(x, y) == b.At(x, y)) continue;
        rows.push_back(y);
        break;
      }
    }
    return rows;
  }
  static const render::Fonts* fonts_;
};

const render::Fonts* CaptionLook::fonts_ = nullptr;

TEST_F(CaptionLook, TheAmpersandIsNotShownAndItsLetterIsUnderlined) {
  Window w(fonts_, 80, 24, "b");
  auto& b = w.Root().Add<Button>();
  b.Move(0, 0, 80 * T, 24 * T);
  b.Caption = "Exit";
  const Image plain = Paint(w);
  b.Caption = "E&xit";
  const Image marked = Paint(w);
  // The same letters in the same place; only one row (the underline) differs.
  const auto rows = DifferingRows(plain, marked);
  ASSERT_EQ(rows.size(), 1u);
  int underlined = 0;
  for (int x = 0; x < 80; ++x) underlined += plain.At(x, rows[0]) != marked.At(x, rows[0]) ? 1 : 0;
  EXPECT_GE(underlined, 3);
  EXPECT_LE(underlined, 8);  // the width of an "x", not of the word
  b.Caption = "E&&xit";
  EXPECT_FALSE(DifferingRows(plain, Paint(w)).empty());  // "&&" shows an "&"
}

TEST_F(CaptionLook, TheFocusedElementAloneShowsTheMark) {
  Window w(fonts_, 100, 90, "f");
  auto& b = w.Root().Add<Button>();
  b.Move(0, 0, 100 * T, 24 * T);
  b.Caption = "OK";
  auto& c = w.Root().Add<CheckBox>();
  c.Move(0, 30 * T, 100 * T, 20 * T);
  c.Caption = "Box";
  auto& s = w.Root().Add<Slider>();
  s.Move(0, 60 * T, 100 * T, 20 * T);
  const Image none = Paint(w);
  const struct {
    Element* e;
    int top, bottom;  // rows of the element
  } cases[] = {{&b, 0, 24}, {&c, 30, 50}, {&s, 60, 80}};
  for (const auto& k : cases) {
    k.e->Focused = true;
    const auto rows = DifferingRows(none, Paint(w));
    k.e->Focused = false;
    ASSERT_FALSE(rows.empty()) << k.top;
    EXPECT_GE(rows.front(), k.top);
    EXPECT_LT(rows.back(), k.bottom);
  }
}

}  // namespace
}  // namespace kv::ui
