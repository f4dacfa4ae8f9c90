// The shooters' pictures: sizes from the catalogue, files checked at start-up.
#include "shooter/frontend/image_set.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kv::testing {
namespace {

using namespace kv::shooter;
namespace fs = std::filesystem;

TEST(SpriteCatalogue, CountsAndSizesOfTheLists) {
  struct Case {
    int list, count, w, h;
  };
  const Case cases[] = {{0, 3, 48, 37},   {1, 16, 71, 100}, {2, 30, 256, 192}, {4, 7, 11, 10},   {13, 5, 15, 15},
                        {15, 2, 10, 10},  {25, 1, 44, 38},  {26, 15, 45, 46},  {28, 4, 47, 49},  {31, 1, 72, 80}};
  for (const Case& c : cases) {
    const auto& spec = kMainImageLists[static_cast<std::size_t>(c.list)];
    EXPECT_EQ(spec.count, c.count) << c.list;
    EXPECT_EQ(spec.size, (PixelSize{c.w, c.h})) << c.list;
    if (!spec.each.empty()) {
      EXPECT_EQ(static_cast<int>(spec.each.size()), spec.count) << c.list;
      EXPECT_EQ(spec.each[0], spec.size) << c.list;
    }
  }
  // Alternating sizes, and the chaingun's mixed sizes.
  EXPECT_EQ(kMainImageLists[28].PictureAt(2), (PixelSize{49, 47}));
  EXPECT_EQ(kMainImageLists[26].PictureAt(15), (PixelSize{45, 46}));
  EXPECT_EQ(kMainImageLists[4].PictureAt(7), (PixelSize{12, 12}));
}

TEST(SpriteCatalogue, TheExtraGameOwnsExactlyTheListsThatDiffer) {
  const int own[] = {0, 6, 9, 12, 14, 18, 19, 20, 22, 23, 24, 25, 28, 29, 30, 31};
  for (int list = 0; list < kImageListCount; ++list) {
    const bool expected = std::find(std::begin(own), std::end(own), list) != std::end(own);
    EXPECT_EQ(ExtraListIsOwn(list), expected) << list;
  }
  EXPECT_EQ(kExtraImageLists[0].size, (PixelSize{43, 38}));
  EXPECT_EQ(kExtraImageLists[30].size, (PixelSize{46, 45}));
  EXPECT_EQ(kExtraImageLists[17].size, kMainImageLists[17].size);
}

TEST(ImageSetLoading, TheProgramFolderHoldsEveryPicture) {
  auto set = LoadImageSet(KV_PROGRAM_DIR, kMainGame);
  ASSERT_TRUE(set.ok()) << set.error();
  EXPECT_EQ(set.value().lists[2].size(), 30u);
  EXPECT_EQ(set.value().Picture(4, 4)->width, 14);  // a picture of its own size
  EXPECT_EQ(set.value().Picture(4, 8), nullptr);
  EXPECT_EQ(set.value().Picture(32, 1), nullptr);
  EXPECT_EQ(set.value().Picture(5, 0), nullptr);
}

class BrokenProgramFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("kv_pics_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::copy(fs::path(KV_PROGRAM_DIR) / "graphic", dir_ / "graphic", fs::copy_options::recursive);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(BrokenProgramFolder, AMissingPictureIsAnErrorNamingTheFile) {
  fs::remove(dir_ / "graphic" / "main" / "img13_4.bmp");
  auto set = LoadImageSet(dir_, kMainGame);
  ASSERT_FALSE(set.ok());
  EXPECT_NE(set.error().find("img13_4.bmp"), std::string::npos) << set.error();
  EXPECT_EQ(set.error().find('\n'), std::string::npos);
}

TEST_F(BrokenProgramFolder, AWronglySizedPictureIsAnErrorNamingTheFileAndBothSizes) {
  fs::copy_file(dir_ / "graphic" / "main" / "img01_1.bmp", dir_ / "graphic" / "main" / "img00_2.bmp",
                fs::copy_options::overwrite_existing);
  auto set = LoadImageSet(dir_, kMainGame);
  ASSERT_FALSE(set.ok());
  EXPECT_NE(set.error().find("img00_2.bmp"), std::string::npos) << set.error();
  EXPECT_NE(set.error().find("71 x 100"), std::string::npos) << set.error();
  EXPECT_NE(set.error().find("48 x 37"), std::string::npos) << set.error();
}

TEST_F(BrokenProgramFolder, AMissingMenuBackgroundOnlyLeavesTheMenusOnBlack) {
  fs::remove(dir_ / "graphic" / "menubg.gif");
  ::testing::internal::CaptureStderr();
  auto set = LoadImageSet(dir_, kMainGame);
  const std::string err = ::testing::internal::GetCapturedStderr();
  ASSERT_TRUE(set.ok()) << set.error();
  EXPECT_FALSE(set.value().hasMenuBackground);
  EXPECT_NE(err.find("menu background"), std::string::npos);
}

}  // namespace
}  // namespace kv::testing
