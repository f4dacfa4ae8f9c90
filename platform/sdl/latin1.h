#pragma once
// Typed characters reach the games as Latin-1 codes, as the original toolkit delivered them;
// SDL speaks UTF-8. (Captions and other texts are UTF-8 on both sides.)
#include <string>
#include <string_view>
#include <vector>

namespace kv::sdl {

std::string Utf8FromLatin1(std::string_view latin1);

// The Latin-1 codes of the characters of a UTF-8 text; characters Latin-1 has no code for, and
// broken sequences, are left out.
std::vector<int> Latin1FromUtf8(std::string_view utf8);

}  // namespace kv::sdl
