#pragma once
// The ships of both shooters: the heroes' ships with their engine flames, the fighters,
// gunships and heavies, and the ship-like bosses.
#include <cstdint>

#include "platform/image.h"

namespace kv::artgen {

struct JetLook {
  std::uint32_t hull;
  std::uint32_t trim;    // wing stripes and fins
  std::uint32_t canopy;
  bool facingUp;         // the heroes fly up; enemies come down at them
  float flame;           // 0 no engine flame .. 1 the longest
};

// A swept-wing ship like the heroes'; w x h pixels.
Image DrawJet(const JetLook& look, int w, int h);

// The small forward-swept fighter.
Image DrawFighter(std::uint32_t hull, std::uint32_t trim, int w, int h);

// The gunship: a hull with two gun pods on struts.
Image DrawGunship(std::uint32_t hull, std::uint32_t trim, int w, int h);

// The heavy: a broad armoured ship with a glowing core.
Image DrawHeavy(std::uint32_t hull, std::uint32_t core, int w, int h);

// The tall dark ship of the extra game's third act.
Image DrawTallShip(int w, int h);

}  // namespace kv::artgen
