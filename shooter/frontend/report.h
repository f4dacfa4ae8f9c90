#pragma once
// HiScore.txt: the end-of-game report, eleven quoted lines ended by CR LF.
#include <array>
#include <filesystem>
#include <string>

#include "platform/numbers.h"

namespace kv::shooter {

struct ReportFacts {
  i32 score = 0;
  std::array<std::string, 6> equipment;  // main gun, side gun, special, shield, core, engine names
  i32 frames = 0;
  i16 kills = 0;
  bool lastBossDestroyed = false;
  i32 framesTotal = 0;
  i32 fpsSeconds = 1;
};

std::string FormatReport(const ReportFacts& f);
// The average frame rate rounded to two decimals, halves to even, without trailing zeros.
std::string AverageFps(i32 framesTotal, i32 fpsSeconds);
// The score stored in the report's first line. A missing, empty or short file stores 0, so the
// first run always writes a report.
i64 StoredHighScore(const std::filesystem::path& file);

}  // namespace kv::shooter
