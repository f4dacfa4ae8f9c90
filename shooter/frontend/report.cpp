#include "shooter/frontend/report.h"

#include <cstdio>
#include <cstdlib>

#include "shooter/frontend/form.h"
#include "shooter/frontend/text_file.h"

namespace kv::shooter {

std::string AverageFps(i32 framesTotal, i32 fpsSeconds) {
  if (fpsSeconds == 0) fpsSeconds = 1;
  // Hundredths, rounded half to even in whole numbers so that no binary fraction can tip them.
  const i64 num = static_cast<i64>(framesTotal) * 100;
  const i64 den = fpsSeconds;
  const bool negative = (num < 0) != (den < 0);
  const i64 n = std::llabs(num), d = std::llabs(den);
  i64 q = n / d;
  const i64 twice = 2 * (n % d);
  if (twice > d || (twice == d && q % 2 != 0)) ++q;
  const i64 whole = q / 100, hundredths = q % 100;
  std::string out = (negative && q != 0 ? "-" : "") + std::to_string(whole);
  if (hundredths != 0) {
    char frac[4];
    std::snprintf(frac, sizeof frac, "%02lld", static_cast<long long>(hundredths));
    out += '.';
    out += frac[0];
    if (frac[1] != '0') out += frac[1];
  }
  return out;
}

std::string FormatReport(const ReportFacts& f) {
  const std::array<std::string, 11> lines{
      "High Score : " + std::to_string(f.score),
      "Main Gun   : " + f.equipment[0],
      "Side Gun   : " + f.equipment[1],
      "Special    : " + f.equipment[2],
      "Shield     : " + f.equipment[3],
      "Generator  : " + f.equipment[4],
      "Engine     : " + f.equipment[5],
      "Duration   : " + std::to_string(f.frames) + " Frame(s)",
      "Total Kill : " + std::to_string(f.kills) + " Ship(s)",
      f.lastBossDestroyed ? "Last Boss  : Destroyed" : "Last Boss  : Failed",
      "Ave. FPS   : " + AverageFps(f.framesTotal, f.fpsSeconds),
  };
  std::string out;
  for (const std::string& line : lines) out += "\"" + line + "\"\r\n";
  return out;
}

i64 StoredHighScore(const std::filesystem::path& file) {
  auto text = ReadTextFile(file, 4096);
  if (!text.ok()) return 0;
  std::string_view first(text.value());
  first = first.substr(0, first.find_first_of("\r\n"));
  // The text between the quotes; an unquoted line is read up to its first comma.
  if (!first.empty() && first.front() == '"') {
    first.remove_prefix(1);
    first = first.substr(0, first.find('"'));
  } else {
    first = first.substr(0, first.find(','));
  }
  if (first.size() <= 13) return 0;
  return Val(first.substr(13));
}

}  // namespace kv::shooter
