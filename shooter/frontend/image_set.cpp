#include "shooter/frontend/image_set.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace kv::shooter {

const Image* ImageSet::Picture(int list, int picture) const {
  if (list < 0 || list >= kImageListCount) return nullptr;
  const auto& pics = lists[static_cast<std::size_t>(list)];
  if (picture < 1 || picture > static_cast<int>(pics.size())) return nullptr;
  return &pics[static_cast<std::size_t>(picture - 1)];
}

std::filesystem::path PictureFile(const std::filesystem::path& programDir, const GameDefinition& def, int list,
                                  int picture) {
  // The extra game keeps only the lists that differ in its own folder.
  const bool own = def.lists == &kMainImageLists || ExtraListIsOwn(list);
  char name[32];
  std::snprintf(name, sizeof name, "img%02d_%d.bmp", list, picture);
  return programDir / "graphic" / (own ? std::string(def.imageFolder) : std::string("main")) / name;
}

static Result<Image> LoadSized(const std::filesystem::path& file, PixelSize want) {
  auto img = LoadPicture(file);
  if (!img.ok()) return img;
  if (img.value().width != want.w || img.value().height != want.h) {
    return Result<Image>::Error(file.string() + ": picture is " + std::to_string(img.value().width) + " x " +
                                std::to_string(img.value().height) + ", expected " + std::to_string(want.w) +
                                " x " + std::to_string(want.h));
  }
  return img;
}

Result<ImageSet> LoadImageSet(const std::filesystem::path& programDir, const GameDefinition& def) {
  ImageSet set;
  set.spec = def.lists;
  for (int list = 0; list < kImageListCount; ++list) {
    const ImageListSpec& spec = (*def.lists)[static_cast<std::size_t>(list)];
    auto& pics = set.lists[static_cast<std::size_t>(list)];
    pics.reserve(static_cast<std::size_t>(spec.count));
    for (int p = 1; p <= spec.count; ++p) {
      auto img = LoadSized(PictureFile(programDir, def, list, p), spec.PictureAt(p));
      if (!img.ok()) return Result<ImageSet>::Error(img.error());
      pics.push_back(std::move(img.value()));
    }
  }
  const auto folder = programDir / "graphic" / std::string(def.imageFolder);
  auto title = LoadSized(folder / "title.bmp", {120, 180});
  if (!title.ok()) return Result<ImageSet>::Error(title.error());
  set.title = std::move(title.value());
  auto equip = LoadSized(folder / "equip.bmp", {76, 80});
  if (!equip.ok()) return Result<ImageSet>::Error(equip.error());
  set.equip = std::move(equip.value());

  auto bg = LoadPicture(programDir / "graphic" / "menubg.gif");
  if (bg.ok()) {
    set.menuBackground = std::move(bg.value());
    set.hasMenuBackground = true;
  } else {
    std::cerr << "korvane: menu background not loaded (" << bg.error() << "); the menus stand on black\n";
  }
  return set;
}

}  // namespace kv::shooter
