#include "tools/artgen/picture_files.h"

#include <cstdio>
#include <string>

#include "assets/asset_files.h"
#include "shooter/content/sprite_catalogue.h"
#include "tools/artgen/bmp_writer.h"
#include "tools/artgen/gif_writer.h"
#include "tools/artgen/list_art.h"
#include "tools/artgen/scene_art.h"
#include "tools/artgen/sub_art.h"

namespace kv::artgen {
namespace {

namespace fs = std::filesystem;

std::string ListPictureName(int list, int picture) {
  char name[32];
  std::snprintf(name, sizeof name, "img%02d_%d.bmp", list, picture);
  return name;
}

bool MakeFolder(const fs::path& dir) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (!ec) return true;
  std::fprintf(stderr, "kv_artgen: cannot make %s: %s\n", dir.string().c_str(), ec.message().c_str());
  return false;
}

bool Write(const fs::path& path, const Image& image) {
  if (!MakeFolder(path.parent_path())) return false;
  if (WriteBmp24(path, image)) return true;
  std::fprintf(stderr, "kv_artgen: cannot write %s\n", path.string().c_str());
  return false;
}

bool Write(const fs::path& programDir, const assets::PictureFile& file, const Image& image) {
  if (image.width != file.width || image.height != file.height) {
    std::fprintf(stderr, "kv_artgen: %s drawn at %d x %d instead of %d x %d\n", std::string(file.path).c_str(),
                 image.width, image.height, file.width, file.height);
    return false;
  }
  return Write(programDir / file.path, image);
}

bool WriteLists(const fs::path& graphic) {
  for (int list = 0; list < shooter::kImageListCount; ++list) {
    const auto i = static_cast<std::size_t>(list);
    for (int p = 1; p <= shooter::kMainImageLists[i].count; ++p) {
      if (!Write(graphic / "main" / ListPictureName(list, p), MainListPicture(list, p))) return false;
    }
    if (!shooter::ExtraListIsOwn(list)) continue;
    for (int p = 1; p <= shooter::kExtraImageLists[i].count; ++p) {
      if (!Write(graphic / "extra" / ListPictureName(list, p), ExtraListPicture(list, p))) return false;
    }
  }
  return true;
}

bool WriteShooterPictures(const fs::path& graphic) {
  const TitleLook hero{0x3060B0, 0x7A90B8, 0x3050A0, 0x60D0FF};
  const TitleLook rival{0xB04030, 0x9A9A9E, 0x505058, 0xFF5040};
  if (!Write(graphic / "main" / "title.bmp", DrawTitle(hero)) ||
      !Write(graphic / "main" / "equip.bmp", DrawEquipmentShip(hero)) ||
      !Write(graphic / "extra" / "title.bmp", DrawTitle(rival)) ||
      !Write(graphic / "extra" / "equip.bmp", DrawEquipmentShip(rival))) {
    return false;
  }
  if (WriteGif(graphic / "menubg.gif", DrawMenuBackground())) return true;
  std::fprintf(stderr, "kv_artgen: cannot write %s\n", (graphic / "menubg.gif").string().c_str());
  return false;
}

bool WriteSubPictures(const fs::path& programDir) {
  const Image sprites[] = {DrawSubShip(false), DrawSubShip(true),    DrawDepthCharge(),    DrawPlane(false),
                           DrawPlane(true),    DrawSubmarine(false), DrawSubmarine(true),  DrawSinkingSub(false),
                           DrawSinkingSub(true), DrawBossSub(),      DrawSplash(0),        DrawSplash(1),
                           DrawSplash(2),      DrawSplash(3)};
  static_assert(std::size(sprites) == assets::kSubSprites.size());
  for (std::size_t i = 0; i < assets::kSubSprites.size(); ++i) {
    if (!Write(programDir, assets::kSubSprites[i].sprite, sprites[i]) ||
        !Write(programDir, assets::kSubSprites[i].mask, MaskOf(sprites[i]))) {
      return false;
    }
  }
  return Write(programDir, assets::kSubBackground, DrawSeaBackground());
}

}  // namespace

bool WritePictures(const fs::path& programDir, const render::Fonts* fonts) {
  const fs::path graphic = programDir / "graphic";
  return MakeFolder(graphic / "main") && MakeFolder(graphic / "extra") && WriteLists(graphic) &&
         WriteShooterPictures(graphic) && Write(programDir, assets::kIntroBackground, DrawIntroBackground()) &&
         Write(programDir, assets::kIntroBlink1, DrawBlinkPicture(1)) &&
         Write(programDir, assets::kIntroBlink2, DrawBlinkPicture(2)) &&
         Write(programDir, assets::kLauncherLogo, DrawLogo(fonts)) &&
         Write(programDir, assets::kPianoPortrait, DrawPortrait()) && WriteSubPictures(programDir);
}

}  // namespace kv::artgen
