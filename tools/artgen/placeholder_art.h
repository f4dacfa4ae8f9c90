#pragma once
// Stand-in pictures until the real art arrives: one simple shape per image list, in a colour
// fitting what the list shows, varied from picture to picture so that animations can be told apart.
#include <cstdint>

#include "platform/image.h"
#include "tools/artgen/gif_writer.h"

namespace kv::artgen {

enum class Shape : std::uint8_t { Ship, Disc, Ring, Box, Diamond, Bolt, Spark, Rock };

// How the pictures of one list differ.
enum class Variation : std::uint8_t {
  Turn,       // a light notch turning around the centre
  Grow,       // the shape grows with the picture number
  Burst,      // grows in the first half, fades in the second (explosions)
  Blink,      // every second picture dim
  Flame,      // a ship whose engine flame changes length
  Alternate,  // picture 1 in the main colour, picture 2 in the second colour
};

struct Look {
  Shape shape;
  std::uint32_t colour;  // 0x00RRGGBB
  Variation variation;
  std::uint32_t second = 0;  // for Alternate
};

const Look& MainLook(int list);
const Look& ExtraLook(int list);

// Picture `picture` (1-based) of `count`, width x height, on black.
Image DrawPicture(const Look& look, int picture, int count, int width, int height);

// The title picture (a planet and the ship) and the equipment screen's ship.
Image DrawTitle(std::uint32_t planet, std::uint32_t ship);
Image DrawEquipmentShip(std::uint32_t ship);

// The menus' background: dark space with stars.
IndexedPicture DrawMenuBackground();

}  // namespace kv::artgen
