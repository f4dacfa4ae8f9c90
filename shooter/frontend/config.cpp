#include "shooter/frontend/config.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <system_error>

#include "shooter/content/key_names.h"
#include "shooter/frontend/text_file.h"

namespace kv::shooter {

namespace {

constexpr std::size_t kMostBytesRead = 64 * 1024;  // far more than eight numbers ever need
constexpr std::array<std::string_view, 8> kValueNames{"up key", "down key", "left key", "right key",
                                                      "fire key", "special key", "effects volume", "second volume"};

bool IsSeparator(char c) { return c == '\r' || c == '\n' || c == ',' || c == ' ' || c == '\t'; }

bool ParseValue(std::string_view token, int index, i16& out) {
  long v = 0;
  const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), v);
  if (ec != std::errc() || end != token.data() + token.size()) return false;
  const bool volume = index >= 6;
  if (volume ? (v < 0 || v > 100) : (v < -32768 || v > 32767)) return false;
  out = static_cast<i16>(v);
  return true;
}

}  // namespace

ConfigRead ParseConfig(std::string_view text) {
  ConfigRead r{kShippedConfig, {}};
  std::array<i16*, 8> slots{&r.values.keys[0], &r.values.keys[1], &r.values.keys[2], &r.values.keys[3],
                            &r.values.keys[4], &r.values.keys[5], &r.values.volumes[0], &r.values.volumes[1]};
  int index = 0;
  std::string bad;
  std::size_t i = 0;
  while (index < 8 && i < text.size()) {
    if (IsSeparator(text[i])) {
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < text.size() && !IsSeparator(text[j])) ++j;
    if (!ParseValue(text.substr(i, j - i), index, *slots[static_cast<std::size_t>(index)])) {
      bad += bad.empty() ? "" : ", ";
      bad += kValueNames[static_cast<std::size_t>(index)];
    }
    ++index;
    i = j;
  }
  if (index < 8) {
    r.problem = "holds " + std::to_string(index) + " of its 8 numbers";
  }
  if (!bad.empty()) {
    r.problem += r.problem.empty() ? "" : "; ";
    r.problem += "unreadable " + bad;
  }
  return r;
}

ConfigRead ReadConfigFile(const std::filesystem::path& file) {
  auto text = ReadTextFile(file, kMostBytesRead);
  if (!text.ok()) return ConfigRead{kShippedConfig, text.error()};
  return ParseConfig(text.value());
}

std::string FormatConfig(const ConfigValues& v) {
  std::string out;
  for (i16 k : v.keys) out += std::to_string(k) + "\r\n";
  for (i16 vol : v.volumes) out += std::to_string(vol) + "\r\n";
  return out;
}

bool WriteConfigFile(const std::filesystem::path& file, const ConfigValues& v) {
  return WriteTextFileAtomically(file, FormatConfig(v));
}

void SetKeyName(Shooter& g, int keyCode, int item) {
  g.menus.menu[static_cast<std::size_t>(item)]->SetCaption(KeyNameOf(keyCode));
}

void LoadConfig(Shooter& g) {
  const auto file = g.DataFile("custom.cfg");
  const ConfigRead read = ReadConfigFile(file);
  if (!read.problem.empty()) {
    // The file is left as it is: only the options menu's SAVE writes it.
    std::cerr << "korvane: " << file.string() << " " << read.problem << "; the shipped defaults stand in\n";
  }
  g.st.KeyCodes = read.values.keys;
  g.st.Volumes = read.values.volumes;
  for (int i = 0; i < 6; ++i) SetKeyName(g, g.st.KeyCodes[static_cast<std::size_t>(i)], i + 3);
  g.menus.LabelSE->SetCaption(std::to_string(g.st.Volumes[0]));
}

void SaveConfig(Shooter& g) {
  const auto file = g.DataFile("custom.cfg");
  if (!WriteConfigFile(file, ConfigValues{g.st.KeyCodes, g.st.Volumes})) {
    std::cerr << "korvane: could not save " << file.string() << "; the settings stay as they were\n";
  }
}

}  // namespace kv::shooter
