#pragma once
// Writes every sound of the program folder: effects, voices, the submarine game's sounds and the music.
#include <filesystem>

namespace kv::artgen {

bool WriteSounds(const std::filesystem::path& programDir);

}  // namespace kv::artgen
