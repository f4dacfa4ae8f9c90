#pragma once
// The events of a stage script other than its spawns, keyed by section and clock value.
#include <span>
#include <string_view>

#include "shooter/content/timeline_sections.h"

namespace kv::shooter {

enum class Op {
  ParkShip,  // the ship waits, locked, below the playfield
  FlyIn,     // the autopilot holds the up key
  EndFlyIn,
  HandOver,  // the status bar slides in and the player takes over
  Message,   // text, colour, background
  Music,     // text: a music file
  Wave,      // text: a voice after the program folder
  Sfx,       // a: the effect number
  BossName,  // text
  Spawns,    // the key's spawn lines
  Victory,   // the report is written and the closing sequence starts
};

struct ScriptEvent {
  Section section;
  int key;
  Op op;
  std::string_view text = {};
  int a = 0;
  int b = 0;
};

using Script = std::span<const ScriptEvent>;

}  // namespace kv::shooter
