// The program on screen. Until the intro and the launcher are built, it opens on the settings
// dialog; its Start creates the main game's window with the chosen period, detail and mute box.
// "--extra" shows the dialog as the launcher's extra-game entry will, with its "&Start EX".
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/sdl/sdl_platform.h"
#include "shell/settings_dialog.h"
#include "shooter/extra/extra_game.h"
#include "shooter/frontend/form.h"
#include "shooter/frontend/shooter.h"

namespace {

struct Options {
  bool extra = false;
};

kv::Result<Options> ParseOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--extra") {
      o.extra = true;
    } else {
      return kv::Result<Options>::Error("unknown option " + std::string(arg) + " (known: --extra)");
    }
  }
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  auto options = ParseOptions(argc, argv);
  if (!options.ok()) {
    std::cerr << "korvane: " << options.error() << "\n";
    return 2;
  }
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  const auto programDir = ec ? std::filesystem::current_path() : exe.parent_path();

  auto images = kv::shooter::LoadImageSet(programDir, kv::shooter::kMainGame);
  auto extraImages = kv::shooter::LoadImageSet(programDir, kv::shooter::kExtraGame);
  for (const auto* set : {&images, &extraImages}) {
    if (!set->ok()) {
      std::cerr << "korvane: " << set->error() << "\n";
      return 1;
    }
  }
  auto platform = kv::sdl::SdlPlatform::Create();
  if (!platform.ok()) {
    std::cerr << "korvane: " << platform.error() << "\n";
    return 1;
  }
  kv::sdl::SdlPlatform& sdl = *platform.value();
  // The game seeds its random numbers from the clock, as the original did.
  kv::Random rng(static_cast<std::uint64_t>(std::time(nullptr)));

  // The program-wide stores that the design keeps in hidden labels: the shield-hit cost and the
  // extra game's no-second-weapon flag.
  std::string nowep = "x";
  kv::shell::FormOptimize dialog(sdl);
  // Declared after the dialog, so the game goes first: it reads the dialog's mute box.
  std::unique_ptr<kv::shooter::Shooter> game;
  auto start = [&](const kv::shooter::GameDefinition& def, const kv::shooter::ImageSet& set,
                   const kv::shell::DialogReadout& chosen) {
    kv::shooter::ShooterSettings settings;
    settings.programDir = programDir;
    settings.dataDir = programDir;
    settings.periodMs = chosen.period;
    settings.detailOption = chosen.detail;
    // Asked at every effect, so ticking the box later still counts.
    settings.muted = [&dialog] { return dialog.Muted(); };
    settings.nowep = &nowep;
    game = std::make_unique<kv::shooter::Shooter>(sdl, rng, def, set, settings);
    kv::shooter::Form_Initialize(*game);
    kv::shooter::Form_Load(*game);
    sdl.ShowWindow(game->window);
  };
  dialog.startMainGame = [&](const kv::shell::DialogReadout& chosen) {
    start(kv::shooter::kMainGame, images.value(), chosen);
  };
  dialog.startExtraGame = [&](const kv::shell::DialogReadout& chosen) {
    start(kv::shooter::kExtraGame, extraImages.value(), chosen);
  };
  if (options.value().extra) dialog.Command1->Visible = true;
  dialog.Show();
  return sdl.Run();
}
