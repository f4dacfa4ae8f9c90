#pragma once
// The games keep their text as 8-bit Latin-1; SDL speaks UTF-8.
#include <string>
#include <string_view>
#include <vector>

namespace kv::sdl {

std::string Utf8FromLatin1(std::string_view latin1);

// The Latin-1 codes of the characters of a UTF-8 text; characters Latin-1 has no code for, and
// broken sequences, are left out.
std::vector<int> Latin1FromUtf8(std::string_view utf8);

}  // namespace kv::sdl
