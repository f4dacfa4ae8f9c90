#pragma once
// korvane-headless: the shooter window on the virtual clock, driven by timed key events.
#include <array>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/image.h"

namespace kv::headless {

struct Screenshot {
  std::int64_t t = 0;
  std::filesystem::path file;
};

struct RunOptions {
  std::string game = "main";
  std::filesystem::path programDir;  // where the runner lives
  std::filesystem::path dataDir;     // --dir; defaults to programDir
  std::uint64_t seed = 1;
  int periodMs = 33;
  int detail = 0;
  bool mute = false;
  bool nodeath = false;
  std::array<int, 6> equip{};
  bool play = false;
  bool bot = false;  // a bot flies the mission (with --play)
  std::vector<KeyEvent> keys;
  std::int64_t until = 600000;
  std::filesystem::path trace;
  std::filesystem::path final;
  std::vector<Screenshot> screenshots;
};

// Reads the command line (without the program name); a bad argument or an unreadable keys file
// is an error with a one-line message.
Result<RunOptions> ParseArgs(const std::vector<std::string>& args, const std::filesystem::path& programDir);
Result<std::vector<KeyEvent>> ParseKeys(const std::string& text);

// Runs the game; returns the exit status (0, or 2 with a message on err).
int Run(const RunOptions& opt, std::ostream& err);

}  // namespace kv::headless
