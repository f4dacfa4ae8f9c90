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
  bool sideGunZeroFires = true;  // side gun choice 0 has barrels in this game
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
};

}  // namespace kv::shooter
