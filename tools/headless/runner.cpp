#include "tools/headless/runner.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <memory>
#include <sstream>

#include "shooter/extra/extra_game.h"
#include "shooter/frontend/form.h"
#include "shooter/frontend/menus.h"
#include "shooter/frontend/shooter.h"
#include "tools/headless/bot.h"
#include "tools/headless/trace.h"

namespace kv::headless {

namespace {

template <class T>
bool ParseInt(const std::string& s, T& out) {
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  return ec == std::errc() && end == s.data() + s.size();
}

using Opts = Result<RunOptions>;

}  // namespace

Result<std::vector<KeyEvent>> ParseKeys(const std::string& text) {
  std::vector<KeyEvent> keys;
  std::istringstream in(text);
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    std::istringstream words(line);
    std::string ms, dir, vk, shift, extra;
    if (!(words >> ms)) continue;
    words >> dir >> vk;
    const bool hasShift = static_cast<bool>(words >> shift);
    KeyEvent e;
    if (!ParseInt(ms, e.t) || e.t < 0 || (dir != "down" && dir != "up") || !ParseInt(vk, e.vk) || e.vk < 0 ||
        e.vk > 255 || (hasShift && !ParseInt(shift, e.shift)) || (words >> extra)) {
      return Result<std::vector<KeyEvent>>::Error("keys line " + std::to_string(lineNo) +
                                                  ": expected \"<ms> down|up <vk> [shift]\"");
    }
    e.down = dir == "down";
    keys.push_back(e);
  }
  std::stable_sort(keys.begin(), keys.end(), [](const KeyEvent& a, const KeyEvent& b) { return a.t < b.t; });
  return keys;
}

Result<RunOptions> ParseArgs(const std::vector<std::string>& args, const std::filesystem::path& programDir) {
  RunOptions o;
  o.programDir = programDir;
  o.dataDir = programDir;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    std::string v;
    if (a == "--mute") {
      o.mute = true;
    } else if (a == "--nodeath") {
      o.nodeath = true;
    } else if (a == "--play") {
      o.play = true;
    } else if (a == "--bot") {
      o.bot = true;
    } else if (!value(v)) {
      return Opts::Error(a.rfind("--", 0) == 0 ? a + " needs a value" : "unknown argument " + a);
    } else if (a == "--game") {
      if (v != "main" && v != "extra") return Opts::Error("--game takes main or extra");
      o.game = v;
    } else if (a == "--dir") {
      o.dataDir = v;
      if (!std::filesystem::is_directory(o.dataDir)) return Opts::Error("--dir: no such folder " + v);
    } else if (a == "--seed") {
      if (!ParseInt(v, o.seed)) return Opts::Error("--seed takes a whole number");
    } else if (a == "--period") {
      if (!ParseInt(v, o.periodMs) || o.periodMs < 1 || o.periodMs > 60) return Opts::Error("--period takes 1..60");
    } else if (a == "--detail") {
      if (v == "low") o.detail = 0;
      else if (v == "medium") o.detail = 1;
      else if (v == "high") o.detail = 2;
      else return Opts::Error("--detail takes low, medium or high");
    } else if (a == "--equip") {
      std::istringstream in(v);
      std::string item;
      std::size_t n = 0;
      constexpr std::array<int, 6> kHighest{4, 3, 4, 4, 2, 3};
      while (std::getline(in, item, ',')) {
        if (n >= 6 || !ParseInt(item, o.equip[n]) || o.equip[n] < 0 || o.equip[n] > kHighest[n])
          return Opts::Error("--equip takes six choices A,B,C,D,E,F within 4,3,4,4,2,3");
        ++n;
      }
      if (n != 6) return Opts::Error("--equip takes six choices A,B,C,D,E,F within 4,3,4,4,2,3");
    } else if (a == "--keys") {
      std::ifstream in(v, std::ios::binary);
      if (!in) return Opts::Error("--keys: cannot read " + v);
      std::stringstream ss;
      ss << in.rdbuf();
      auto keys = ParseKeys(ss.str());
      if (!keys.ok()) return Opts::Error(v + ": " + keys.error());
      o.keys = std::move(keys.value());
    } else if (a == "--until") {
      if (!ParseInt(v, o.until) || o.until < 0) return Opts::Error("--until takes milliseconds");
    } else if (a == "--trace") {
      o.trace = v;
    } else if (a == "--final") {
      o.final = v;
    } else if (a == "--screenshot") {
      const auto colon = v.find(':');
      Screenshot s;
      if (colon == std::string::npos || !ParseInt(v.substr(0, colon), s.t) || s.t < 0 || colon + 1 >= v.size())
        return Opts::Error("--screenshot takes MS:FILE");
      s.file = v.substr(colon + 1);
      o.screenshots.push_back(s);
    } else {
      return Opts::Error("unknown argument " + a);
    }
  }
  if (o.bot && !o.play) return Opts::Error("--bot goes with --play");
  std::stable_sort(o.screenshots.begin(), o.screenshots.end(),
                   [](const Screenshot& x, const Screenshot& y) { return x.t < y.t; });
  return o;
}

