#pragma once
// Explosions, sparks, rings and fields: the pictures that bloom, grow and fade over their lists.
#include "platform/image.h"

namespace kv::artgen {

// An enemy's explosion (picture of count): a fireball that blooms, then cools to smoke and fades.
Image DrawExplosion(int picture, int count, int w, int h);
// A boss's explosion: a chain of fireballs with a shock wave and flying debris.
Image DrawBigExplosion(int picture, int count, int w, int h);
// The spark where a shot strikes.
Image DrawSpark(int picture, int count, int w, int h);
// The Globe EX globe, also the shield-hit ring around the ship.
Image DrawShieldRing(int picture, int count, int w, int h);
// The Proxy R field swelling and crackling out.
Image DrawProxyField(int picture, int count, int w, int h);
// The Ringu burst: rings of energy widening outward.
Image DrawRinguBurst(int picture, int count, int w, int h);
// The Fire Cutter: a spinning disc of flame blades.
Image DrawFireCutter(int picture, int count, int w, int h);
// The storm's lightning from the top of the field to its bottom.
Image DrawLightning(int w, int h);

}  // namespace kv::artgen
