#include "shooter/frontend/menus.h"

#include <algorithm>
#include <string>

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
  if (slot == 1 && g.def.tracksNoSecondWeapon && g.settings.nowep != nullptr) {
    *g.settings.nowep = choice == 0 ? "ok" : "x";
  }
}

namespace {

constexpr int kEnter = 13, kEscape = 27, kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kF4 = 115;

// Ctrl+F4 (Ctrl alone, without Shift or Alt) ends the game on every menu layer.
bool CtrlF4(int vk, int shift) { return vk == kF4 && shift == 2; }

// Up and Down move the selection, wrapping at both ends.
bool MoveSelection(Shooter& g, int vk) {
  GameState& s = g.st;
  if (vk == kUp) {
    s.MenuSel = Wrap16(s.MenuSel - 1);
    if (s.MenuSel < s.MenuFirst) s.MenuSel = s.MenuLast;
  } else if (vk == kDown) {
    s.MenuSel = Wrap16(s.MenuSel + 1);
    if (s.MenuSel > s.MenuLast) s.MenuSel = s.MenuFirst;
  } else {
    return false;
  }
  PlaySfx(g, 1);
  return true;
}

void WaitForKey(Shooter& g) {
  g.st.AwaitingKey = kTrue;
  g.menus.menu[static_cast<std::size_t>(g.st.MenuSel - 6)]->SetCaption("Enter A Key");
}

void ChangeVolume(Shooter& g, int vk) {
  GameState& s = g.st;
  const int step = vk == kLeft ? -1 : 1;
  if (s.MenuSel == 15) {
    s.Volumes[0] = static_cast<i16>(std::clamp(s.Volumes[0] + step, 0, 100));
    g.menus.LabelSE->SetCaption(std::to_string(s.Volumes[0]));
    PlaySfx(g, 1);
  } else if (s.MenuSel == 16) {
    s.Volumes[1] = static_cast<i16>(std::clamp(s.Volumes[1] + step, 0, 100));
  }
  ApplyVolumes(g);
}

void ChangeEquipment(Shooter& g, int vk) {
  GameState& s = g.st;
  const int slot = s.MenuSel - 21;
  const int highest = kEquipHighest[static_cast<std::size_t>(slot)];
  int choice = s.Equip[static_cast<std::size_t>(slot)] + (vk == kLeft ? -1 : 1);
  if (choice < 0) choice = highest;
  if (choice > highest) choice = 0;
  s.Equip[static_cast<std::size_t>(slot)] = static_cast<i16>(choice);
  SetEquipName(g, slot, choice);
  PlaySfx(g, 3);
}

}  // namespace

void MenuLayer_KeyDown(Shooter& g, int vk, int shift) {
  GameState& s = g.st;
  if (CtrlF4(vk, shift)) {
    QuitGame(g);
    return;
  }
  // Keys count only once the title menu has been set up (the tagline is gone by then).
  if (s.MenuLayerOn != kTrue || g.menus.Wait_Label->Visible) return;
  if (vk == kEnter) {
    if (s.MenuSel == 0) {
      SwitchLayer(g, kEquipLayer, kTitleLayer, 0.01, 3);
      PlaySfx(g, 1);
    } else if (s.MenuSel == 1) {
      SwitchLayer(g, kOptionsLayer, kTitleLayer, 0.01, 2);
      PlaySfx(g, 1);
    } else if (s.MenuSel == 2) {
      QuitGame(g);
      return;
    }
  } else if (vk == kEscape) {
    QuitGame(g);
    return;
  } else {
    MoveSelection(g, vk);
  }
  ResetMenuColours(g, s.MenuSel);
}

void RemapLayer_KeyDown(Shooter& g, int vk, int shift) {
  GameState& s = g.st;
  if (s.AwaitingKey == kTrue) {
    // Whatever the key, Enter, Escape and the arrows included, it becomes the row's key.
    SetKeyName(g, vk, s.MenuSel - 6);
    s.KeyCodes[static_cast<std::size_t>(s.MenuSel - 9)] = Wrap16(vk);
    PlaySfx(g, 1);
    s.AwaitingKey = 0;
    if (CtrlF4(vk, shift)) QuitGame(g);
    return;
  }
  if (CtrlF4(vk, shift)) {
    QuitGame(g);
    return;
  }
  if (s.RemapLayerOn != kTrue) return;
  if (vk == kEnter) {
    if (s.MenuSel >= 9 && s.MenuSel <= 14) {
      WaitForKey(g);
    } else if (s.MenuSel == 17) {
      SwitchLayer(g, kTitleLayer, kOptionsLayer, 0.1, 1);
      SaveConfig(g);
    } else if (s.MenuSel == 18) {
      // Changes made since the last save are thrown away.
      SwitchLayer(g, kTitleLayer, kOptionsLayer, 0.1, 1);
      LoadConfig(g);
    }
    PlaySfx(g, 1);
  } else if (vk == kEscape) {
    // Changes stay in effect for this run but are not saved.
    PlaySfx(g, 1);
    SwitchLayer(g, kTitleLayer, kOptionsLayer, 0.01, 1);
  } else if (vk == kLeft || vk == kRight) {
    ChangeVolume(g, vk);
  } else {
    MoveSelection(g, vk);
  }
  ResetMenuColours(g, s.MenuSel);
}

void GameLayer_KeyDown(Shooter& g, int vk, int shift) {
  GameState& s = g.st;
  if (CtrlF4(vk, shift)) {
    QuitGame(g);
    return;
  }
  if (s.GameLayerOn != kTrue) return;
  if (vk == kEnter) {
    PlaySfx(g, 1);
    if (s.MenuSel == 19) {
      g.Play_Layer->Cls();
      g.hud.Wait_label2->Visible = true;
      SwitchLayer(g, kPlayLayer, kEquipLayer, 0.3, 4);
    } else if (s.MenuSel == 20) {
      SwitchLayer(g, kTitleLayer, kEquipLayer, 0.1, 1);
    }
  } else if (vk == kEscape) {
    SwitchLayer(g, kTitleLayer, kEquipLayer, 0.1, 1);
    PlaySfx(g, 1);
  } else if (MoveSelection(g, vk)) {
    s.OnEquipRow = Flag(s.MenuSel >= 21 && s.MenuSel <= 26);
  } else if ((vk == kLeft || vk == kRight) && s.MenuSel >= 21 && s.MenuSel <= 26) {
    ChangeEquipment(g, vk);
  }
  ResetMenuColours(g, s.MenuSel);
}

void PauseLayer_KeyDown(Shooter& g, int vk, int shift) {
  GameState& s = g.st;
  if (CtrlF4(vk, shift)) {
    QuitGame(g);
    return;
  }
  if (s.PauseLayerOn != kTrue) return;
  if (vk == kEnter) {
    if (s.MenuSel == 27) {
      SwitchLayer(g, kPlayLayer, kPauseLayer, 0.1, 4);  // the mission only restarts its timers
    } else if (s.MenuSel == 28) {
      s.GameInitialised = 0;  // the next mission starts from scratch
      SwitchLayer(g, kTitleLayer, kPauseLayer, 0.2, 1);
    } else if (s.MenuSel == 29) {
      QuitGame(g);
      return;
    }
  } else if (vk == kEscape) {
    SwitchLayer(g, kPlayLayer, kPauseLayer, 0.01, 4);
  } else {
    MoveSelection(g, vk);
  }
  ResetMenuColours(g, s.MenuSel);
}

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
