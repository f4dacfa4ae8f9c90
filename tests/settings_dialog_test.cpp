#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/render/text_layout.h"
#include "platform/widgets.h"
#include "shell/settings_dialog.h"

namespace kv::shell {
namespace {

constexpr int T = ui::kTwipsPerPixel;
constexpr int kAlt = ui::kAltMask;
constexpr int kTab = 9, kSpace = 32, kEnd = 35, kHome = 36, kRight = 39, kDown = 40;

// The dialog on the headless platform, shown; a start records what the game would be given and when.
class SettingsDialog : public ::testing::Test {
 protected:
  void SetUp() override { Open(); }

  // A fresh platform and dialog; the old dialog goes first, its timers belong to the old platform.
  void Open() {
    dialog.reset();
    started.clear();
    auto p = headless::HeadlessPlatform::Create();
    ASSERT_TRUE(p.ok()) << p.error();
    platform = std::move(p.value());
    dialog = std::make_unique<FormOptimize>(*platform);
    dialog->startMainGame = [this](const DialogReadout& r) { started.push_back({"main", r, platform->NowMs()}); };
    dialog->startExtraGame = [this](const DialogReadout& r) { started.push_back({"extra", r, platform->NowMs()}); };
    dialog->Show();
  }

  struct Start {
    std::string game;
    DialogReadout readout;
    std::int64_t at = 0;
  };

  void Key(int vk, int shift = 0) {
    const std::int64_t t = platform->NowMs();
    platform->QueueKey({t, true, vk, shift});
    platform->QueueKey({t, false, vk, shift});
    platform->RunUntil(t);
  }
  void Click(const ui::Element& e) {
    const int x = (e.WindowLeft() + e.Width / 2) / T;
    const int y = (e.WindowTop() + e.Height / 2) / T;
    dialog->window.OnMouseDown(x, y);
    dialog->window.OnMouseUp(x, y);
  }
  int ClientHeightTwips() const { return dialog->window.ClientHeightPx() * T; }
  bool InsideClient(const ui::Element& e) const {
    return e.Left >= 0 && e.Top >= 0 && e.Left + e.Width <= dialog->window.ClientWidthPx() * T &&
           e.Top + e.Height <= ClientHeightTwips();
  }

