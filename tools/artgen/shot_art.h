#pragma once
// The shots of the heroes' guns, the enemies' pellets and fireballs, and the power-up.
#include <cstdint>

#include "platform/image.h"

namespace kv::artgen {

// Chaingun tracers: picture 1 flies straight up, the others slant left and right as the volley fans out.
Image DrawTracer(int picture, int w, int h);
// A beam whose width grows with its level (the picture number), in the given core and glow colours.
Image DrawBeam(int level, int levels, std::uint32_t core, std::uint32_t glow, int w, int h);
// Proton Burst sparks: the low pictures are the strong, large ones.
Image DrawScatterSpark(int picture, int count, int w, int h);
// The E-Wave: an arc of energy wider and brighter with its level.
Image DrawWave(int level, int levels, int w, int h);
Image DrawMissile(int w, int h);
// A four-bladed steel star, turned a little further each picture.
Image DrawBlade(int picture, int count, int w, int h);
// A spiked mine whose light is lit on picture 1 and dark on picture 2.
Image DrawSpikedMine(int picture, int w, int h);
// The extra game's long mine with its blinking lamp.
Image DrawCanisterMine(int picture, int w, int h);
// An elongated plasma bolt.
Image DrawBolt(std::uint32_t core, std::uint32_t glow, int w, int h);
// A round glowing shot: the enemies' pellets and fireballs, the EX-Gun II orb.
Image DrawOrbShot(std::uint32_t core, std::uint32_t glow, bool flames, int w, int h);
// The power-up: a coin marked P spinning through its pictures.
Image DrawPowerUp(int picture, int count, int w, int h);

}  // namespace kv::artgen
