#pragma once
// Orbs, creatures and the stone faces: the enemies that are not ships.
#include <cstdint>

#include "platform/image.h"

namespace kv::artgen {

// The pod: a glossy red orb with a metal band.
Image DrawPod(int w, int h);
// The jellyfish: a red bell trailing tentacles.
Image DrawJellyfish(int w, int h);
// A round creature with one great eye and tendrils, in the given skin colour.
Image DrawOrbCreature(std::uint32_t skin, int w, int h);
// The extra game's tall green creature: a body with claws and eyes.
Image DrawTallCreature(int w, int h);
// The final boss: a red orb held in a metal ring.
Image DrawRingedOrb(int w, int h);
// The stone-face fortress; `turrets` adds the gun towers of the main game's version.
Image DrawStoneFace(std::uint32_t stone, bool turrets, int w, int h);
// A red blob of the extra game, squirming through four pictures.
Image DrawBlob(int picture, int w, int h);
// A grey rock; turned a quarter turn clockwise per picture so that it tumbles over four.
Image DrawRock(int picture, int w, int h, std::uint32_t seed);

}  // namespace kv::artgen
