#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "assets/asset_files.h"
#include "platform/image.h"
#include "shooter/content/sprite_catalogue.h"

namespace kv {
namespace {

namespace fs = std::filesystem;

const fs::path kGraphic = fs::path(KV_PROGRAM_DIR) / "graphic";

fs::path ListPicture(const char* set, int list, int picture) {
  char name[32];
  std::snprintf(name, sizeof name, "img%02d_%d.bmp", list, picture);
  return kGraphic / set / name;
}

bool HasShape(const Image& img) {
  for (std::uint32_t p : img.pixels) {
    if (p != 0) return true;
  }
  return false;
}

bool CornersBlack(const Image& img) {
  const int r = img.width - 1, b = img.height - 1;
  return img.At(0, 0) == 0 && img.At(r, 0) == 0 && img.At(0, b) == 0 && img.At(r, b) == 0;
}

// Every picture of every list: the catalogue's size, a black (transparent) background, something
// drawn, and each picture unlike the one before it so that an animation shows.
void CheckSet(const char* set, const shooter::ImageSetSpec& lists, bool onlyOwn) {
  for (int list = 0; list < shooter::kImageListCount; ++list) {
    if (onlyOwn && !shooter::ExtraListIsOwn(list)) continue;
    const shooter::ImageListSpec& spec = lists[static_cast<std::size_t>(list)];
    Image previous;
    for (int p = 1; p <= spec.count; ++p) {
      const fs::path path = ListPicture(set, list, p);
      const auto img = LoadPicture(path);
      ASSERT_TRUE(img.ok()) << img.error();
      const shooter::PixelSize size = spec.PictureAt(p);
      EXPECT_EQ(img.value().width, size.w) << path;
      EXPECT_EQ(img.value().height, size.h) << path;
      EXPECT_TRUE(CornersBlack(img.value())) << path;
      EXPECT_TRUE(HasShape(img.value())) << path;
      if (p > 1) {
        EXPECT_NE(img.value().pixels, previous.pixels) << path;
      }
      previous = img.value();
    }
    EXPECT_FALSE(fs::exists(ListPicture(set, list, spec.count + 1))) << set << " list " << list;
  }
}

TEST(Artgen, MainListsHaveEveryPictureAtTheCataloguesSizes) { CheckSet("main", shooter::kMainImageLists, false); }

TEST(Artgen, ExtraGameHasPicturesForItsOwnListsOnly) {
  CheckSet("extra", shooter::kExtraImageLists, true);
  for (int list = 0; list < shooter::kImageListCount; ++list) {
    if (!shooter::ExtraListIsOwn(list)) {
      EXPECT_FALSE(fs::exists(ListPicture("extra", list, 1))) << list;
    }
  }
}

struct ColourSums {
  std::uint64_t red = 0, green = 0, blue = 0;
};

ColourSums Sum(const Image& img) {
  ColourSums s;
  for (std::uint32_t p : img.pixels) {
    s.red += (p >> 16) & 0xFF;
    s.green += (p >> 8) & 0xFF;
    s.blue += p & 0xFF;
  }
  return s;
}

TEST(Artgen, EnemyPelletsAndFireballsAreOrangeThenBlue) {
  for (int list : {15, 16}) {
    const auto orange = LoadPicture(ListPicture("main", list, 1));
    const auto blue = LoadPicture(ListPicture("main", list, 2));
    ASSERT_TRUE(orange.ok() && blue.ok());
    const ColourSums o = Sum(orange.value()), b = Sum(blue.value());
    EXPECT_GT(o.red, o.green) << list;
    EXPECT_GT(o.green, o.blue) << list;
    EXPECT_GT(b.blue, b.red) << list;
  }
}

TEST(Artgen, ShapesAreNeverTransparentInside) {
  // A shape's pixels are never pure black, so a shape keeps no holes; the middle of a disc is solid.
  const auto pod = LoadPicture(ListPicture("main", 21, 1));
  ASSERT_TRUE(pod.ok()) << pod.error();
  const Image& img = pod.value();
  for (int y = img.height / 2 - 5; y <= img.height / 2 + 5; ++y) {
    for (int x = img.width / 2 - 5; x <= img.width / 2 + 5; ++x) EXPECT_NE(img.At(x, y), 0u) << x << "," << y;
  }
}

TEST(Artgen, TitleAndEquipmentPicturesOfBothGames) {
  struct Case {
    const char* file;
    int w, h;
  };
  for (const Case c : {Case{"main/title.bmp", 120, 180}, Case{"main/equip.bmp", 76, 80},
                       Case{"extra/title.bmp", 120, 180}, Case{"extra/equip.bmp", 76, 80}}) {
    const auto img = LoadPicture(kGraphic / c.file);
    ASSERT_TRUE(img.ok()) << img.error();
    EXPECT_EQ(img.value().width, c.w) << c.file;
    EXPECT_EQ(img.value().height, c.h) << c.file;
    EXPECT_TRUE(HasShape(img.value())) << c.file;
  }
}

TEST(Artgen, MenuBackgroundIsDarkSpaceWithStars) {
  const auto img = LoadPicture(kGraphic / "menubg.gif");
  ASSERT_TRUE(img.ok()) << img.error();
  ASSERT_EQ(img.value().width, 328);
  ASSERT_EQ(img.value().height, 433);
  int stars = 0;
  std::uint64_t brightness = 0;
  for (std::uint32_t p : img.value().pixels) {
    const std::uint32_t level = std::max({(p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF});
    brightness += level;
    stars += level >= 0x80 ? 1 : 0;
  }
  EXPECT_LT(brightness / img.value().pixels.size(), 0x30u);
  EXPECT_GE(stars, 20);
  EXPECT_LT(stars, 2000);
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

namespace fs = std::filesystem;

const fs::path kProgramDir = fs::path(KV_PROGRAM_DIR);

Image Load(const fs::path& path) {
  auto img = LoadPicture(path);
  EXPECT_TRUE(img.ok()) << (img.ok() ? "" : img.error());
  return img.ok() ? img.value() : Image{};
}

Image MainPicture(int list, int picture) {
  char name[32];
  std::snprintf(name, sizeof name, "img%02d_%d.bmp", list, picture);
  return Load(kProgramDir / "graphic" / "main" / name);
}

std::uint64_t Light(const Image& img) {
  std::uint64_t sum = 0;
  for (std::uint32_t p : img.pixels) sum += ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
  return sum;
}

int LitCount(const Image& img) {
  int n = 0;
  for (std::uint32_t p : img.pixels) n += p != 0 ? 1 : 0;
  return n;
}

// Lit pixels in the picture's middle row.
int MiddleRowWidth(const Image& img) {
  int n = 0;
  for (int x = 0; x < img.width; ++x) n += img.At(x, img.height / 2) != 0 ? 1 : 0;
  return n;
}

TEST(ArtgenPictures, TheOtherPicturesHaveTheirSizes) {
  for (const assets::PictureFile& f : {assets::kIntroBackground, assets::kIntroBlink1, assets::kIntroBlink2,
                                       assets::kLauncherLogo, assets::kPianoPortrait, assets::kSubBackground}) {
    const Image img = Load(kProgramDir / f.path);
    EXPECT_EQ(img.width, f.width) << f.path;
    EXPECT_EQ(img.height, f.height) << f.path;
    EXPECT_GT(LitCount(img), img.width * img.height / 10) << f.path;
  }
}

TEST(ArtgenPictures, TheTwoBlinkPicturesDiffer) {
  EXPECT_NE(Load(kProgramDir / assets::kIntroBlink1.path).pixels, Load(kProgramDir / assets::kIntroBlink2.path).pixels);
}

TEST(ArtgenPictures, LogoStandsOnBlackSoThatItCanBeLaidOverTheWindow) {
  const Image logo = Load(kProgramDir / assets::kLauncherLogo.path);
  ASSERT_EQ(logo.width, assets::kLauncherLogo.width);
  EXPECT_TRUE(CornersBlack(logo));
  EXPECT_LT(LitCount(logo), logo.width * logo.height * 3 / 4);
}

TEST(ArtgenPictures, SubmarineMasksAreTheExactInverseOfTheirSprites) {
  for (const assets::SpriteWithMask& s : assets::kSubSprites) {
    const Image sprite = Load(kProgramDir / s.sprite.path);
    const Image mask = Load(kProgramDir / s.mask.path);
    ASSERT_EQ(sprite.width, s.sprite.width) << s.sprite.path;
    ASSERT_EQ(sprite.height, s.sprite.height) << s.sprite.path;
    ASSERT_EQ(mask.width, sprite.width) << s.mask.path;
    ASSERT_EQ(mask.height, sprite.height) << s.mask.path;
    EXPECT_TRUE(CornersBlack(sprite)) << s.sprite.path;
    EXPECT_GT(LitCount(sprite), 0) << s.sprite.path;
    for (std::size_t i = 0; i < sprite.pixels.size(); ++i) {
      const std::uint32_t want = sprite.pixels[i] == 0 ? 0xFFFFFFu : 0u;
      ASSERT_EQ(mask.pixels[i], want) << s.mask.path << " pixel " << i;
    }
  }
}

TEST(ArtgenPictures, SubmarineSpritesOfTheTwoDirectionsAreMirrorImages) {
  for (const auto& [left, right] : {std::pair{0, 1}, std::pair{3, 4}, std::pair{5, 6}, std::pair{7, 8}}) {
    const Image a = Load(kProgramDir / assets::kSubSprites[static_cast<std::size_t>(left)].sprite.path);
    const Image b = Load(kProgramDir / assets::kSubSprites[static_cast<std::size_t>(right)].sprite.path);
    ASSERT_EQ(a.width, b.width);
    for (int y = 0; y < a.height; ++y) {
      for (int x = 0; x < a.width; ++x) ASSERT_EQ(a.At(x, y), b.At(a.width - 1 - x, y)) << left << " at " << x << "," << y;
    }
  }
}

TEST(ArtgenPictures, SubmarineBackgroundIsSkyOverSeaWithTheWaterLineNear117) {
  const Image bg = Load(kProgramDir / assets::kSubBackground.path);
  ASSERT_EQ(bg.height, 360);
  // The sharpest change of brightness from one row to the next is the water line.
  const auto rowLight = [&bg](int y) {
    std::uint64_t sum = 0;
    for (int x = 0; x < bg.width; ++x) sum += (bg.At(x, y) >> 16 & 0xFF) + (bg.At(x, y) >> 8 & 0xFF) + (bg.At(x, y) & 0xFF);
    return static_cast<std::int64_t>(sum);
  };
  int line = 0;
  std::int64_t biggest = 0;
  for (int y = 1; y < bg.height; ++y) {
    const std::int64_t jump = std::abs(rowLight(y) - rowLight(y - 1));
    if (jump > biggest) biggest = jump, line = y;
  }
  EXPECT_GE(line, 112);
  EXPECT_LE(line, 122);
  // No transparent holes: the whole board is painted.
  EXPECT_EQ(LitCount(bg), bg.width * bg.height);
}

TEST(ArtgenPictures, ExplosionsBloomThenFade) {
  for (int list : {1, 2}) {
    const int count = shooter::kMainImageLists[static_cast<std::size_t>(list)].count;
    std::vector<std::uint64_t> light;
    std::vector<int> size;
    for (int p = 1; p <= count; ++p) {
      const Image img = MainPicture(list, p);
      light.push_back(Light(img));
      size.push_back(LitCount(img));
    }
    const auto brightest = std::max_element(light.begin(), light.end()) - light.begin();
    EXPECT_LT(brightest, count * 2 / 3) << list;
    EXPECT_GT(size[static_cast<std::size_t>(count / 3)], size[0] * 2) << list << ": it grows";
    EXPECT_LT(light.back() * 5, light[static_cast<std::size_t>(brightest)]) << list << ": it fades";
  }
}

TEST(ArtgenPictures, LaserWidensAndWaveGrowsWithTheirLevel) {
  for (int level = 2; level <= 10; ++level) {
    EXPECT_GE(MiddleRowWidth(MainPicture(6, level)), MiddleRowWidth(MainPicture(6, level - 1))) << level;
    EXPECT_GT(LitCount(MainPicture(8, level)), LitCount(MainPicture(8, level - 1))) << level;
  }
  EXPECT_GE(MiddleRowWidth(MainPicture(6, 10)), 3 * MiddleRowWidth(MainPicture(6, 1)));
}

TEST(ArtgenPictures, PowerUpTurnsEdgeOnDuringItsSpin) {
  int widest = 0, narrowest = 1000;
  for (int p = 1; p <= 15; ++p) {
    const int w = MiddleRowWidth(MainPicture(26, p));
    widest = std::max(widest, w);
    narrowest = std::min(narrowest, w);
  }
  EXPECT_LT(narrowest * 3, widest);
}

TEST(ArtgenPictures, RocksTumbleAQuarterTurnAPicture) {
  // The second picture is the first seen a quarter turn on, so its silhouette is the first's turned.
  for (int list : {28, 29, 30}) {
    const Image a = MainPicture(list, 1), b = MainPicture(list, 2);
    ASSERT_EQ(a.width, b.height) << list;
    int same = 0;
    for (int y = 0; y < a.height; ++y) {
      for (int x = 0; x < a.width; ++x) same += (a.At(x, y) != 0) == (b.At(a.height - 1 - y, x) != 0) ? 1 : 0;
    }
    EXPECT_EQ(same, a.width * a.height) << list;
  }
}

// Runs the generator into a fresh folder; the generator sits in the build tree beside the program folder.
fs::path Generate(const std::string& name) {
  const fs::path out = fs::temp_directory_path() / (name + std::to_string(::getpid()));
  fs::remove_all(out);
  const fs::path generator = kProgramDir.parent_path() / "tools" / "artgen" / "kv_artgen";
  const std::string command = "'" + generator.string() + "' '" + out.string() + "'";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  return out;
}

std::string Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ArtgenOutput, TwoRunsWriteTheSameBytes) {
  const fs::path a = Generate("kv_artgen_a"), b = Generate("kv_artgen_b");
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(a)) {
    if (!entry.is_regular_file()) continue;
    const fs::path rel = fs::relative(entry.path(), a);
    ASSERT_TRUE(fs::exists(b / rel)) << rel;
    EXPECT_TRUE(Bytes(entry.path()) == Bytes(b / rel)) << rel << " differs between runs";
    ++files;
  }
  // Every list picture, the other pictures, the masks, and every sound and tune.
  EXPECT_GT(files, 250);
  for (std::string_view f : assets::kMusic) EXPECT_TRUE(fs::exists(a / f)) << f;
  fs::remove_all(a);
  fs::remove_all(b);
}

TEST(ArtgenOutput, EverySoundFileIsWritten) {
  std::vector<std::string_view> files(assets::kEffectSounds.begin(), assets::kEffectSounds.end());
  files.insert(files.end(), assets::kVoiceSounds.begin(), assets::kVoiceSounds.end());
  files.insert(files.end(), assets::kSubSounds.begin(), assets::kSubSounds.end());
  for (std::string_view f : files) {
    const std::string head = Bytes(kProgramDir / f).substr(0, 12);
    EXPECT_EQ(head.substr(0, 4), "RIFF") << f;
    EXPECT_EQ(head.substr(8, 4), "WAVE") << f;
  }
  for (std::string_view f : assets::kMusic) {
    const std::string bytes = Bytes(kProgramDir / f);
    ASSERT_GT(bytes.size(), 400000u) << f << ": a minute at 64 kbit/s";
    // An MPEG audio frame starts with eleven set bits.
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF) << f;
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]) & 0xE0, 0xE0) << f;
  }
}

}  // namespace
}  // namespace kv
