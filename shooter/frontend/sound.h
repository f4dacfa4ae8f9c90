#pragma once
// Effects through the media players, one-shot waves, the two volumes and the music.
#include <string_view>

#include "shooter/frontend/shooter.h"

namespace kv::shooter {

void PlaySfx(Shooter& g, int n);
void LoadSounds(Shooter& g);
void ApplyVolumes(Shooter& g);
// Player volume, hundredths of a decibel, for a volume setting 0..100.
int PlayerVolume(int setting);
// designPath is the design's path after the program folder, such as "\act1.wav".
void Playwav(Shooter& g, std::string_view designPath);
void PlayMusic(Shooter& g, std::string_view name);

}  // namespace kv::shooter
