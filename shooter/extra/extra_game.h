#pragma once
// "Vadir Er: Revenge": the main game played again as its rival, with his own names, colours,
// pictures, lines and endings.
#include "shooter/content/game_definition.h"
#include "shooter/extra/extra_script.h"

namespace kv::shooter {

inline constexpr GameDefinition kExtraGame{
    "extra",
    "Vadir Er: Revenge",
    "VADIR ER'S REVENGE",
    "\\enemy1.wav",
    "\\enemy3.wav",
    "VADIR ER: NO NOT AGAIN!!",
    "extra",
    &kExtraImageLists,
    {{
        {"Ex-Gun", "L-Beam", "E-Burst", "Scrambler", "EX-Gun II"},
        {"None (Pro)", "P-Ring", "Sickles", "Mines", ""},
        {"Heat Ring", "Globe EX II", "Gods Hand", "Proxy X", "Revenge"},
        {"EXS Mark I", "EXS Mark II", "EXS Mark III", "EXS Mark IV", "EXS Mark Final"},
        {"Heart Type A", "Heart Type B", "Heart Type X", "", ""},
        {"Poor", "Average", "Quick", "Turbo", ""},
    }},
    {"REVENGE", "OPTIONS", "QUIT",
     "UP", "DOWN", "LEFT", "RIGHT", "FIRE", "SPECIAL",
     "UP", "DOWN", "LEFT", "RIGHT", "FIRE", "SPECIAL", "SFX", "NOTHING", "SAVE", "CANCEL",
     "START REVENGE", "TITLE SCREEN", "GUN 1", "GUN 2", "SPECIAL", "SHIELD", "CORE", "ENGINE",
     "Continue", "Title Menu", "Exit Game"},
    kExtraScript,
    "\"I AM VADIR ER\"",
    0xFFFFFF,
    {0xFFFFFF, 0xE0E0E0, 0xC0C0C0, 0x404040, 0x404040, 0x808080},
    {0xFFFFFF, 0xE0E0E0, 0xC0C0C0, 0x808080, 0x404040, 0x808080},
    {0xE0E0E0, 0x808080, 0xC00000, 0x800000},
    {{{-380, " VADIR ER: I WIN...", 0, 0, "track1.mp3"},
      {-330, " TYPE PLOMVARTE AS PASSWORD FOR SOMETHING ", 2, 2, ""},
      {-100, " REVENGE OVER ", 0, 1, ""}}},
    false,
    true,
    true,
    {{{-380, " NO 2ND WEAPON GAME BEAT!! CONGRADULATIONS!", 0, 0, "theme.mp3"},
      {-330, " TYPE DUNEKETTLE AS PASSWORD FOR SOMETHING ", 2, 2, ""},
      {-100, " REVENGE OVER ", 0, 1, ""}}},
};

}  // namespace kv::shooter
