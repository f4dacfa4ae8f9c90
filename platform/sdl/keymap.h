#pragma once
// Translation of SDL key events into the Windows virtual-key codes and shift bits the games
// were written against.
#include <SDL_keyboard.h>

namespace kv::sdl {

// The virtual-key code of a key, 0 for keys the games never see. Letters follow the keyboard
// layout; every other key is told by its position (US layout meaning), so that it keeps its code
// whatever layout is active.
int VirtualKey(SDL_Keycode key, SDL_Scancode scan);

// 1 Shift | 2 Ctrl | 4 Alt.
int ShiftState(Uint16 mod);

// The character code a key-down also delivers as a key press (Enter, Escape, Backspace), as
// those keys produce no text of their own; 0 for other keys.
int KeyPressOfKeyDown(int vk);

}  // namespace kv::sdl
