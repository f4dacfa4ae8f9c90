#pragma once
// The submarine game's pictures: sprites on black with their masks, and the sky-over-sea background.
#include "platform/image.h"

namespace kv::artgen {

// facingRight: false for the pictures of direction (or Facing) 1, moving left.
Image DrawSubShip(bool facingRight);       // 41 x 43
Image DrawDepthCharge();                   // 6 x 6
Image DrawPlane(bool facingRight);         // 23 x 19
Image DrawSubmarine(bool facingRight);     // 36 x 10
Image DrawSinkingSub(bool facingRight);    // 37 x 19
Image DrawBossSub();                       // 70 x 34
Image DrawSplash(int image);               // 67 x 60, image 0..3
Image DrawSeaBackground();                 // 400 x 360, the water line at y = 117

// The mask of a sprite: black wherever the sprite has colour, white wherever it is black.
Image MaskOf(const Image& sprite);

}  // namespace kv::artgen
