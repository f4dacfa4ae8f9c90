#include "platform/sdl/keymap.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include <SDL_keyboard.h>

namespace kv::sdl {
namespace {

struct KeyCase {
  SDL_Keycode key;
  SDL_Scancode scan;
  int vk;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << SDL_GetScancodeName(c.scan) << " -> " << c.vk; }

std::string CaseName(const testing::TestParamInfo<KeyCase>& info) {
  return "Scancode" + std::to_string(info.param.scan) + "Key" + std::to_string(info.param.key);
}

class VirtualKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(VirtualKeyTest, MapsToWindowsCode) {
  const KeyCase& c = GetParam();
  EXPECT_EQ(VirtualKey(c.key, c.scan), c.vk);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, VirtualKeyTest,
    testing::Values(
        KeyCase{SDLK_a, SDL_SCANCODE_A, 65}, KeyCase{SDLK_m, SDL_SCANCODE_M, 77}, KeyCase{SDLK_z, SDL_SCANCODE_Z, 90},
        // A French layout: the key at the US Q position types 'a' and is A, as the layout says.
        KeyCase{SDLK_a, SDL_SCANCODE_Q, 65},
        // A layout whose letters SDL has no code for still gives the letter of the position.
        KeyCase{0x444, SDL_SCANCODE_F, 70},
        KeyCase{SDLK_0, SDL_SCANCODE_0, 48}, KeyCase{SDLK_1, SDL_SCANCODE_1, 49}, KeyCase{SDLK_9, SDL_SCANCODE_9, 57},
        // The digit row keeps its digits on a layout that types '&' there.
        KeyCase{SDLK_AMPERSAND, SDL_SCANCODE_1, 49},
        KeyCase{SDLK_LEFT, SDL_SCANCODE_LEFT, 37}, KeyCase{SDLK_UP, SDL_SCANCODE_UP, 38},
        KeyCase{SDLK_RIGHT, SDL_SCANCODE_RIGHT, 39}, KeyCase{SDLK_DOWN, SDL_SCANCODE_DOWN, 40},
        KeyCase{SDLK_PAGEUP, SDL_SCANCODE_PAGEUP, 33}, KeyCase{SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN, 34},
        KeyCase{SDLK_END, SDL_SCANCODE_END, 35}, KeyCase{SDLK_HOME, SDL_SCANCODE_HOME, 36},
        KeyCase{SDLK_INSERT, SDL_SCANCODE_INSERT, 45}, KeyCase{SDLK_DELETE, SDL_SCANCODE_DELETE, 46},
        KeyCase{SDLK_F1, SDL_SCANCODE_F1, 112}, KeyCase{SDLK_F5, SDL_SCANCODE_F5, 116},
        KeyCase{SDLK_F12, SDL_SCANCODE_F12, 123},
        KeyCase{SDLK_KP_0, SDL_SCANCODE_KP_0, 96}, KeyCase{SDLK_KP_1, SDL_SCANCODE_KP_1, 97},
        KeyCase{SDLK_KP_9, SDL_SCANCODE_KP_9, 105}, KeyCase{SDLK_KP_MULTIPLY, SDL_SCANCODE_KP_MULTIPLY, 106},
        KeyCase{SDLK_KP_PLUS, SDL_SCANCODE_KP_PLUS, 107}, KeyCase{SDLK_KP_MINUS, SDL_SCANCODE_KP_MINUS, 109},
        KeyCase{SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, 110}, KeyCase{SDLK_KP_DIVIDE, SDL_SCANCODE_KP_DIVIDE, 111},
        KeyCase{SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, 13},
        KeyCase{SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON, 186}, KeyCase{SDLK_EQUALS, SDL_SCANCODE_EQUALS, 187},
        KeyCase{SDLK_COMMA, SDL_SCANCODE_COMMA, 188}, KeyCase{SDLK_MINUS, SDL_SCANCODE_MINUS, 189},
        KeyCase{SDLK_PERIOD, SDL_SCANCODE_PERIOD, 190}, KeyCase{SDLK_SLASH, SDL_SCANCODE_SLASH, 191},
        KeyCase{SDLK_BACKQUOTE, SDL_SCANCODE_GRAVE, 192}, KeyCase{SDLK_LEFTBRACKET, SDL_SCANCODE_LEFTBRACKET, 219},
        KeyCase{SDLK_BACKSLASH, SDL_SCANCODE_BACKSLASH, 220},
        KeyCase{SDLK_RIGHTBRACKET, SDL_SCANCODE_RIGHTBRACKET, 221},
        KeyCase{SDLK_QUOTE, SDL_SCANCODE_APOSTROPHE, 222},
        // A German layout types '#' where the US one has '\'; the position decides.
        KeyCase{SDLK_HASH, SDL_SCANCODE_BACKSLASH, 220},
        KeyCase{SDLK_RETURN, SDL_SCANCODE_RETURN, 13}, KeyCase{SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, 27},
        KeyCase{SDLK_SPACE, SDL_SCANCODE_SPACE, 32}, KeyCase{SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, 8},
        KeyCase{SDLK_TAB, SDL_SCANCODE_TAB, 9}, KeyCase{SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, 16},
        KeyCase{SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, 16}, KeyCase{SDLK_LCTRL, SDL_SCANCODE_LCTRL, 17},
        KeyCase{SDLK_RCTRL, SDL_SCANCODE_RCTRL, 17}, KeyCase{SDLK_LALT, SDL_SCANCODE_LALT, 18},
        KeyCase{SDLK_PAUSE, SDL_SCANCODE_PAUSE, 19}, KeyCase{SDLK_CAPSLOCK, SDL_SCANCODE_CAPSLOCK, 20},
        KeyCase{SDLK_NUMLOCKCLEAR, SDL_SCANCODE_NUMLOCKCLEAR, 144},
        KeyCase{SDLK_SCROLLLOCK, SDL_SCANCODE_SCROLLLOCK, 145},
        KeyCase{SDLK_F13, SDL_SCANCODE_F13, 0}, KeyCase{SDLK_MENU, SDL_SCANCODE_MENU, 0},
        KeyCase{SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN, 0}),
    CaseName);

TEST(ShiftStateTest, CombinesShiftCtrlAndAltOfEitherSide) {
  EXPECT_EQ(ShiftState(KMOD_NONE), 0);
  EXPECT_EQ(ShiftState(KMOD_LSHIFT), 1);
  EXPECT_EQ(ShiftState(KMOD_RSHIFT), 1);
  EXPECT_EQ(ShiftState(KMOD_RCTRL), 2);
  EXPECT_EQ(ShiftState(KMOD_LALT), 4);
  EXPECT_EQ(ShiftState(KMOD_LSHIFT | KMOD_RCTRL | KMOD_RALT), 7);
  // Lock keys are not shift keys.
  EXPECT_EQ(ShiftState(KMOD_CAPS | KMOD_NUM), 0);
}

TEST(KeyPressOfKeyDownTest, OnlyEnterEscapeAndBackspaceGiveACharacter) {
  EXPECT_EQ(KeyPressOfKeyDown(13), 13);
  EXPECT_EQ(KeyPressOfKeyDown(27), 27);
  EXPECT_EQ(KeyPressOfKeyDown(8), 8);
  EXPECT_EQ(KeyPressOfKeyDown(65), 0);
  EXPECT_EQ(KeyPressOfKeyDown(32), 0);
  EXPECT_EQ(KeyPressOfKeyDown(37), 0);
}

}  // namespace
}  // namespace kv::sdl
