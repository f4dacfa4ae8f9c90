// kv_contact_sheet <program-dir> <out-dir>: renders every image list of both shooters and the
// program folder's other pictures into PNG sheets for reviewing the art at a glance.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "assets/asset_files.h"
#include "platform/image.h"
#include "platform/render/render.h"
#include "shooter/content/sprite_catalogue.h"
#include "tools/contact_sheet/sheet.h"

namespace {

namespace fs = std::filesystem;
using kv::contact::Row;
using kv::contact::Tile;

constexpr int kSheetWidth = 1500;

struct SheetPlan {
  const char* file;
  const char* set;  // "main" or "extra"
  std::vector<int> lists;
};

bool Load(const fs::path& path, std::vector<Tile>& tiles, std::string label) {
  auto img = kv::LoadPicture(path);
  if (!img.ok()) {
    std::fprintf(stderr, "kv_contact_sheet: %s\n", img.error().c_str());
    return false;
  }
  tiles.push_back({std::move(label), std::move(img.value())});
  return true;
}

std::string ListTitle(int list, const kv::shooter::ImageListSpec& spec, const Tile& first) {
  std::string title = "list " + std::to_string(list) + ": " + std::string(spec.look) + "  (" +
                      std::to_string(spec.count) + " x " + std::to_string(spec.size.w) + "x" +
                      std::to_string(spec.size.h) + ")";
  const int zoom = kv::contact::ZoomFor(first.picture);
  if (zoom > 1) title += "  shown x" + std::to_string(zoom);
  return title;
}

bool ListRows(const fs::path& programDir, const SheetPlan& plan, std::vector<Row>& rows) {
  const bool extra = std::string(plan.set) == "extra";
  const auto& lists = extra ? kv::shooter::kExtraImageLists : kv::shooter::kMainImageLists;
  for (int list : plan.lists) {
    const auto& spec = lists[static_cast<std::size_t>(list)];
    Row row;
    for (int p = 1; p <= spec.count; ++p) {
      char name[32];
      std::snprintf(name, sizeof name, "img%02d_%d.bmp", list, p);
      if (!Load(programDir / "graphic" / plan.set / name, row.tiles, std::to_string(p))) return false;
    }
    row.title = ListTitle(list, spec, row.tiles.front());
    rows.push_back(std::move(row));
  }
  return true;
}

bool PictureRows(const fs::path& programDir, std::vector<Row>& rows) {
  Row shooters{"title and equipment pictures of both games, menu background", {}};
  for (const char* f : {"graphic/main/title.bmp", "graphic/main/equip.bmp", "graphic/extra/title.bmp",
                        "graphic/extra/equip.bmp", "graphic/menubg.gif"}) {
    if (!Load(programDir / f, shooters.tiles, fs::path(f).filename().string())) return false;
  }
  Row shell{"intro, launcher and piano", {}};
  for (const auto& f : {kv::assets::kIntroBackground, kv::assets::kIntroBlink1, kv::assets::kIntroBlink2,
                        kv::assets::kLauncherLogo, kv::assets::kPianoPortrait}) {
    if (!Load(programDir / f.path, shell.tiles, fs::path(f.path).filename().string())) return false;
  }
  rows.push_back(std::move(shooters));
  rows.push_back(std::move(shell));
  return true;
}

bool SubRows(const fs::path& programDir, std::vector<Row>& rows) {
  Row sprites{"submarine game: sprites and their masks", {}};
  for (const auto& s : kv::assets::kSubSprites) {
    if (!Load(programDir / s.sprite.path, sprites.tiles, fs::path(s.sprite.path).stem().string()) ||
        !Load(programDir / s.mask.path, sprites.tiles, fs::path(s.mask.path).stem().string())) {
      return false;
    }
  }
  Row background{"submarine game: background", {}};
  if (!Load(programDir / kv::assets::kSubBackground.path, background.tiles, "background")) return false;
  rows.push_back(std::move(sprites));
  rows.push_back(std::move(background));
  return true;
}

bool Save(const fs::path& path, const std::vector<Row>& rows, const kv::render::Fonts& fonts) {
  const auto saved = kv::SavePng(path, kv::contact::RenderSheet(rows, fonts, kSheetWidth));
  if (saved.ok()) {
    std::printf("%s\n", path.string().c_str());
    return true;
  }
  std::fprintf(stderr, "kv_contact_sheet: %s\n", saved.error().c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kv_contact_sheet <program-dir> <out-dir>\n");
    return 2;
  }
  const fs::path programDir = argv[1], outDir = argv[2];
  auto fonts = kv::render::Fonts::Load();
  if (!fonts.ok()) {
    std::fprintf(stderr, "kv_contact_sheet: %s\n", fonts.error().c_str());
    return 1;
  }
  std::error_code ec;
  fs::create_directories(outDir, ec);
  const std::vector<SheetPlan> plans{
      {"main_ships.png", "main", {0, 25, 22, 21, 20, 19, 31, 23, 24, 18}},
      {"main_pickups_rocks.png", "main", {26, 28, 29, 30}},
      {"main_shots.png", "main", {4, 6, 7, 8, 9, 11, 12, 14, 15, 16, 5, 17, 13}},
      {"main_explosions.png", "main", {1, 2}},
      {"main_fields.png", "main", {3, 10, 27}},
  };
  std::vector<Row> extraRows;
  for (const SheetPlan& plan : plans) {
    std::vector<Row> rows;
    if (!ListRows(programDir, plan, rows) || !Save(outDir / plan.file, rows, *fonts.value())) return 1;
  }
  std::vector<int> own;
  for (int list = 0; list < kv::shooter::kImageListCount; ++list) {
    if (kv::shooter::ExtraListIsOwn(list)) own.push_back(list);
  }
  if (!ListRows(programDir, {"extra_lists.png", "extra", own}, extraRows) ||
      !Save(outDir / "extra_lists.png", extraRows, *fonts.value())) {
    return 1;
  }
  std::vector<Row> pictures, sub;
  if (!PictureRows(programDir, pictures) || !Save(outDir / "pictures.png", pictures, *fonts.value())) return 1;
  if (!SubRows(programDir, sub) || !Save(outDir / "submarine.png", sub, *fonts.value())) return 1;
  return 0;
}
