#include "platform/sdl/keymap.h"

namespace kv::sdl {

namespace {

constexpr int kLetterA = 65;
constexpr int kDigit0 = 48;
constexpr int kNumpad0 = 96;
constexpr int kF1 = 112;

int LetterOrDigit(SDL_Scancode scan) {
  if (scan >= SDL_SCANCODE_A && scan <= SDL_SCANCODE_Z) return kLetterA + (scan - SDL_SCANCODE_A);
  // The scancodes run 1..9 then 0, as the keys lie on the keyboard.
  if (scan >= SDL_SCANCODE_1 && scan <= SDL_SCANCODE_9) return kDigit0 + 1 + (scan - SDL_SCANCODE_1);
  if (scan == SDL_SCANCODE_0) return kDigit0;
  if (scan >= SDL_SCANCODE_KP_1 && scan <= SDL_SCANCODE_KP_9) return kNumpad0 + 1 + (scan - SDL_SCANCODE_KP_1);
  if (scan == SDL_SCANCODE_KP_0) return kNumpad0;
  if (scan >= SDL_SCANCODE_F1 && scan <= SDL_SCANCODE_F12) return kF1 + (scan - SDL_SCANCODE_F1);
  return 0;
}

int OtherKey(SDL_Scancode scan) {
  switch (scan) {
    case SDL_SCANCODE_BACKSPACE: return 8;
    case SDL_SCANCODE_TAB: return 9;
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER: return 13;
    case SDL_SCANCODE_LSHIFT:
    case SDL_SCANCODE_RSHIFT: return 16;
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_RCTRL: return 17;
    case SDL_SCANCODE_LALT:
    case SDL_SCANCODE_RALT: return 18;
    case SDL_SCANCODE_PAUSE: return 19;
    case SDL_SCANCODE_CAPSLOCK: return 20;
    case SDL_SCANCODE_ESCAPE: return 27;
    case SDL_SCANCODE_SPACE: return 32;
    case SDL_SCANCODE_PAGEUP: return 33;
    case SDL_SCANCODE_PAGEDOWN: return 34;
    case SDL_SCANCODE_END: return 35;
    case SDL_SCANCODE_HOME: return 36;
    case SDL_SCANCODE_LEFT: return 37;
    case SDL_SCANCODE_UP: return 38;
    case SDL_SCANCODE_RIGHT: return 39;
    case SDL_SCANCODE_DOWN: return 40;
    case SDL_SCANCODE_INSERT: return 45;
    case SDL_SCANCODE_DELETE: return 46;
    case SDL_SCANCODE_KP_MULTIPLY: return 106;
    case SDL_SCANCODE_KP_PLUS: return 107;
    case SDL_SCANCODE_KP_MINUS: return 109;
    case SDL_SCANCODE_KP_PERIOD: return 110;
    case SDL_SCANCODE_KP_DIVIDE: return 111;
    case SDL_SCANCODE_NUMLOCKCLEAR: return 144;
    case SDL_SCANCODE_SCROLLLOCK: return 145;
    case SDL_SCANCODE_SEMICOLON: return 186;
    case SDL_SCANCODE_EQUALS: return 187;
    case SDL_SCANCODE_COMMA: return 188;
    case SDL_SCANCODE_MINUS: return 189;
    case SDL_SCANCODE_PERIOD: return 190;
    case SDL_SCANCODE_SLASH: return 191;
    case SDL_SCANCODE_GRAVE: return 192;
    case SDL_SCANCODE_LEFTBRACKET: return 219;
    case SDL_SCANCODE_BACKSLASH: return 220;
    case SDL_SCANCODE_RIGHTBRACKET: return 221;
    case SDL_SCANCODE_APOSTROPHE: return 222;
    default: return 0;
  }
}

}  // namespace

int VirtualKey(SDL_Keycode key, SDL_Scancode scan) {
  if (key >= SDLK_a && key <= SDLK_z) return kLetterA + (key - SDLK_a);
  if (const int vk = LetterOrDigit(scan); vk != 0) return vk;
  return OtherKey(scan);
}

int ShiftState(Uint16 mod) {
  int shift = 0;
  if ((mod & KMOD_SHIFT) != 0) shift |= 1;
  if ((mod & KMOD_CTRL) != 0) shift |= 2;
  if ((mod & KMOD_ALT) != 0) shift |= 4;
  return shift;
}

int KeyPressOfKeyDown(int vk) {
  switch (vk) {
    case 8:
    case 13:
    case 27: return vk;
    default: return 0;
  }
}

}  // namespace kv::sdl
