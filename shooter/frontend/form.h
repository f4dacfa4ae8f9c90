#pragma once
// The game window: creation and loading, the layers and the moves between them, the window's
// timers and the end of the program.
#include "shooter/frontend/shooter.h"

namespace kv::shooter {

void BuildWindow(Shooter& g);

void Form_Initialize(Shooter& g);
void Form_Load(Shooter& g);

// Moves the keyboard from one layer to another and arms the delayed action.
// Layers: 1 title, 2 options, 3 equipment, 4 playfield, 5 pause; other numbers do nothing.
void SwitchLayer(Shooter& g, int to, int from, double delaySeconds, int action);
void StartDelay(Shooter& g, double delaySeconds, int action);

void tmDelay_Timer(Shooter& g);
void tmOneSecond_Timer(Shooter& g);
void tmMenu_Timer(Shooter& g);
void Timer2_Timer(Shooter& g);

void QuitGame(Shooter& g);

// Key events of the window, handed to the layer that holds the keyboard.
void Form_KeyDown(Shooter& g, int vk, int shift);
void Form_KeyUp(Shooter& g, int vk, int shift);

// The number at the start of a text, as the toolkit's Val reads it: leading blanks skipped,
// digits up to the first character that is not part of a number; no digits gives 0.
long long Val(std::string_view text);

}  // namespace kv::shooter
