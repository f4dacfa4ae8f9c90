#include "shooter/frontend/sound.h"

namespace kv::shooter {

static void Record(Shooter& g, int n) {
  TickRecord& t = g.tick;
  if (t.sfxCount < static_cast<int>(t.sfx.size())) t.sfx[static_cast<std::size_t>(t.sfxCount++)] = Wrap16(n);
}

static void NextExplosionVoice(Shooter& g) {
  g.st.ExplosionVoice = Wrap16(g.st.ExplosionVoice + 1);
  if (g.st.ExplosionVoice > 3) g.st.ExplosionVoice = 0;
}

void PlaySfx(Shooter& g, int n) {
  Record(g, n);
  if (g.settings.muted && g.settings.muted()) return;
  SoundPlayers& p = g.sound;
  switch (n) {
    case 1: p.MP1->Play(); break;
    case 2: break;  // the spare channel has no file: nothing to hear
    case 3: p.MP3->Play(); break;
    case 4: p.MP2->Stop(); break;
    case 5:
      p.MP5->Open(g.ProgramFile("\\sound\\warning.wav"));
      p.MP5->Play();
      break;
    case 6:
      p.MP5->Open(g.ProgramFile("\\sound\\startup.wav"));
      p.MP5->Play();
      break;
    case 7: p.MP4->Play(); break;
    case 99: p.MP2->Play(); break;
    case 100:
      NextExplosionVoice(g);
      p.MPS[static_cast<std::size_t>(g.st.ExplosionVoice)]->Play();
      break;
    case 101:
      NextExplosionVoice(g);
      p.MPS[static_cast<std::size_t>(4 + g.st.ExplosionVoice)]->Play();
      break;
    default: NextExplosionVoice(g); break;
  }
}

void LoadSounds(Shooter& g) {
  g.sound.MP1->Open(g.ProgramFile("\\sound\\menu.wav"));
  g.sound.MP3->Open(g.ProgramFile("\\sound\\config.wav"));
  g.sound.MP4->Open(g.ProgramFile("\\sound\\powerup.wav"));
  ApplyVolumes(g);
}

int PlayerVolume(int setting) { return static_cast<int>(RoundHalfEven((1.0 - setting / 100.0) * -3100.0)); }

void ApplyVolumes(Shooter& g) {
  const int effects = PlayerVolume(g.st.Volumes[0]);
  const int second = PlayerVolume(g.st.Volumes[1]);
  g.sound.MP1->SetVolume(effects);
  g.sound.MP3->SetVolume(effects);
  for (auto& mp : g.sound.MPS) mp->SetVolume(effects);
  g.sound.MP2->SetVolume(second);
  g.sound.MP5->SetVolume(second);
}

static std::string_view BareName(std::string_view path) {
  const auto cut = path.find_last_of("\\/");
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

void Playwav(Shooter& g, std::string_view designPath) {
  TickRecord& t = g.tick;
  if (t.wavCount < static_cast<int>(t.wav.size())) t.wav[static_cast<std::size_t>(t.wavCount++)] = BareName(designPath);
  g.platform.PlayWave(g.ProgramFile(designPath));
}

// Music files are named without a folder; they lie in the program folder.
void PlayMusic(Shooter& g, std::string_view name) {
  TickRecord& t = g.tick;
  if (t.musicCount < static_cast<int>(t.music.size())) t.music[static_cast<std::size_t>(t.musicCount++)] = name;
  g.Text1.assign(name);
  g.sound.MediaPlayer1->Open(g.Text1.empty() ? std::filesystem::path() : g.settings.programDir / g.Text1);
  if (!g.Text1.empty()) {
    g.sound.MediaPlayer1->Play();
  } else {
    g.platform.MessageBox("No file to play", "Error");
  }
}

}  // namespace kv::shooter
