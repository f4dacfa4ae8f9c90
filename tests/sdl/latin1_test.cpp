#include "platform/sdl/latin1.h"

#include <gtest/gtest.h>

namespace kv::sdl {
namespace {

TEST(Latin1Test, AccentedLettersBecomeTwoByteSequences) {
  EXPECT_EQ(Utf8FromLatin1("Score"), "Score");
  EXPECT_EQ(Utf8FromLatin1("Men\xFC \xA9"), "Men\xC3\xBC \xC2\xA9");
  EXPECT_EQ(Utf8FromLatin1(std::string_view("\x7F\x80\xFF", 3)), "\x7F\xC2\x80\xC3\xBF");
}

TEST(Latin1Test, TextInputComesBackAsLatin1Codes) {
  EXPECT_EQ(Latin1FromUtf8("a Z"), (std::vector<int>{97, 32, 90}));
  EXPECT_EQ(Latin1FromUtf8("\xC3\xA9\xC3\xBF"), (std::vector<int>{0xE9, 0xFF}));
}

TEST(Latin1Test, CharactersBeyondLatin1AndBrokenBytesAreLeftOut) {
  // The euro sign (three bytes) and a smiley (four bytes) have no Latin-1 code.
  EXPECT_EQ(Latin1FromUtf8("1\xE2\x82\xAC" "2\xF0\x9F\x98\x80" "3"), (std::vector<int>{'1', '2', '3'}));
  // A stray continuation byte, and a sequence cut short at the end.
  EXPECT_EQ(Latin1FromUtf8("\x80x\xC3"), (std::vector<int>{'x'}));
  // A lead byte followed by something that does not continue it.
  EXPECT_EQ(Latin1FromUtf8("\xC3y"), (std::vector<int>{'y'}));
}

TEST(Latin1Test, EveryLatin1CodeSurvivesTheRoundTrip) {
  std::string all;
  std::vector<int> codes;
  for (int c = 1; c < 256; ++c) {
    all.push_back(static_cast<char>(c));
    codes.push_back(c);
  }
  EXPECT_EQ(Latin1FromUtf8(Utf8FromLatin1(all)), codes);
}

}  // namespace
}  // namespace kv::sdl
