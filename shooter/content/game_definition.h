#pragma once
// What makes one shooter window the main game or the extra game: texts, names, colours and its
// picture set. Everything else is shared.
#include <array>
#include <string_view>

#include "platform/ui.h"
#include "shooter/content/main_script.h"
#include "shooter/content/script.h"
#include "shooter/content/sprite_catalogue.h"

namespace kv::shooter {

inline constexpr int kEquipSlots = 6;
inline constexpr std::array<int, kEquipSlots> kEquipHighest{4, 3, 4, 4, 2, 3};

using EquipNames = std::array<std::array<std::string_view, 5>, kEquipSlots>;

// A line of the closing sequence, shown when the clock reaches its value.
struct EndingLine {
  int clock;
  std::string_view text;
  int colour, background;
  std::string_view music;  // started after the line, or empty
};
using Ending = std::array<EndingLine, 3>;

struct GameDefinition {
  std::string_view id;              // "main" or "extra"
  std::string_view startCaption;    // until the first mission second
  std::string_view runningCaption;  // set every second from then on
  std::string_view greetingWav;     // played when the window is created
  std::string_view specialWav;      // played on every press of the special key
  std::string_view deathLine;       // the pilot's last words
  std::string_view imageFolder;     // under graphic/, holding the lists that are the game's own
  const ImageSetSpec* lists;
  EquipNames equipNames;
  std::array<std::string_view, 30> menuCaptions;
  Script script;
  std::string_view tagline;
  ui::Colour taglineColour;
  std::array<ui::Colour, 6> titleBars;      // Curr(0)..Curr(5), light to dark
  std::array<ui::Colour, 6> equipmentBars;  // Curr(12)..Curr(17)
  std::array<ui::Colour, 4> chargeBars;     // BAR_SHD_C, BAR_SHD_R, BAR_SPE_C, BAR_SPE_R
  Ending ending;
  // The extra game: side gun 0 is no gun, the program-wide flag nowep follows the side gun
  // shown last, the title symbol is a picture blinking in the other phase, and a victory without
  // a second weapon has an ending of its own.
  bool sideGunZeroFires = true;
  bool tracksNoSecondWeapon = false;
  bool symbolIsPicture = false;
  Ending endingWithoutSecondWeapon = {};
};

inline constexpr GameDefinition kMainGame{
    "main",
    "Captain Korvane v1.0",
    "CAPTAIN KORVANE",
    "\\captaink.wav",
    "\\special.wav",
    "Captain 'K: AHHHH!",
    "main",
    &kMainImageLists,
    {{
        {"Chaingun", "C-Laser", "Proton Burst", "E-Wave", "Pulse Rifle"},
        {"Missiles", "Ringu", "Steel Blades", "R-Mines", ""},
        {"Fire Cutter", "Globe EX", "Stormer", "Proxy R", "Death"},
        {"KVS Mark I", "KVS Mark II", "KVS Mark III", "KVS Mark IV", "KVS Mark Final"},
        {"Core Type A", "Core Type B", "Core Type X", "", ""},
        {"Slow", "Medium", "Fast", "Hyper", ""},
    }},
    {"START", "OPTIONS", "QUIT",
     "UP", "DOWN", "LEFT", "RIGHT", "FIRE", "SPECIAL",  // key names beside the option rows
     "UP", "DOWN", "LEFT", "RIGHT", "FIRE", "SPECIAL", "SFX", "NOTHING", "SAVE", "CANCEL",
     "START MISSION", "TITLE SCREEN", "MAIN GUN", "SIDE GUN", "SPECIAL", "SHIELD", "CORE", "ENGINE",
     "Continue", "Title Menu", "Exit Game"},
    kMainScript,
    "\"I am the Reaper of Space\"",
    0x000080,
    {0xFFC0C0, 0xFF8080, 0xFF0000, 0x800000, 0x800000, 0x400000},
    {0xFFC0C0, 0xFF8080, 0xFF0000, 0xC00000, 0x800000, 0x400000},
    {0x00FFFF, 0x0080FF, 0x0000FF, 0x0000C0},
    {{{-380, " HQ: YES! WE DID IT!!! RETURN TO BASE!", 0, 0, "theme.mp3"},
      {-330, " TYPE QZBTR AS PASSWORD FOR EXTRA GAME ", 2, 2, ""},
      {-100, " GAME OVER ", 0, 1, ""}}},
};

}  // namespace kv::shooter
