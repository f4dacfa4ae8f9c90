#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

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
