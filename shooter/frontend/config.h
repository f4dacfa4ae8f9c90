#pragma once
// custom.cfg: the six game keys and the two volumes, eight decimal numbers one a line.
#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/numbers.h"
#include "shooter/frontend/shooter.h"

namespace kv::shooter {

struct ConfigValues {
  std::array<i16, 6> keys{};  // up, down, left, right, fire, special
  std::array<i16, 2> volumes{};
  bool operator==(const ConfigValues&) const = default;
};

// The values of the custom.cfg that ships with the game: arrow keys, Space to fire, X for the
// special weapon, both volumes at 80.
inline constexpr ConfigValues kShippedConfig{{38, 40, 37, 39, 32, 88}, {80, 80}};

struct ConfigRead {
  ConfigValues values;
  std::string problem;  // empty when the file held eight good numbers
};

// Takes the first eight numbers, separated by line ends, commas or blanks. Whatever is missing
// or unreadable (not a whole number, a key outside 16 bits, a volume outside 0..100) keeps the
// shipped value, and `problem` says so.
ConfigRead ParseConfig(std::string_view text);
ConfigRead ReadConfigFile(const std::filesystem::path& file);
// The file's exact format: eight lines ended by CR LF. Written to a temporary file that then
// replaces the old one, so a failure never leaves half a file.
std::string FormatConfig(const ConfigValues& v);
bool WriteConfigFile(const std::filesystem::path& file, const ConfigValues& v);

void SetKeyName(Shooter& g, int keyCode, int item);
void LoadConfig(Shooter& g);
void SaveConfig(Shooter& g);

}  // namespace kv::shooter
