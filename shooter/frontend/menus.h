#pragma once
// The menus of the layers: the shared item labels and cursor bars, and each layer's keys.
#include "shooter/frontend/shooter.h"

namespace kv::shooter {

void SetMenu(Shooter& g, int first, int last, int selected, int cursorFirst, int cursorLast);
void RefreshCursor(Shooter& g);
void AimCursorBar(Shooter& g, int targetTop, int bar, int firstBar);
void ResetMenuColours(Shooter& g, int item);

void ShowTitleMenu(Shooter& g);
void ShowPauseMenu(Shooter& g);
void ShowOptions(Shooter& g);
void ShowEquipment(Shooter& g);
void SetEquipName(Shooter& g, int slot, int choice);

// Key handlers of the layers; each checks its own layer's flag.
void MenuLayer_KeyDown(Shooter& g, int vk, int shift);
void RemapLayer_KeyDown(Shooter& g, int vk, int shift);
void GameLayer_KeyDown(Shooter& g, int vk, int shift);
void PauseLayer_KeyDown(Shooter& g, int vk, int shift);
void PlayLayer_KeyDown(Shooter& g, int vk, int shift);
void PlayLayer_KeyUp(Shooter& g, int vk, int shift);

}  // namespace kv::shooter