  std::unique_ptr<headless::HeadlessPlatform> platform;
  std::unique_ptr<FormOptimize> dialog;
  std::vector<Start> started;
};

TEST_F(SettingsDialog, ControlsStandWhereTheyBelongWithTheirTexts) {
  struct Case {
    const ui::Element* e;
    int left, top;
    std::string text;
  };
  const FormOptimize& d = *dialog;
  const auto caption = [](const ui::Label* l) { return l->Caption(); };
  const Case cases[] = {
      {d.Lbl1, 240, 120,
       "Due to different machine processing speed, game speed need to be optimize to create better game balance."},
      {d.Sldr_ms, 240, 600, ""},
      {d.Lbl_ms, 3840, 600, "33 ms"},
      {d.Lbl2, 240, 960,
       "Use the slider above to set the Delay in milliseconds (1/1000 second). Set higher Delay for faster "
       "machines."},
      {d.Lbl3, 240, 1560, "Recommendation:"},
      {d.Lbl4, 240, 1800, "Pentium MMX or below 64 MB RAM - Set 1 to 20"},
      {d.Lbl5, 240, 2040, "Pentium II or below 128 MB RAM - Set 21 to 32"},
      {d.Lbl6, 240, 2280, "Pentium III/IV or above 128 MB RAM - Set 33 to 60"},
      {d.LblTip, 240, 2520, "(Try to obtain a balance of 25 - 28 Frames Per Second)"},
      {d.Chk_Mute, 240, 2880, d.Chk_Mute->Caption},
      {d.Lbl7, 240, 3360, "Disable sounds to increase performance for low-end PCs"},
      {d.Opt_Detail[0], 240, 3600, d.Opt_Detail[0]->Caption},
      {d.Opt_Detail[1], 240, 3960, d.Opt_Detail[1]->Caption},
      {d.Opt_Detail[2], 240, 4320, d.Opt_Detail[2]->Caption},
      {d.CmdExit, 2520, 4200, d.CmdExit->Caption},
      {d.CmdStart, 3480, 4200, d.CmdStart->Caption},
      {d.Command1, 3480, 4200, d.Command1->Caption},
      {d.LblWait, 240, 5040, "Loading ... Please Wait"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.e->Left, c.left) << c.e->name;
    EXPECT_EQ(c.e->Top, c.top) << c.e->name;
    if (c.e->kind() == ui::Element::Kind::Label) {
      EXPECT_EQ(caption(static_cast<const ui::Label*>(c.e)), c.text) << c.e->name;
    }
  }
  EXPECT_EQ(d.Sldr_ms->Width, 3495);
  EXPECT_EQ(d.window.Caption(), "Speed Optimization");
  EXPECT_EQ(d.Chk_Mute->Caption, "Mute Sounds");
  EXPECT_EQ(d.Opt_Detail[0]->Caption, "Low Detail");
  EXPECT_EQ(d.Opt_Detail[1]->Caption, "Medium Detail");
  EXPECT_EQ(d.Opt_Detail[2]->Caption, "High Detail");
  EXPECT_EQ(d.CmdExit->Caption, "E&xit");
  EXPECT_EQ(d.CmdStart->Caption, "&Start");
  EXPECT_EQ(d.Command1->Caption, "&Start EX");
}

TEST_F(SettingsDialog, OpensAt33MsLowDetailWithSoundAndWithoutStartEx) {
  EXPECT_EQ(dialog->Lbl_ms->Caption(), "33 ms");
  EXPECT_EQ(dialog->Sldr_ms->Min, 1);
  EXPECT_EQ(dialog->Sldr_ms->Max, 60);
  const DialogReadout r = dialog->Readout();
  EXPECT_EQ(r.period, 33);
  EXPECT_EQ(r.detail, 0);
  EXPECT_FALSE(r.muted);
  EXPECT_TRUE(dialog->Opt_Detail[0]->Selected);
  EXPECT_FALSE(dialog->Opt_Detail[1]->Selected || dialog->Opt_Detail[2]->Selected);
  EXPECT_FALSE(dialog->Command1->Visible);
  EXPECT_TRUE(dialog->CmdStart->Shown());
  EXPECT_TRUE(platform->IsShown(dialog->window));
  EXPECT_TRUE(dialog->Sldr_ms->Focused);
  EXPECT_FALSE(dialog->tmrStart->Enabled());
  EXPECT_FALSE(dialog->Timer1->Enabled());
}

TEST_F(SettingsDialog, EveryTextFitsTheWindowWidthAndItsLines) {
  for (const ui::Label* l : {dialog->Lbl_ms, dialog->Lbl3, dialog->Lbl4, dialog->Lbl5, dialog->Lbl6,
                             dialog->LblTip, dialog->LblWait}) {
    EXPECT_LE(l->Left + l->Width, dialog->window.ClientWidthPx() * T) << l->name;
  }
  auto fonts = render::Fonts::Load();
  ASSERT_TRUE(fonts.ok()) << fonts.error();
  // The long texts wrap; the lines they take must fit above the next control.
  const struct {
    const ui::Label* label;
    int lines;
  } wrapped[] = {{dialog->Lbl1, 2}, {dialog->Lbl2, 2}, {dialog->Lbl7, 1}};
  for (const auto& w : wrapped) {
    const ui::Label& l = *w.label;
    EXPECT_TRUE(l.WordWrap) << l.name;
    EXPECT_LE(l.Left + l.Width, dialog->window.ClientWidthPx() * T) << l.name;
    int lines = 0;
    render::ForEachLine(*fonts.value(), l.Font(), l.Caption(), true, l.Width / T, [&](std::string_view) { ++lines; });
    EXPECT_EQ(lines, w.lines) << l.name;
    EXPECT_LE(lines * fonts.value()->LineHeightPx(l.Font()), l.Height / T) << l.name;
  }
}

TEST_F(SettingsDialog, TabVisitsSliderMuteBoxDetailAndTheButtons) {
  std::vector<std::string> names;
  for (int i = 0; i < 6; ++i) {
    names.push_back(dialog->input.Focus()->name);
    Key(kTab);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Sldr_ms", "Chk_Mute", "Opt_Detail(0)", "CmdExit", "CmdStart", "Sldr_ms"}));
}

TEST_F(SettingsDialog, MovingTheSliderShowsItsValueInMilliseconds) {
  struct Case {
    std::vector<int> keys;
    int value;
    const char* text;
  };
  const Case cases[] = {
      {std::vector<int>(15, kRight), 48, "48 ms"},
      {{kHome}, 1, "1 ms"},
      {{kEnd}, 60, "60 ms"},
      {{kEnd, kRight}, 60, "60 ms"},
      {{kDown, kDown}, 35, "35 ms"},
  };
  for (const Case& c : cases) {
    dialog->Sldr_ms->Value = 33;
    for (int vk : c.keys) Key(vk);
    EXPECT_EQ(dialog->Sldr_ms->Value, c.value);
    EXPECT_EQ(dialog->Lbl_ms->Caption(), c.text);
    EXPECT_EQ(dialog->Period(), c.value);
  }
}

TEST_F(SettingsDialog, DraggingTheSliderUpdatesTheTextOnTheWayAndOnRelease) {
  const ui::Slider& s = *dialog->Sldr_ms;
  const int left = s.WindowLeft() / T;
  const int width = s.Width / T;
  const auto xFor = [&](int value) {
    for (int x = 0; x < width; ++x) {
      if (ui::SliderValueAt(s, x, width) == value) return left + x;
    }
    return -1;
  };
  const int y = (s.WindowTop() + s.Height / 2) / T;
  dialog->window.OnMouseDown(xFor(20), y);
  EXPECT_EQ(dialog->Lbl_ms->Caption(), "20 ms");
  dialog->window.OnMouseMove(xFor(48), y + 30);
  EXPECT_EQ(dialog->Lbl_ms->Caption(), "48 ms");
  dialog->window.OnMouseMove(left + width + 50, y);
  EXPECT_EQ(dialog->Lbl_ms->Caption(), "60 ms");
  dialog->window.OnMouseUp(xFor(48), y);
  EXPECT_EQ(dialog->Lbl_ms->Caption(), "48 ms");
  EXPECT_EQ(dialog->Period(), 48);
}

TEST_F(SettingsDialog, StartGrowsTheWindowSoThatTheWaitTextShows) {
  EXPECT_EQ(dialog->HeightTwips(), kLoadedHeightTwips);
  EXPECT_FALSE(InsideClient(*dialog->LblWait));
  for (const ui::Element* e : {static_cast<const ui::Element*>(dialog->CmdStart), static_cast<const ui::Element*>(dialog->Opt_Detail[2])}) {
    EXPECT_TRUE(InsideClient(*e)) << e->name;
  }
  const int loadedClient = ClientHeightTwips();
  Click(*dialog->CmdStart);
  EXPECT_EQ(dialog->HeightTwips(), kStartedHeightTwips);
  EXPECT_EQ(ClientHeightTwips() - loadedClient, kStartedHeightTwips - kLoadedHeightTwips);
  EXPECT_TRUE(InsideClient(*dialog->LblWait));
  EXPECT_TRUE(dialog->tmrStart->Enabled());
  EXPECT_TRUE(started.empty());
}

TEST_F(SettingsDialog, TheGameIsCreated50MsAfterStartWithTheChosenSettingsAndTheDialogHides) {
  Key(kRight);  // 34 ms
  Key(kTab);
  Key(kSpace);  // mute
  Key(kTab);
  Key(kDown);   // medium
  Key(kDown);   // high
  const std::int64_t t0 = platform->NowMs();
  Key('S', kAlt);
  platform->RunUntil(t0 + 49);
  EXPECT_TRUE(started.empty());
  EXPECT_TRUE(platform->IsShown(dialog->window));
  platform->RunUntil(t0 + 50);
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0].game, "main");
  EXPECT_EQ(started[0].at, t0 + 50);
  EXPECT_EQ(started[0].readout.period, 34);
  EXPECT_EQ(started[0].readout.detail, 2);
  EXPECT_TRUE(started[0].readout.muted);
  EXPECT_FALSE(platform->IsShown(dialog->window));
  EXPECT_FALSE(dialog->tmrStart->Enabled());
  platform->RunUntil(t0 + 500);
  EXPECT_EQ(started.size(), 1u);
  // Hidden but alive: the game goes on reading the mute box.
  dialog->Chk_Mute->Checked = false;
  EXPECT_FALSE(dialog->Muted());
}

TEST_F(SettingsDialog, EachDetailOptionGivesItsNumber) {
  for (int detail : {2, 0, 1}) {
    Click(*dialog->Opt_Detail[static_cast<std::size_t>(detail)]);
    EXPECT_EQ(dialog->Detail(), detail);
    int selected = 0;
    for (const ui::OptionButton* o : dialog->Opt_Detail) selected += o->Selected ? 1 : 0;
    EXPECT_EQ(selected, 1);
  }
}

TEST_F(SettingsDialog, AltSStartsTheMainGameFromTheSliderEvenOverStartEx) {
  struct Case {
    bool extraShown;
    bool onSlider;
    const char* game;
  };
  const Case cases[] = {
      {false, true, "main"},
      {true, true, "main"},
      {false, false, "main"},
      {true, false, "extra"},  // away from the slider the button on top answers
  };
  for (const Case& c : cases) {
    Open();
    dialog->Command1->Visible = c.extraShown;
    if (!c.onSlider) dialog->input.SetFocus(dialog->Chk_Mute);
    const std::int64_t t0 = platform->NowMs();
    Key('S', kAlt);
    platform->RunUntil(t0 + 50);
    ASSERT_EQ(started.size(), 1u) << c.onSlider << " " << c.extraShown;
    EXPECT_EQ(started[0].game, c.game) << c.onSlider << " " << c.extraShown;
    EXPECT_EQ(dialog->HeightTwips(), kStartedHeightTwips);
    EXPECT_FALSE(dialog->Chk_Mute->Checked);  // Alt+S is no key of the focused box
  }
}

TEST_F(SettingsDialog, StartExCreatesTheExtraGame50MsLater) {
  dialog->Command1->Visible = true;
  const std::int64_t t0 = platform->NowMs();
  Click(*dialog->Command1);  // it lies over "&Start"
  EXPECT_TRUE(dialog->Timer1->Enabled());
  EXPECT_FALSE(dialog->tmrStart->Enabled());
  EXPECT_EQ(dialog->HeightTwips(), kStartedHeightTwips);
  platform->RunUntil(t0 + 50);
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0].game, "extra");
  EXPECT_EQ(started[0].at, t0 + 50);
  EXPECT_FALSE(platform->IsShown(dialog->window));
}

TEST_F(SettingsDialog, ExitEndsTheProgramWithoutAGame) {
  for (const char* how : {"alt-x", "click", "close"}) {
    Open();
    if (std::string(how) == "alt-x") Key('X', kAlt);
    if (std::string(how) == "click") Click(*dialog->CmdExit);
    if (std::string(how) == "close") dialog->window.OnCloseRequest();
    EXPECT_TRUE(platform->QuitRequested()) << how;
    EXPECT_FALSE(platform->IsShown(dialog->window)) << how;
    platform->RunUntil(1000);
    EXPECT_TRUE(started.empty()) << how;
  }
}

}  // namespace
}  // namespace kv::shell
