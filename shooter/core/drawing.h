#pragma once
// The one sprite-drawing operation, and picture sizes from the catalogue.
#include "shooter/content/sprite_catalogue.h"
#include "shooter/frontend/shooter.h"

namespace kv::shooter {

// Picture `picture` of image list `list`, top-left corner at (x, y) twips on the playfield,
// black left out. A picture number the list does not hold draws nothing.
inline void DrawPicture(Shooter& g, int list, int picture, int x, int y) {
  if (const Image* img = g.images.Picture(list, picture)) g.Play_Layer->DrawPicture(*img, x, y);
}

// Width and height in pixels of the list's pictures (its first picture's size).
inline PixelSize PictureSize(const Shooter& g, int list) {
  return (*g.def.lists)[static_cast<std::size_t>(list)].size;
}

}  // namespace kv::shooter
