#pragma once
// A shooter game window (the main game's, or the extra game's): its game state, its layers and
// head-up display, its timers and sound players, and the services it was given. Every routine
// of the game takes this object; nothing of it is global.
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "shooter/content/game_definition.h"
#include "shooter/core/game_state.h"
#include "shooter/frontend/image_set.h"

namespace kv::shooter {

// What the settings dialog and the program-wide stores hand to a game window.
struct ShooterSettings {
  std::filesystem::path programDir;  // pictures, sounds, voices and music
  std::filesystem::path dataDir;     // custom.cfg and HiScore.txt
  int periodMs = 33;                 // the dialog's slider
  int detailOption = 0;              // 0 "Low Detail", 1 "Medium Detail", 2 "High Detail"
  std::function<bool()> muted;       // the dialog's "Mute Sounds" box, read at every effect
  std::string shieldHitCost = "394";  // caption of the hidden store label LabelX
  std::string* nowep = nullptr;       // the program-wide no-second-weapon flag, "ok" or "x"
};

struct Hud {
  ui::Surface* Stats_Bar = nullptr;
  ui::Label* Stt_SHD_Lbl = nullptr;
  ui::Label* Stt_SPE_Lbl = nullptr;
  ui::Shape* BAR_SHD_C = nullptr;
  ui::Shape* BAR_SHD_R = nullptr;
  ui::Shape* BAR_SPE_C = nullptr;
  ui::Shape* BAR_SPE_R = nullptr;
  ui::Label* Stt_LVL_MG = nullptr;
  ui::Label* Stt_LVL_SG = nullptr;
  ui::Label* Stt_MGUN_F = nullptr;
  ui::Label* Stt_SGUN_F = nullptr;
  ui::Label* Stt_ENG_F = nullptr;
  ui::Label* Stt_PWR_F = nullptr;
  ui::Surface* Stt_MGUN_R = nullptr;
  ui::Surface* Stt_SGUN_R = nullptr;
  ui::Surface* Stt_ENG_R = nullptr;
  ui::Surface* Stt_PWR_R = nullptr;
  std::array<ui::Surface*, 7> Bufferbox{};  // 0..4 message log, 5 score box, 6 special banner
  std::array<ui::Label*, 8> BufferText{};   // 0..4 log lines, 5 "SCORE", 6 the score, 7 banner text
  ui::Surface* BossBar = nullptr;
  ui::Label* Boss_Name = nullptr;
  ui::Shape* Boss_Bar_Bottom = nullptr;
  ui::Shape* Boss_Bar_Top = nullptr;
  ui::Label* Wait_label2 = nullptr;
  // The exact widths of the eight charge bars and repair gauges, in twips (see hud_bars.h).
  std::array<i16, 8> barTwips{};
};

struct MenuUi {
  std::array<ui::Label*, 30> menu{};
  std::array<ui::Shape*, 24> Curr{};
  ui::Surface* Weapon_Box = nullptr;
  std::array<ui::Label*, 6> WBox{};
  ui::Label* Wait_Label = nullptr;  // the title tagline
  ui::Label* nlabel = nullptr;      // the blinking title symbol
  ui::Surface* Image3 = nullptr;    // the extra game's title symbol
  ui::Label* LabelSE = nullptr;     // effects volume on the options layer
  ui::Label* LabelBGM = nullptr;
};

struct SoundPlayers {
  std::unique_ptr<MediaPlayer> MP1, MP2, MP3, MP4, MP5, MediaPlayer1;
  std::array<std::unique_ptr<MediaPlayer>, 8> MPS;
};

// What one frame tick did that the headless trace reports. Fixed capacity: recording
// allocates nothing.
struct TickRecord {
  std::array<i16, 64> sfx{};
  int sfxCount = 0;
  std::array<std::string_view, 8> wav{};
  int wavCount = 0;
  std::array<std::string_view, 4> music{};
  int musicCount = 0;
  int starsMoved = 0;
  void Clear() { sfxCount = wavCount = musicCount = starsMoved = 0; }
};

// Layer numbers of SwitchLayer.
inline constexpr int kTitleLayer = 1, kOptionsLayer = 2, kEquipLayer = 3, kPlayLayer = 4, kPauseLayer = 5;

class Shooter {
 public:
  Shooter(Platform& platform, Random& rng, const GameDefinition& def, const ImageSet& images,
          ShooterSettings settings);
  ~Shooter();
  Shooter(const Shooter&) = delete;
  Shooter& operator=(const Shooter&) = delete;

  Platform& platform;
  Random& rng;
  const GameDefinition& def;
  const ImageSet& images;
  ShooterSettings settings;

  GameState st;

  ui::Window window;
  ui::Surface* Menu_Layer = nullptr;
  ui::Surface* Remap_Layer = nullptr;
  ui::Surface* Game_Layer = nullptr;
  ui::Surface* Play_Layer = nullptr;
  ui::Surface* Pause_Layer = nullptr;
  int focusLayer = kTitleLayer;  // the layer that holds the keyboard
  Hud hud;
  MenuUi menus;
  SoundPlayers sound;
  std::string Text1;  // the current music file name

  std::unique_ptr<Timer> tmOneFrame, tmOneSecond, tmMenu, tmDelay, Timer2;

  TickRecord tick;
  i16 beamX = 0;  // where the main gun's beam stands this tick; 0 when no beam shot was added
  bool quit = false;              // QuitGame ran
  bool skipTitleToPlay = false;   // headless --play: the first title menu starts a mission instead
  std::function<void()> onTick;   // after every frame tick that ran with PlayLayerOn -1

  std::filesystem::path ProgramFile(std::string_view designPath) const;  // "\sound\menu.wav" etc.
  std::filesystem::path DataFile(std::string_view name) const;
};

// Design size of the window's client area: 4920 x 6495 twips.
inline constexpr int kClientWidthPx = 328;
inline constexpr int kClientHeightPx = 433;

}  // namespace kv::shooter
