// kv_artgen <program-dir>: draws every picture and makes every sound and tune of the program
// folder. The output depends on nothing but this program, byte for byte.
#include <cstdio>
#include <filesystem>
#include <future>

#include "platform/render/render.h"
#include "tools/artgen/picture_files.h"
#include "tools/artgen/sound_files.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kv_artgen <program-dir>\n");
    return 2;
  }
  const std::filesystem::path programDir = argv[1];
  auto fonts = kv::render::Fonts::Load();
  if (!fonts.ok()) std::fprintf(stderr, "kv_artgen: no fonts (%s); the logo gets no lettering\n", fonts.error().c_str());
  const kv::render::Fonts* lettering = fonts.ok() ? fonts.value().get() : nullptr;
  // Sound and pictures share nothing, so they are made side by side.
  auto sounds = std::async(std::launch::async, [&programDir] { return kv::artgen::WriteSounds(programDir); });
  const bool pictures = kv::artgen::WritePictures(programDir, lettering);
  return pictures && sounds.get() ? 0 : 1;
}
