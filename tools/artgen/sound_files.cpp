#include "tools/artgen/sound_files.h"

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "assets/asset_files.h"
#include "tools/artgen/audio_writers.h"
#include "tools/artgen/music.h"
#include "tools/artgen/sound_effects.h"
#include "tools/artgen/voices.h"

namespace kv::artgen {
namespace {

namespace fs = std::filesystem;

struct SoundFile {
  std::string_view path;
  std::function<Samples()> make;
};

constexpr int kMusicKbps = 64;

bool WriteOne(const fs::path& programDir, const SoundFile& f) {
  const fs::path path = programDir / f.path;
  std::error_code ec;
  fs::create_directories(path.parent_path(), ec);
  const Samples samples = f.make();
  const bool mp3 = path.extension() == ".mp3";
  if (mp3 ? WriteMp3(path, samples, kMusicKbps) : WriteWav(path, samples)) return true;
  std::fprintf(stderr, "kv_artgen: cannot write %s\n", path.string().c_str());
  return false;
}

Samples Line(const Speaker& who, std::string_view text) { return RadioLine(who, text); }

std::vector<SoundFile> AllSounds() {
  using assets::kEffectSounds, assets::kVoiceSounds, assets::kSubSounds, assets::kMusic;
  return {
      {kEffectSounds[0], MenuBlip},
      {kEffectSounds[1], ConfigChirp},
      {kEffectSounds[2], PowerUpSparkle},
      {kEffectSounds[3], WarningSiren},
      {kEffectSounds[4], StartupWhine},
      {kEffectSounds[5], [] { return Explosion(0.9f, 0.2f, 501); }},
      {kEffectSounds[6], [] { return Explosion(2.4f, 1.0f, 502); }},
      {kVoiceSounds[0], [] { return Line(kHeadquarters, "Captain Korvane here. All systems ready."); }},
      {kVoiceSounds[1], SpecialZap},
      {kVoiceSounds[2], [] { return Line(kHeadquarters, "Act one."); }},
      {kVoiceSounds[3], [] { return Line(kHeadquarters, "Act two."); }},
      {kVoiceSounds[4], [] { return Line(kHeadquarters, "Act three."); }},
      {kVoiceSounds[5], [] { return Line(kHeadquarters, "Act four."); }},
      {kVoiceSounds[6], [] { return Line(kHeadquarters, "Final act."); }},
      {kVoiceSounds[7], [] { return Line(kVillain, "You shall die!"); }},
      {kVoiceSounds[8], [] { return Line(kVillain, "You will die, Korvane!"); }},
      {kVoiceSounds[9], [] { return Line(kRival, "Let us finish this, once and for all."); }},
      {kVoiceSounds[10], [] { return Line(kVillain, "Behold my creation!"); }},
      {kSubSounds[0], [] { return Explosion(1.2f, 0.8f, 601); }},
      {kSubSounds[1], MetalHit},
      {kSubSounds[2], SonarHorn},
      {kSubSounds[3], BossLaunch},
      {kMusic[0], IntroTune},
      {kMusic[1], ThemeTune},
      {kMusic[2], ActionTune},
      {kMusic[3], BattleTune},
      {kMusic[4], PianoTune},
  };
}

}  // namespace

bool WriteSounds(const fs::path& programDir) {
  for (const SoundFile& f : AllSounds()) {
    if (!WriteOne(programDir, f)) return false;
  }
  return true;
}

}  // namespace kv::artgen
