// custom.cfg: reading, the stand-ins for a damaged file, and the exact written format.
#include "shooter/frontend/config.h"

#include <fstream>
#include <sstream>

#include "shooter/content/key_names.h"
#include "tests/shooter_fixture.h"

namespace kv::testing {
namespace {

using namespace kv::shooter;

std::string Slurp(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

TEST(ConfigParse, TakesTheFirstEightNumbersSeparatedByLinesOrCommas) {
  struct Case {
    const char* text;
    ConfigValues want;
  };
  const Case cases[] = {
      {"87\r\n83\r\n65\r\n68\r\n32\r\n88\r\n80\r\n0\r\n", {{87, 83, 65, 68, 32, 88}, {80, 0}}},
      {"87,83,65,68,32,88,80,0", {{87, 83, 65, 68, 32, 88}, {80, 0}}},
      {"87\n83\n65\n68\n32\n88\n80\n0\n99\n100\n", {{87, 83, 65, 68, 32, 88}, {80, 0}}},  // extra numbers ignored
      {"-5\r\n83\r\n65\r\n68\r\n32\r\n88\r\n100\r\n0\r\n", {{-5, 83, 65, 68, 32, 88}, {100, 0}}},
  };
  for (const Case& c : cases) {
    const ConfigRead r = ParseConfig(c.text);
    EXPECT_EQ(r.values, c.want) << c.text;
    EXPECT_TRUE(r.problem.empty()) << c.text << ": " << r.problem;
  }
}

TEST(ConfigParse, DamagedValuesKeepTheShippedOnesAndSaySo) {
  struct Case {
    const char* name;
    std::string text;
    ConfigValues want;
  };
  const ConfigValues shipped = kShippedConfig;
  const Case cases[] = {
      {"empty", "", shipped},
      {"short", "87\r\n83\r\n", {{87, 83, 37, 39, 32, 88}, {80, 80}}},
      {"garbled", "87\r\nabc\r\n65\r\n68\r\n32x\r\n88\r\n80\r\n0\r\n", {{87, 40, 65, 68, 32, 88}, {80, 0}}},
      {"volume out of range", "87\r\n83\r\n65\r\n68\r\n32\r\n88\r\n101\r\n-1\r\n", {{87, 83, 65, 68, 32, 88}, {80, 80}}},
      {"key beyond 16 bits", "99999\r\n83\r\n65\r\n68\r\n32\r\n88\r\n80\r\n0\r\n", {{38, 83, 65, 68, 32, 88}, {80, 0}}},
      {"binary junk", std::string("\x01\xff\x00\x7f", 4), shipped},
  };
  for (const Case& c : cases) {
    const ConfigRead r = ParseConfig(c.text);
    EXPECT_EQ(r.values, c.want) << c.name;
    EXPECT_FALSE(r.problem.empty()) << c.name;
  }
}

TEST(ConfigFile, TheWrittenFormatIsEightCrLfLines) {
  const ConfigValues v{{87, 83, 65, 68, 32, 88}, {80, 0}};
  EXPECT_EQ(FormatConfig(v), "87\r\n83\r\n65\r\n68\r\n32\r\n88\r\n80\r\n0\r\n");
  const auto dir = std::filesystem::temp_directory_path() / ("kv_cfg_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  ASSERT_TRUE(WriteConfigFile(dir / "custom.cfg", v));
  EXPECT_EQ(Slurp(dir / "custom.cfg"), FormatConfig(v));
  EXPECT_FALSE(std::filesystem::exists(dir / "custom.cfg.tmp"));
  EXPECT_EQ(ReadConfigFile(dir / "custom.cfg").values, v);
  // A folder that cannot be written leaves nothing behind and says so.
  EXPECT_FALSE(WriteConfigFile(dir / "no" / "such" / "custom.cfg", v));
  std::filesystem::remove_all(dir);
}

TEST_F(ShooterTest, TheShippedFileIsReadAtLoad) {
  Shooter& g = Open();
  EXPECT_EQ(g.st.KeyCodes, (std::array<i16, 6>{38, 40, 37, 39, 32, 88}));
  EXPECT_EQ(g.st.Volumes, (std::array<i16, 2>{80, 80}));
  EXPECT_EQ(g.menus.menu[3]->Caption(), "Up");
  EXPECT_EQ(g.menus.menu[7]->Caption(), "Spacebar");
  EXPECT_EQ(g.menus.menu[8]->Caption(), "X");
  EXPECT_EQ(g.menus.LabelSE->Caption(), "80");
}

TEST_F(ShooterTest, AMissingOrDamagedFileGivesTheDefaultsOneLineOnStderrAndIsLeftAlone) {
  struct Case {
    const char* name;
    bool exists;
    std::string content;
  };
  const Case cases[] = {
      {"missing", false, ""},
      {"empty", true, ""},
      {"short", true, "87\r\n83\r\n65\r\n"},
      {"garbled", true, "hello world, this is not a config\r\n"},
      {"oversized", true, std::string(5'000'000, '7')},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(dataDir_ / "custom.cfg");
    if (c.exists) {
      std::ofstream(dataDir_ / "custom.cfg", std::ios::binary) << c.content;
    }
    ::testing::internal::CaptureStderr();
    Shooter& g = Open();
    const std::string err = ::testing::internal::GetCapturedStderr();
    const auto keysWanted = c.content.rfind("87", 0) == 0 ? std::array<i16, 6>{87, 83, 65, 39, 32, 88}
                                                           : kShippedConfig.keys;
    EXPECT_EQ(g.st.KeyCodes, keysWanted) << c.name;
    EXPECT_EQ(g.st.Volumes, kShippedConfig.volumes) << c.name;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << c.name << ": " << err;
    EXPECT_NE(err.find("custom.cfg"), std::string::npos) << c.name;
    EXPECT_EQ(std::filesystem::exists(dataDir_ / "custom.cfg"), c.exists) << c.name;
    if (c.exists) {
      EXPECT_EQ(Slurp(dataDir_ / "custom.cfg"), c.content) << c.name;
    }
  }
}

TEST(KeyNames, NamedAndUnnamedCodes) {
  struct Case {
    int code;
    std::string_view name;
  };
  const Case cases[] = {{8, "Backspace"},  {32, "Spacebar"}, {48, "0"},      {90, "Z"},       {96, "Numpad 0"},
                        {111, "Numpad /"}, {112, "F1"},      {121, "F10"},   {122, "Undefined"}, {123, "Undefined"},
                        {9, "Undefined"},  {12, "Undefined"}, {108, "Undefined"}, {27, "Undefined"}, {220, "\\"},
                        {222, "'"},        {145, "Scroll Lock"}};
  for (const Case& c : cases) EXPECT_EQ(KeyNameOf(c.code), c.name) << c.code;
}

}  // namespace
}  // namespace kv::testing
