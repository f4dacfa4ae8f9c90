// kv_artgen <program-dir>: writes the placeholder pictures of both shooters into the program
// folder's "graphic" subfolder. The output depends on nothing but this program, byte for byte.
#include <cstdio>
#include <filesystem>
#include <string>

#include "shooter/content/sprite_catalogue.h"
#include "tools/artgen/bmp_writer.h"
#include "tools/artgen/gif_writer.h"
#include "tools/artgen/placeholder_art.h"

namespace {

namespace fs = std::filesystem;
using kv::artgen::Look;

constexpr std::uint32_t kMainShip = 0x7088B0;
constexpr std::uint32_t kExtraShip = 0x909090;

std::string PictureName(int list, int picture) {
  char name[32];
  std::snprintf(name, sizeof name, "img%02d_%d.bmp", list, picture);
  return name;
}

bool Write(const fs::path& path, const kv::Image& image) {
  if (kv::artgen::WriteBmp24(path, image)) return true;
  std::fprintf(stderr, "kv_artgen: cannot write %s\n", path.string().c_str());
  return false;
}

bool WriteList(const fs::path& dir, int list, const kv::shooter::ImageListSpec& spec, const Look& look) {
  for (int p = 1; p <= spec.count; ++p) {
    const kv::shooter::PixelSize size = spec.PictureAt(p);
    if (!Write(dir / PictureName(list, p), kv::artgen::DrawPicture(look, p, spec.count, size.w, size.h))) return false;
  }
  return true;
}

bool WriteAll(const fs::path& programDir) {
  const fs::path graphic = programDir / "graphic";
  const fs::path mainDir = graphic / "main";
  const fs::path extraDir = graphic / "extra";
  for (const fs::path& dir : {mainDir, extraDir}) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) {
      std::fprintf(stderr, "kv_artgen: cannot make %s: %s\n", dir.string().c_str(), ec.message().c_str());
      return false;
    }
  }
  for (int list = 0; list < kv::shooter::kImageListCount; ++list) {
    const auto i = static_cast<std::size_t>(list);
    if (!WriteList(mainDir, list, kv::shooter::kMainImageLists[i], kv::artgen::MainLook(list))) return false;
    if (kv::shooter::ExtraListIsOwn(list) &&
        !WriteList(extraDir, list, kv::shooter::kExtraImageLists[i], kv::artgen::ExtraLook(list))) {
      return false;
    }
  }
  const bool pictures = Write(mainDir / "title.bmp", kv::artgen::DrawTitle(0x3050A0, kMainShip)) &&
                        Write(mainDir / "equip.bmp", kv::artgen::DrawEquipmentShip(kMainShip)) &&
                        Write(extraDir / "title.bmp", kv::artgen::DrawTitle(0xA03030, kExtraShip)) &&
                        Write(extraDir / "equip.bmp", kv::artgen::DrawEquipmentShip(kExtraShip));
  if (!pictures) return false;
  if (!kv::artgen::WriteGif(graphic / "menubg.gif", kv::artgen::DrawMenuBackground())) {
    std::fprintf(stderr, "kv_artgen: cannot write %s\n", (graphic / "menubg.gif").string().c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kv_artgen <program-dir>\n");
    return 2;
  }
  return WriteAll(argv[1]) ? 0 : 1;
}
