#pragma once
// Writes mono sound files: 16-bit wave files and MP3 files (encoded with LAME).
#include <filesystem>

#include "tools/artgen/synth.h"

namespace kv::artgen {

bool WriteWav(const std::filesystem::path& path, const Samples& samples);
bool WriteMp3(const std::filesystem::path& path, const Samples& samples, int kbps);

}  // namespace kv::artgen
