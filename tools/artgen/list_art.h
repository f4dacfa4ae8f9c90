#pragma once
// The pictures of the image lists: what each list of either shooter shows, at the catalogue's sizes.
#include "platform/image.h"

namespace kv::artgen {

// Picture `picture` (1-based) of the main game's list.
Image MainListPicture(int list, int picture);
// Picture `picture` of one of the extra game's own lists (ExtraListIsOwn).
Image ExtraListPicture(int list, int picture);

}  // namespace kv::artgen