int Run(const RunOptions& opt, std::ostream& err) {
  const shooter::GameDefinition& def = opt.game == "extra" ? shooter::kExtraGame : shooter::kMainGame;
  auto images = shooter::LoadImageSet(opt.programDir, def);
  if (!images.ok()) {
    err << "korvane-headless: " << images.error() << "\n";
    return 2;
  }
  auto platform = HeadlessPlatform::Create();
  if (!platform.ok()) {
    err << "korvane-headless: " << platform.error() << "\n";
    return 2;
  }
  HeadlessPlatform& hp = *platform.value();
  Random rng(opt.seed);
  std::ofstream trace;
  if (!opt.trace.empty()) {
    trace.open(opt.trace, std::ios::binary | std::ios::trunc);
    if (!trace) {
      err << "korvane-headless: cannot write " << opt.trace.string() << "\n";
      return 2;
    }
  }
  shooter::ShooterSettings settings;
  settings.programDir = opt.programDir;
  settings.dataDir = opt.dataDir;
  settings.periodMs = opt.periodMs;
  settings.detailOption = opt.detail;
  const bool mute = opt.mute;
  settings.muted = [mute] { return mute; };
  settings.shieldHitCost = opt.nodeath ? "1" : "394";
  std::string nowep = "x";  // the hidden store label's design caption
  settings.nowep = &nowep;

  shooter::Shooter game(hp, rng, def, images.value(), settings);
  game.skipTitleToPlay = opt.play;
  Bot bot(hp, game);
  game.onTick = [&] {
    if (trace.is_open()) trace << TraceLine(game, hp.NowMs()) << '\n';
    if (opt.bot) bot.AfterTick();
  };
  shooter::Form_Initialize(game);
  shooter::Form_Load(game);
  if (opt.play) {
    for (int slot = 0; slot < 6; ++slot) {
      game.st.Equip[static_cast<std::size_t>(slot)] = static_cast<i16>(opt.equip[static_cast<std::size_t>(slot)]);
      shooter::SetEquipName(game, slot, opt.equip[static_cast<std::size_t>(slot)]);
    }
  }
  hp.ShowWindow(game.window);
  for (const KeyEvent& k : opt.keys) hp.QueueKey(k);

  for (const Screenshot& shot : opt.screenshots) {
    if (shot.t > opt.until) break;
    hp.RunUntil(shot.t);
    auto saved = SavePng(shot.file, hp.Render(game.window));
    if (!saved.ok()) {
      err << "korvane-headless: " << saved.error() << "\n";
      return 2;
    }
  }
  hp.RunUntil(opt.until);

  if (!opt.final.empty()) {
    std::ofstream out(opt.final, std::ios::binary | std::ios::trunc);
    out << FinalObject(game, hp.NowMs()) << '\n';
    if (!out) {
      err << "korvane-headless: cannot write " << opt.final.string() << "\n";
      return 2;
    }
  }
  return 0;
}

}  // namespace kv::headless
