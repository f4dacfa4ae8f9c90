#include "shooter/frontend/hud.h"

#include <array>

namespace kv::shooter {

namespace {
constexpr ui::Colour kHudColourGrey = 0xC0C0C0;
}

void ResetHud(Shooter& g) {
  Hud& h = g.hud;
  h.BossBar->Top = 1080;
  h.Stats_Bar->Move(720, 7920, 4935, 975);
  h.Stats_Bar->Visible = false;
  h.Stt_SHD_Lbl->Move(0, 0, 495, 255);
  h.Stt_SPE_Lbl->Move(0, 240, 495, 255);
  for (ui::Label* l : {h.Stt_SHD_Lbl, h.Stt_SPE_Lbl}) {
    l->BackColor = 0;
    l->ForeColor = kHudColourGrey;
  }
  h.Stt_LVL_MG->Move(2880, 0, 855, 255);
  h.Stt_LVL_SG->Move(2880, 240, 855, 255);
  h.Stt_MGUN_F->Move(3720, 0, 615, 255);
  h.Stt_SGUN_F->Move(3720, 240, 615, 255);
  h.Stt_ENG_F->Move(4320, 0, 615, 255);
  h.Stt_PWR_F->Move(4320, 240, 615, 255);
  h.Stt_MGUN_R->Move(3720, 0, 615, 255);
  h.Stt_SGUN_R->Move(3720, 240, 615, 255);
  h.Stt_ENG_R->Move(4320, 0, 615, 255);
  h.Stt_PWR_R->Move(4320, 240, 615, 255);
  constexpr std::array<int, 4> kBarTops{30, 90, 270, 330};
  const std::array<ui::Shape*, 4> bars{h.BAR_SHD_C, h.BAR_SHD_R, h.BAR_SPE_C, h.BAR_SPE_R};
  for (std::size_t i = 0; i < bars.size(); ++i) bars[i]->Move(540, kBarTops[i], 2175, 75);
  for (int line = 1; line <= 4; ++line) {
    const auto i = static_cast<std::size_t>(line);
    h.Bufferbox[i]->Move(1080, 2520 + 360 * line, 15, h.Bufferbox[i]->Height);
    h.BufferText[i]->SetCaption("");
  }
  h.Bufferbox[0]->Move(h.Bufferbox[1]->Left, h.Bufferbox[1]->Top, h.Bufferbox[1]->Width, h.Bufferbox[0]->Height);
  h.BufferText[0]->SetCaption(h.BufferText[1]->Caption());
  h.Bufferbox[6]->Top = 1080;
  h.Bufferbox[6]->Left = 3840;
  h.Bufferbox[5]->Top = 1080;
  h.Bufferbox[5]->Left = 840;
  h.BufferText[6]->SetCaption("000000");
  h.Stt_LVL_MG->SetCaption("MG  1.0");
  h.Stt_LVL_SG->SetCaption("SG   1.0");
}

void ShowMessage(Shooter& g, std::string_view text, int colour, int background) {
  g.st.MessagesShown = kTrue;
  ui::Label& line = *g.hud.BufferText[0];
  line.SetCaption(text);
  constexpr std::array<ui::Colour, 4> kColours{0xFFFFFF, kHudColourGrey, 0x0000FF, 0x0080FF};
  if (colour >= 0 && colour <= 3) line.ForeColor = kColours[static_cast<std::size_t>(colour)];
  line.BackColor = background == 1 ? 0x0000FF : 0x000000;
  // The black strip is exactly as long as the message.
  g.hud.Bufferbox[0]->Width = line.Width;
}

// The panels' slides and the log's scrolling come with the head-up display work.
void HudPanelStep(Shooter&) {}
void MessageLogStep(Shooter&) {}
void ShieldHit(Shooter&) {}
void DamagePart(Shooter&) {}
void WeaponLevel(Shooter&, int, int) {}
void EnemyDown(Shooter&, int) {}

}  // namespace kv::shooter
