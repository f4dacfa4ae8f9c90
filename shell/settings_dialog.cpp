#include "shell/settings_dialog.h"

#include <string>
#include <string_view>

namespace kv::shell {
namespace {

constexpr ui::Colour kFace = 0xE0E0E0;
constexpr ui::Colour kText = 0x000000;
constexpr int kClientWidthTwips = 4725;
// The heights of the design are the whole window's; the client area is what the title bar
// and the borders leave of them.
constexpr int kFrameTwips = 450;
constexpr int kStartDelayMs = 50;
constexpr int kVkS = 83;

constexpr int kMargin = 240;
constexpr int kTextWidth = kClientWidthTwips - 2 * kMargin;
constexpr int kButtonWidth = 900;  // leaves a gap between the two buttons 960 twips apart
constexpr int kButtonHeight = 375;
constexpr int kLineHeight = 255;  // check box and options
// Small enough that the one-line texts fit the width and the long ones take two lines.
constexpr ui::FontSpec kFont{7, false, ui::Face::Sans};

constexpr int ClientPx(int twips) { return (twips + ui::kTwipsPerPixel / 2) / ui::kTwipsPerPixel; }

ui::Label& AddLabel(ui::Surface& root, const char* name, int left, int top, std::string_view text) {
  auto& l = root.Add<ui::Label>();
  l.name = name;
  l.Transparent = true;
  l.ForeColor = kText;
  l.Left = left;
  l.Top = top;
  l.SetFont(kFont);
  l.SetAutoSize(true);
  l.SetCaption(text);
  return l;
}

// A text that wraps within the dialog's width onto the given number of lines.
ui::Label& AddWrapped(ui::Surface& root, const char* name, int top, int height, std::string_view text) {
  auto& l = root.Add<ui::Label>();
  l.name = name;
  l.Transparent = true;
  l.ForeColor = kText;
  l.WordWrap = true;
  l.SetFont(kFont);
  l.Move(kMargin, top, kTextWidth, height);
  l.SetCaption(text);
  return l;
}

ui::Button& AddButton(ui::Surface& root, const char* name, int left, int top, std::string caption) {
  auto& b = root.Add<ui::Button>();
  b.name = name;
  b.Caption = std::move(caption);
  b.Font = kFont;
  b.BackColor = kFace;
  b.Move(left, top, kButtonWidth, kButtonHeight);
  return b;
}

}  // namespace

FormOptimize::FormOptimize(Platform& p)
    : platform(p),
      window(&p.Metrics(), ClientPx(kClientWidthTwips), ClientPx(kLoadedHeightTwips - kFrameTwips), "Speed Optimization"),
      input(window),
      tmrStart(std::make_unique<Timer>(p.Timers(), [this] { tmrStart_Timer(); })),
      Timer1(std::make_unique<Timer>(p.Timers(), [this] { Timer1_Timer(); })) {
  tmrStart->SetInterval(kStartDelayMs);
  Timer1->SetInterval(kStartDelayMs);
  Build();
  input.Attach();
  window.OnKeyDown = [this](int vk, int shift) { Form_KeyDown(vk, shift); };
  window.OnCloseRequest = [this] { CmdExit_Click(); };
  Form_Load();
}

FormOptimize::~FormOptimize() = default;

void FormOptimize::Build() {
  ui::Surface& root = window.Root();
  root.SetBackColor(kFace);
  Lbl1 = &AddWrapped(root, "Lbl1", 120, 480,
                     "Due to different machine processing speed, game speed need to be optimize to create better "
                     "game balance.");
  Sldr_ms = &root.Add<ui::Slider>();
  Sldr_ms->name = "Sldr_ms";
  Sldr_ms->BackColor = kFace;
  Sldr_ms->ForeColor = kText;  // the focus mark
  Sldr_ms->Move(kMargin, 600, 3495, 255);
  Sldr_ms->Min = 1;
  Sldr_ms->Max = 60;
  Sldr_ms->Value = 33;
  Sldr_ms->Changed = [this] { Sldr_ms_Change(); };
  Lbl_ms = &AddLabel(root, "Lbl_ms", 3840, 600, "33 ms");
  Lbl2 = &AddWrapped(root, "Lbl2", 960, 600,
                     "Use the slider above to set the Delay in milliseconds (1/1000 second). Set higher Delay for "
                     "faster machines.");
  Lbl3 = &AddLabel(root, "Lbl3", kMargin, 1560, "Recommendation:");
  Lbl4 = &AddLabel(root, "Lbl4", kMargin, 1800, "Pentium MMX or below 64 MB RAM - Set 1 to 20");
  Lbl5 = &AddLabel(root, "Lbl5", kMargin, 2040, "Pentium II or below 128 MB RAM - Set 21 to 32");
  Lbl6 = &AddLabel(root, "Lbl6", kMargin, 2280, "Pentium III/IV or above 128 MB RAM - Set 33 to 60");
  LblTip = &AddLabel(root, "LblTip", kMargin, 2520, "(Try to obtain a balance of 25 - 28 Frames Per Second)");

  Chk_Mute = &root.Add<ui::CheckBox>();
  Chk_Mute->name = "Chk_Mute";
  Chk_Mute->Caption = "Mute Sounds";
  Chk_Mute->Font = kFont;
  Chk_Mute->BackColor = kFace;
  Chk_Mute->ForeColor = kText;
  Chk_Mute->Move(kMargin, 2880, 1815, kLineHeight);
  Lbl7 = &AddWrapped(root, "Lbl7", 3360, 240, "Disable sounds to increase performance for low-end PCs");

  constexpr std::array<const char*, 3> kDetails{"Low Detail", "Medium Detail", "High Detail"};
  constexpr std::array<int, 3> kDetailTops{3600, 3960, 4320};
  for (std::size_t i = 0; i < kDetails.size(); ++i) {
    auto& o = root.Add<ui::OptionButton>();
    o.name = "Opt_Detail(" + std::to_string(i) + ")";
    o.Caption = kDetails[i];
    o.Font = kFont;
    o.BackColor = kFace;
    o.ForeColor = kText;
    o.Move(kMargin, kDetailTops[i], 1815, kLineHeight);
    o.Selected = i == 0;
    Opt_Detail[i] = &o;
  }

  CmdExit = &AddButton(root, "CmdExit", 2520, 4200, "E&xit");
  CmdExit->Pressed = [this] { CmdExit_Click(); };
  CmdStart = &AddButton(root, "CmdStart", 3480, 4200, "&Start");
  CmdStart->Pressed = [this] { CmdStart_Click(); };
  Command1 = &AddButton(root, "Command1", 3480, 4200, "&Start EX");
  Command1->Pressed = [this] { Command1_Click(); };
  Command1->Visible = false;
  LblWait = &AddLabel(root, "LblWait", kMargin, 5040, "Loading ... Please Wait");
}

void FormOptimize::Form_Load() { SetHeight(kLoadedHeightTwips); }

void FormOptimize::SetHeight(int twips) {
  heightTwips_ = twips;
  window.SetClientSize(window.ClientWidthPx(), ClientPx(twips - kFrameTwips));
}

void FormOptimize::Show() {
  if (input.Focus() == nullptr) input.FocusFirst();
  platform.ShowWindow(window);
}

int FormOptimize::Detail() const {
  // Tested in order; the last one selected wins (exactly one is).
  int detail = 0;
  for (std::size_t i = 0; i < Opt_Detail.size(); ++i) {
    if (Opt_Detail[i]->Selected) detail = static_cast<int>(i);
  }
  return detail;
}

// Alt+S on the slider starts the main game, even while "&Start EX" lies over "&Start".
void FormOptimize::Form_KeyDown(int vk, int shift) {
  if (vk == kVkS && shift == ui::kAltMask && Sldr_ms->Focused) {
    CmdStart_Click();
    return;
  }
  input.KeyDown(vk, shift);
}

void FormOptimize::Sldr_ms_Change() { Lbl_ms->SetCaption(std::to_string(Sldr_ms->Value) + " ms"); }

void FormOptimize::CmdStart_Click() {
  SetHeight(kStartedHeightTwips);
  tmrStart->SetEnabled(true);
}

void FormOptimize::Command1_Click() {
  SetHeight(kStartedHeightTwips);
  Timer1->SetEnabled(true);
}

void FormOptimize::CmdExit_Click() {
  platform.HideWindow(window);
  platform.Quit();
}

void FormOptimize::tmrStart_Timer() {
  tmrStart->SetEnabled(false);
  if (auto start = startMainGame) start(Readout());
  platform.HideWindow(window);
}

void FormOptimize::Timer1_Timer() {
  Timer1->SetEnabled(false);
  if (auto start = startExtraGame) start(Readout());
  platform.HideWindow(window);
}

}  // namespace kv::shell
