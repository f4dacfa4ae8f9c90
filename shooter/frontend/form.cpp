#include "shooter/frontend/form.h"

#include <cctype>
#include <cmath>
#include <string>

#include "shooter/core/frame_loop.h"
#include "shooter/frontend/config.h"
#include "shooter/frontend/hud.h"
#include "shooter/frontend/menus.h"
#include "shooter/frontend/mission.h"
#include "shooter/frontend/sound.h"

namespace kv::shooter {

Shooter::Shooter(Platform& p, Random& r, const GameDefinition& d, const ImageSet& imgs, ShooterSettings s)
    : platform(p),
      rng(r),
      def(d),
      images(imgs),
      settings(std::move(s)),
      window(&p.Metrics(), kClientWidthPx, kClientHeightPx, std::string(d.startCaption)) {
  Text1.reserve(64);
  BuildWindow(*this);
  // Timers due at the same moment fire in this order.
  tmOneFrame = std::make_unique<Timer>(platform.Timers(), [this] { tmOneFrame_Timer(*this); });
  tmOneSecond = std::make_unique<Timer>(platform.Timers(), [this] { tmOneSecond_Timer(*this); });
  tmMenu = std::make_unique<Timer>(platform.Timers(), [this] { tmMenu_Timer(*this); });
  tmDelay = std::make_unique<Timer>(platform.Timers(), [this] { tmDelay_Timer(*this); });
  Timer2 = std::make_unique<Timer>(platform.Timers(), [this] { Timer2_Timer(*this); });
  tmOneSecond->SetInterval(1000);
  Timer2->SetInterval(1);
  Timer2->SetEnabled(true);
  sound.MP1 = platform.CreateMediaPlayer();
  sound.MP2 = platform.CreateMediaPlayer();
  sound.MP3 = platform.CreateMediaPlayer();
  sound.MP4 = platform.CreateMediaPlayer();
  sound.MP5 = platform.CreateMediaPlayer();
  for (auto& mp : sound.MPS) mp = platform.CreateMediaPlayer();
  sound.MediaPlayer1 = platform.CreateMediaPlayer();
  window.OnKeyDown = [this](int vk, int shift) { Form_KeyDown(*this, vk, shift); };
  window.OnKeyUp = [this](int vk, int shift) { Form_KeyUp(*this, vk, shift); };
  window.OnCloseRequest = [this] { QuitGame(*this); };
}

// The platform must not keep a window that is gone.
Shooter::~Shooter() { platform.HideWindow(window); }

std::filesystem::path Shooter::ProgramFile(std::string_view designPath) const {
  // The design writes paths with backslashes after the program folder ("\sound\menu.wav").
  std::string rel(designPath);
  for (char& c : rel) {
    if (c == '\\') c = '/';
  }
  while (!rel.empty() && rel.front() == '/') rel.erase(rel.begin());
  return settings.programDir / rel;
}

std::filesystem::path Shooter::DataFile(std::string_view name) const { return settings.dataDir / std::string(name); }

void Form_Initialize(Shooter& g) {
  g.st.ShieldHitCost = Wrap16(Val(g.settings.shieldHitCost));
  Playwav(g, g.def.greetingWav);
  PlaceChargeBars(g);
}

void Form_Load(Shooter& g) {
  GameState& s = g.st;
  g.hud.Wait_label2->Left = 2520;
  g.hud.Wait_label2->Top = 4320;
  g.hud.Wait_label2->Visible = true;
  PlaceChargeBars(g);
  g.window.SetClientSize(kClientWidthPx, kClientHeightPx);
  g.Menu_Layer->Move(0, 0, 4920, 6490);
  g.Remap_Layer->Move(0, 0, 4920, 6490);
  g.Game_Layer->Move(0, 0, 4920, 6490);
  g.Play_Layer->Move(-720, -1440, 6375, 8655);
  g.Pause_Layer->Move(1080, 2040, 2895, 2055);
  g.tmMenu->SetInterval(g.settings.periodMs);
  g.tmOneFrame->SetInterval(g.settings.periodMs);
  constexpr i16 kStarsByDetail[] = {50, 400, 1000};
  s.DetailLevel = kStarsByDetail[g.settings.detailOption >= 0 && g.settings.detailOption <= 2 ? g.settings.detailOption : 0];
  s.MenuLayerOn = kTrue;
  s.GameLayerOn = 0;
  s.RemapLayerOn = 0;
  s.PlayLayerOn = 0;
  s.PauseLayerOn = 0;
  for (int slot = 0; slot < kEquipSlots; ++slot) {
    s.Equip[static_cast<std::size_t>(slot)] = 0;
    SetEquipName(g, slot, 0);
  }
  LoadConfig(g);
  LoadSounds(g);
  // The menu background picture.
  const Image* bg = g.images.hasMenuBackground ? &g.images.menuBackground : nullptr;
  for (ui::Surface* layer : {g.Menu_Layer, g.Remap_Layer, g.Game_Layer}) layer->Picture = bg;
  StartDelay(g, 1.0, 1);
}

static ui::Surface* Layer(Shooter& g, int n) {
  switch (n) {
    case kTitleLayer: return g.Menu_Layer;
    case kOptionsLayer: return g.Remap_Layer;
    case kEquipLayer: return g.Game_Layer;
    case kPlayLayer: return g.Play_Layer;
    case kPauseLayer: return g.Pause_Layer;
    default: return nullptr;
  }
}

static i16* LayerFlag(Shooter& g, int n) {
  switch (n) {
    case kTitleLayer: return &g.st.MenuLayerOn;
    case kOptionsLayer: return &g.st.RemapLayerOn;
    case kEquipLayer: return &g.st.GameLayerOn;
    case kPlayLayer: return &g.st.PlayLayerOn;
    case kPauseLayer: return &g.st.PauseLayerOn;
    default: return nullptr;
  }
}

void SwitchLayer(Shooter& g, int to, int from, double delaySeconds, int action) {
  if (ui::Surface* layer = Layer(g, to)) {
    *LayerFlag(g, to) = kTrue;
    if (to == kTitleLayer) {
      for (int i = 0; i <= 5; ++i) g.menus.Curr[static_cast<std::size_t>(i)]->Top = 120;
    }
    layer->Visible = true;
    if (to == kPlayLayer) {
      layer->Enabled = true;
      g.tmMenu->SetEnabled(false);
    }
    g.focusLayer = to;
  }
  if (ui::Surface* layer = Layer(g, from)) {
    *LayerFlag(g, from) = 0;
    if (from == kPlayLayer) {
      // The frozen playfield stays in sight behind the pause menu.
      layer->Enabled = false;
      g.tmOneFrame->SetEnabled(false);
      g.tmOneSecond->SetEnabled(false);
      g.tmMenu->SetEnabled(true);
    } else {
      layer->Visible = false;
    }
  }
  StartDelay(g, delaySeconds, action);
}

void StartDelay(Shooter& g, double delaySeconds, int action) {
  g.tmDelay->SetInterval(static_cast<int>(RoundHalfEven(delaySeconds * 1000)));
  g.tmDelay->SetEnabled(true);
  g.st.DelayTicks = 0;
  g.st.DelayAction = Wrap16(action);
}

// The delayed action runs on the timer's second tick.
void tmDelay_Timer(Shooter& g) {
  GameState& s = g.st;
  const i16 t = s.DelayTicks;
  s.DelayTicks = Wrap16(t + 1);
  if (t != 1) return;
  g.tmDelay->SetEnabled(false);
  switch (s.DelayAction) {
    case 1:
      if (g.skipTitleToPlay) {
        // Headless play: leave the title for the playfield as "START MISSION" would.
        g.skipTitleToPlay = false;
        SwitchLayer(g, kPlayLayer, kTitleLayer, 0.3, 4);
        return;
      }
      ShowTitleMenu(g);
      break;
    case 2: ShowOptions(g); break;
    case 3: ShowEquipment(g); break;
    case 4: StartMission(g); break;
    case 5: ShowPauseMenu(g); break;
    default: break;
  }
  s.DelayTicks = 0;
}

void tmOneSecond_Timer(Shooter& g) {
  GameState& s = g.st;
  s.FpsSeconds = Add32(s.FpsSeconds, 1);
  s.FramesTotal = Add32(s.FramesTotal, s.FramesThisSecond);
  s.FramesThisSecond = 0;
  g.window.SetCaption(g.def.runningCaption);
}

// Each bar moves to where its predecessor was one tick earlier: a trail behind the selection.
void tmMenu_Timer(Shooter& g) {
  GameState& s = g.st;
  for (int i = s.CursorFirst; i <= s.CursorLast; ++i) {
    ui::Shape& bar = *g.menus.Curr[static_cast<std::size_t>(i)];
    bar.Top -= s.CursorStep[static_cast<std::size_t>(i)];
    const int target = i == s.CursorFirst ? g.menus.menu[static_cast<std::size_t>(s.MenuSel)]->Top
                                          : g.menus.Curr[static_cast<std::size_t>(i - 1)]->Top;
    AimCursorBar(g, target, i, s.CursorFirst);
  }
}

// The main game's sign shows while the counter is below 5; the extra game's picture blinks in
// the other phase.
void Timer2_Timer(Shooter& g) {
  GameState& s = g.st;
  if (s.BlinkCount != 5) {
    const bool low = s.BlinkCount < 5;
    if (g.menus.Image3 != nullptr) {
      g.menus.Image3->Visible = !low;
    } else {
      g.menus.nlabel->SetCaption(low ? "\xC2\xA4" : "");
    }
  }
  s.BlinkCount = Wrap16(s.BlinkCount + 1);
  if (s.BlinkCount > 10) s.BlinkCount = 1;
}

void QuitGame(Shooter& g) {
  g.tmMenu->SetEnabled(false);
  g.tmDelay->SetEnabled(false);
  g.tmOneFrame->SetEnabled(false);
  g.tmOneSecond->SetEnabled(false);
  g.Timer2->SetEnabled(false);
  g.quit = true;
  g.platform.HideWindow(g.window);
  g.platform.Quit();
}

void Form_KeyDown(Shooter& g, int vk, int shift) {
  switch (g.focusLayer) {
    case kTitleLayer: MenuLayer_KeyDown(g, vk, shift); break;
    case kOptionsLayer: RemapLayer_KeyDown(g, vk, shift); break;
    case kEquipLayer: GameLayer_KeyDown(g, vk, shift); break;
    case kPlayLayer:
      if (g.Play_Layer->Enabled) PlayLayer_KeyDown(g, vk, shift);
      break;
    case kPauseLayer: PauseLayer_KeyDown(g, vk, shift); break;
    default: break;
  }
}

void Form_KeyUp(Shooter& g, int vk, int shift) {
  if (g.focusLayer == kPlayLayer && g.Play_Layer->Enabled) PlayLayer_KeyUp(g, vk, shift);
}

long long Val(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long v = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    if (v < 1'000'000'000'000LL) v = v * 10 + (text[i] - '0');
  }
  return negative ? -v : v;
}

}  // namespace kv::shooter
