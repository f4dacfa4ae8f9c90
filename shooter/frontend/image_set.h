#pragma once
// The pictures of one shooter window, loaded from the program folder at start-up and checked
// against the catalogue. Sizes used by the rules always come from the catalogue, never from
// the files.
#include <array>
#include <filesystem>
#include <vector>

#include "platform/image.h"
#include "shooter/content/game_definition.h"

namespace kv::shooter {

struct ImageSet {
  const ImageSetSpec* spec = nullptr;
  std::array<std::vector<Image>, kImageListCount> lists;
  Image title;  // the title layer's picture
  Image equip;  // the equipment layer's ship picture
  Image menuBackground;
  bool hasMenuBackground = false;

  // Picture `picture` (1-based) of list `list`, or nullptr for a number the list does not hold.
  const Image* Picture(int list, int picture) const;
};

// The file that holds picture `picture` of list `list` for this game.
std::filesystem::path PictureFile(const std::filesystem::path& programDir, const GameDefinition& def, int list,
                                  int picture);

// Loads every picture; a missing or wrongly sized file is an error naming the file.
// A menu background that will not load is not: the menus then stand on black.
Result<ImageSet> LoadImageSet(const std::filesystem::path& programDir, const GameDefinition& def);

}  // namespace kv::shooter
