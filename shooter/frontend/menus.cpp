#include "shooter/frontend/menus.h"

#include "shooter/frontend/config.h"
#include "shooter/frontend/effects.h"
#include "shooter/frontend/form.h"
#include "shooter/frontend/sound.h"

namespace kv::shooter {

void SetMenu(Shooter& g, int first, int last, int selected, int cursorFirst, int cursorLast) {
  GameState& s = g.st;
  s.MenuFirst = Wrap16(first);
  s.MenuLast = Wrap16(last);
  s.MenuSel = Wrap16(selected);
  s.CursorFirst = Wrap16(cursorFirst);
  s.CursorLast = Wrap16(cursorLast);
}

void RefreshCursor(Shooter& g) {
  GameState& s = g.st;
  const ui::Label& first = *g.menus.menu[static_cast<std::size_t>(s.MenuFirst)];
  for (int i = s.CursorFirst; i <= s.CursorLast; ++i) {
    ui::Shape& bar = *g.menus.Curr[static_cast<std::size_t>(i)];
    bar.Left = first.Left;
    bar.Width = first.Width;
  }
  AimCursorBar(g, first.Top, s.CursorFirst, s.CursorFirst);
  ResetMenuColours(g, s.MenuFirst);
}

void AimCursorBar(Shooter& g, int targetTop, int bar, int /*firstBar*/) {
  g.st.CursorStep[static_cast<std::size_t>(bar)] = Wrap16(g.menus.Curr[static_cast<std::size_t>(bar)]->Top - targetTop);
}

void ResetMenuColours(Shooter& g, int item) {
  GameState& s = g.st;
  for (int i = s.MenuFirst; i <= s.MenuLast; ++i) {
    g.menus.menu[static_cast<std::size_t>(i)]->ForeColor = 0xC0C0C0;
    if (i == item && i >= 19 && i <= 26) {
      for (ui::Label* w : g.menus.WBox) w->ForeColor = 0xC0C0C0;
    }
  }
}

void ShowTitleMenu(Shooter& g) {
  SetMenu(g, 0, 2, 0, 2, 8);
  for (int i = 0; i <= 2; ++i) {
    ui::Label& item = *g.menus.menu[static_cast<std::size_t>(i)];
    item.Left = 1370;
    item.Top = 4840 + 400 * i;
  }
  RefreshCursor(g);
  g.menus.Wait_Label->Visible = false;
  g.tmMenu->SetEnabled(true);
}

void ShowPauseMenu(Shooter& g) {
  SetMenu(g, 27, 29, 27, 18, 23);
  RefreshCursor(g);
  g.st.MoveKeys = {0, 0, 0, 0};
  g.st.FireHeld = 0;
}

void ShowOptions(Shooter& g) {
  g.st.AwaitingKey = 0;
  SetMenu(g, 9, 18, 9, 6, 11);
  RefreshCursor(g);
  LoadConfig(g);
}

void ShowEquipment(Shooter& g) {
  g.st.OnEquipRow = 0;
  SetMenu(g, 19, 26, 19, 12, 17);
  RefreshCursor(g);
  g.menus.Weapon_Box->Move(2480, 3375, 2255, 2175);
  g.menus.Weapon_Box->Border = false;
}

void SetEquipName(Shooter& g, int slot, int choice) {
  if (slot < 0 || slot >= kEquipSlots || choice < 0 || choice > kEquipHighest[static_cast<std::size_t>(slot)]) return;
  g.menus.WBox[static_cast<std::size_t>(slot)]->SetCaption(
      g.def.equipNames[static_cast<std::size_t>(slot)][static_cast<std::size_t>(choice)]);
}

// The layers' keys come with the menu and playfield work; until then they are ignored.
void MenuLayer_KeyDown(Shooter&, int, int) {}
void RemapLayer_KeyDown(Shooter&, int, int) {}
void GameLayer_KeyDown(Shooter&, int, int) {}
void PauseLayer_KeyDown(Shooter&, int, int) {}

void PlayLayer_KeyDown(Shooter& g, int vk, int /*shift*/) {
  GameState& s = g.st;
  if (s.PlayLayerOn != kTrue) return;
  if (vk == 27) {
    // Pausing works also while the ship is locked, flown by the script or dead.
    SwitchLayer(g, kPauseLayer, kPlayLayer, 0.01, 5);
    PlaySfx(g, 1);
  }
  if (s.AutoPilot != 0 || s.ShipLocked != 0) return;
  const auto& k = s.KeyCodes;
  const bool engine = s.EngineBroken == 0;
  // The first matching action wins when one key serves several.
  if (vk == k[0]) {
    if (engine) s.MoveKeys[1] = kTrue;
  } else if (vk == k[1]) {
    if (engine) s.MoveKeys[3] = kTrue;
  } else if (vk == k[2]) {
    if (engine) s.MoveKeys[0] = kTrue;
  } else if (vk == k[3]) {
    if (engine) s.MoveKeys[2] = kTrue;
  } else if (vk == k[4]) {
    s.FireHeld = kTrue;
  } else if (vk == k[5]) {
    FireSpecial(g, s.Equip[2]);  // on every key-down, auto-repeat included
  }
}

// Releases count whenever the playfield has the keyboard, whatever the lock and the engines.
void PlayLayer_KeyUp(Shooter& g, int vk, int /*shift*/) {
  GameState& s = g.st;
  if (s.AutoPilot != 0) return;
  const auto& k = s.KeyCodes;
  if (vk == k[0]) {
    s.MoveKeys[1] = 0;
  } else if (vk == k[1]) {
    s.MoveKeys[3] = 0;
  } else if (vk == k[2]) {
    s.MoveKeys[0] = 0;
  } else if (vk == k[3]) {
    s.MoveKeys[2] = 0;
  } else if (vk == k[4]) {
    s.FireHeld = 0;
  }
}

}  // namespace kv::shooter
