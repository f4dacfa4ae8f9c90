#pragma once
// The pre-game settings dialog FormOptimize: the frame period, the detail level and the mute
// switch. A start button grows the window so that "Loading ... Please Wait" shows, and 50 ms
// later asks for the game window and hides itself. The dialog then stays alive: the game reads
// its mute box at every sound effect.
#include <array>
#include <functional>
#include <memory>

#include "platform/platform.h"
#include "platform/widgets.h"

namespace kv::shell {

// What the dialog hands to a game window when it is created.
struct DialogReadout {
  int period = 33;  // frame period in milliseconds, 1..60
  int detail = 0;   // 0 "Low Detail", 1 "Medium Detail", 2 "High Detail"
  bool muted = false;
};

// Window heights, title bar and borders included, in twips.
inline constexpr int kLoadedHeightTwips = 5245;
inline constexpr int kStartedHeightTwips = 5800;

class FormOptimize {
 public:
  explicit FormOptimize(Platform& platform);
  ~FormOptimize();
  FormOptimize(const FormOptimize&) = delete;
  FormOptimize& operator=(const FormOptimize&) = delete;

  // Shows the dialog with the keyboard focus on its first control, the slider.
  void Show();

  int Period() const { return Sldr_ms->Value; }
  int Detail() const;
  bool Muted() const { return Chk_Mute->Checked; }
  DialogReadout Readout() const { return {Period(), Detail(), Muted()}; }
  // The window's height, title bar and borders included.
  int HeightTwips() const { return heightTwips_; }

  // Called 50 ms after "&Start" and "&Start EX", just before the dialog hides: the game window
  // is to be created and shown now.
  std::function<void(const DialogReadout&)> startMainGame;
  std::function<void(const DialogReadout&)> startExtraGame;

  Platform& platform;
  ui::Window window;
  ui::WidgetInput input;
  ui::Label* Lbl1 = nullptr;
  ui::Slider* Sldr_ms = nullptr;
  ui::Label* Lbl_ms = nullptr;
  ui::Label* Lbl2 = nullptr;
  ui::Label* Lbl3 = nullptr;
  ui::Label* Lbl4 = nullptr;
  ui::Label* Lbl5 = nullptr;
  ui::Label* Lbl6 = nullptr;
  ui::Label* LblTip = nullptr;
  ui::CheckBox* Chk_Mute = nullptr;
  ui::Label* Lbl7 = nullptr;
  std::array<ui::OptionButton*, 3> Opt_Detail{};
  ui::Button* CmdExit = nullptr;
  ui::Button* CmdStart = nullptr;
  ui::Button* Command1 = nullptr;  // "&Start EX", shown only when the extra game was asked for
  ui::Label* LblWait = nullptr;
  std::unique_ptr<Timer> tmrStart;
  std::unique_ptr<Timer> Timer1;

 private:
  void Build();
  void Form_Load();
  void SetHeight(int twips);
  void Form_KeyDown(int vk, int shift);
  void Sldr_ms_Change();
  void CmdStart_Click();
  void Command1_Click();
  void CmdExit_Click();
  void tmrStart_Timer();
  void Timer1_Timer();

  int heightTwips_ = 0;
};

}  // namespace kv::shell
