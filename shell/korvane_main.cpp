// The program on screen. Until the intro and the launcher are built, it opens on the settings
// dialog; its Start creates the main game's window with the chosen period, detail and mute box.
// "--extra" shows the dialog as the launcher's extra-game entry will.
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

  const kv::shooter::GameDefinition& def = kv::shooter::kMainGame;
  auto images = kv::shooter::LoadImageSet(programDir, def);
  if (!images.ok()) {
    std::cerr << "korvane: " << images.error() << "\n";
    return 1;
  }
  auto platform = kv::sdl::SdlPlatform::Create();
  if (!platform.ok()) {
    std::cerr << "korvane: " << platform.error() << "\n";
    return 1;
  }
  kv::sdl::SdlPlatform& sdl = *platform.value();
  // The game seeds its random numbers from the clock, as the original did.
  kv::Random rng(static_cast<std::uint64_t>(std::time(nullptr)));

  kv::shell::FormOptimize dialog(sdl);
  // Declared after the dialog, so the game goes first: it reads the dialog's mute box.
  std::unique_ptr<kv::shooter::Shooter> game;
  dialog.startMainGame = [&](const kv::shell::DialogReadout& chosen) {
    kv::shooter::ShooterSettings settings;
    settings.programDir = programDir;
    settings.dataDir = programDir;
    settings.periodMs = chosen.period;
    settings.detailOption = chosen.detail;
    // Asked at every effect, so ticking the box later still counts.
    settings.muted = [&dialog] { return dialog.Muted(); };
    game = std::make_unique<kv::shooter::Shooter>(sdl, rng, def, images.value(), settings);
    kv::shooter::Form_Initialize(*game);
    kv::shooter::Form_Load(*game);
    sdl.ShowWindow(game->window);
  };
  if (options.value().extra) {
    dialog.Command1->Visible = true;
    // There is no extra game window yet: its button only says so.
    dialog.Command1->Pressed = [] { std::cerr << "the extra game is not built yet\n"; };
  }
  dialog.Show();
  return sdl.Run();
}
