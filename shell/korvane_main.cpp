// The program on screen. Until the intro, the launcher and the settings dialog are built, it
// opens the main game's window directly with the dialog's defaults: 33 ms, low detail, sound on.
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include "platform/sdl/sdl_platform.h"
#include "shooter/frontend/form.h"
#include "shooter/frontend/shooter.h"

int main() {
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

  kv::shooter::ShooterSettings settings;
  settings.programDir = programDir;
  settings.dataDir = programDir;
  settings.muted = [] { return false; };
  kv::shooter::Shooter game(sdl, rng, def, images.value(), settings);
  kv::shooter::Form_Initialize(game);
  kv::shooter::Form_Load(game);
  sdl.ShowWindow(game.window);
  return sdl.Run();
}
