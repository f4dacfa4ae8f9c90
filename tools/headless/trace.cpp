#include "tools/headless/trace.h"

#include <cstdio>
#include <initializer_list>
#include <string_view>

namespace kv::headless {

using shooter::GameState;
using shooter::Shooter;

namespace {

class Json {
 public:
  Json& Key(std::string_view k) {
    Sep();
    Quote(k);
    out_ += ':';
    fresh_ = true;
    return *this;
  }
  Json& Int(long long v) {
    Sep();
    out_ += std::to_string(v);
    return *this;
  }
  Json& Bool(bool v) {
    Sep();
    out_ += v ? "true" : "false";
    return *this;
  }
  Json& Str(std::string_view s) {
    Sep();
    Quote(s);
    return *this;
  }
  void Quote(std::string_view s) {
    out_ += '"';
    for (const char c : s) {
      const auto u = static_cast<unsigned char>(c);
      if (c == '"' || c == '\\') {
        out_ += '\\';
        out_ += c;
      } else if (u < 0x20) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\u%04x", u);
        out_ += buf;
      } else {
        out_ += c;
      }
    }
    out_ += '"';
  }
  Json& Open(char c) {
    Sep();
    out_ += c;
    fresh_ = true;
    return *this;
  }
  Json& Close(char c) {
    out_ += c;
    fresh_ = false;
    return *this;
  }
  Json& Ints(std::initializer_list<long long> vs) {
    Open('[');
    for (long long v : vs) Int(v);
    return Close(']');
  }
  template <class Range>
  Json& IntArray(const Range& r) {
    Open('[');
    for (auto v : r) Int(v);
    return Close(']');
  }
  std::string Take() { return std::move(out_); }

 private:
  void Sep() {
    if (!fresh_) out_ += ',';
    fresh_ = false;
  }
  std::string out_;
  bool fresh_ = true;
};

}  // namespace

std::string TraceLine(const Shooter& g, std::int64_t t) {
  const GameState& s = g.st;
  const shooter::Hud& h = g.hud;
  Json j;
  j.Open('{');
  j.Key("t").Int(t);
  j.Key("frame").Int(s.FrameCount);
  j.Key("fps_frames").Int(s.FramesThisSecond);
  j.Key("score").Int(s.Score);
  j.Key("kills").Int(s.Kills);
  j.Key("ship").Ints({s.ShipX, s.ShipY});
  j.Key("locked").Int(s.ShipLocked);
  j.Key("autopilot").Int(s.AutoPilot);
  j.Key("movekeys").IntArray(s.MoveKeys);
  j.Key("fire").Int(s.FireHeld);
  j.Key("mg").Int(s.MainGunLevel);
  j.Key("sg").Int(s.SideGunLevel);
  j.Key("cool").Ints({s.MainGunCooldown, s.SideGunCooldown});
  j.Key("broken").Ints({s.MainGunBroken, s.SideGunBroken, s.EngineBroken, s.GeneratorBroken});
  j.Key("gauges").Ints({h.Stt_MGUN_R->Width, h.Stt_SGUN_R->Width, h.Stt_ENG_R->Width, h.Stt_PWR_R->Width});
  j.Key("shield").Ints({h.BAR_SHD_C->Width, h.BAR_SHD_R->Width, s.ShieldUp, s.ShieldBarFlag});
  j.Key("special").Ints({h.BAR_SPE_C->Width, h.BAR_SPE_R->Width, s.SpecialReady, s.SpecialBarFlag});
  j.Key("bosskills").IntArray(s.BossKillFrames);
  j.Key("deathflag").Int(s.DeathFlag);
  j.Key("flashflag").Int(s.FlashFlag);
  j.Key("hitmark").Int(s.ShieldHitMark);
  j.Key("stars").Int(g.tick.starsMoved);
  j.Key("pshots").Open('[');
  for (std::size_t i = 0; i < s.PlayerShots.size(); ++i) {
    const auto& p = s.PlayerShots[i];
    if (p.Active != 0) j.Ints({static_cast<long long>(i), p.Frame, p.X, p.Y, p.Motion, p.Age, p.Damage, p.Speed});
  }
  j.Close(']');
  j.Key("enemies").Open('[');
  for (std::size_t i = 0; i < s.Enemies.size(); ++i) {
    const auto& e = s.Enemies[i];
    if (e.Active != 0)
      j.Ints({static_cast<long long>(i), e.Sprite, e.X, e.Y, e.HP, e.Age, e.Behaviour, e.Frame, e.Speed, e.IsBoss});
  }
  j.Close(']');
  j.Key("eshots").Open('[');
  for (std::size_t i = 0; i < s.EnemyShots.size(); ++i) {
    const auto& e = s.EnemyShots[i];
    if (e.Active != 0) j.Ints({static_cast<long long>(i), e.Kind, e.X, e.Y, e.TargetX, e.TargetY, e.Slowness});
  }
  j.Close(']');
  j.Key("blasts").Open('[');
  for (std::size_t i = 0; i < s.Explosions.size(); ++i) {
    const auto& b = s.Explosions[i];
    if (b.Active != 0) j.Ints({static_cast<long long>(i), b.Kind, b.X, b.Y, b.Frame, b.LastFrame});
  }
  j.Close(']');
  j.Key("powerups").Open('[');
  for (std::size_t i = 0; i < s.PowerUps.size(); ++i) {
    const auto& p = s.PowerUps[i];
    if (p.Active != 0) j.Ints({static_cast<long long>(i), p.X, p.Y, p.Frame});
  }
  j.Close(']');
  j.Key("log").Open('[');
  for (int i = 0; i < 5; ++i) j.Str(h.BufferText[static_cast<std::size_t>(i)]->Caption());
  j.Close(']');
  j.Key("scoretext").Str(h.BufferText[6]->Caption());
  j.Key("bossname").Str(h.Boss_Name->Caption());
  j.Key("bossbar").Int(h.Boss_Bar_Top->Width);
  j.Key("statsbar").Ints({h.Stats_Bar->Top, h.Stats_Bar->Visible ? -1 : 0});
  j.Key("bosspanel").Int(h.BossBar->Top);
  j.Key("banner").Open('[').Int(h.Bufferbox[6]->Top).Str(h.BufferText[7]->Caption()).Close(']');
  j.Key("sfx").Open('[');
  for (int i = 0; i < g.tick.sfxCount; ++i) j.Int(g.tick.sfx[static_cast<std::size_t>(i)]);
  j.Close(']');
  j.Key("wav").Open('[');
  for (int i = 0; i < g.tick.wavCount; ++i) j.Str(g.tick.wav[static_cast<std::size_t>(i)]);
  j.Close(']');
  j.Key("music").Open('[');
  for (int i = 0; i < g.tick.musicCount; ++i) j.Str(g.tick.music[static_cast<std::size_t>(i)]);
  j.Close(']');
  j.Close('}');
  return j.Take();
}

std::string FinalObject(const Shooter& g, std::int64_t t) {
  const GameState& s = g.st;
  Json j;
  j.Open('{');
  j.Key("t").Int(t);
  j.Key("caption").Str(g.window.Caption());
  j.Key("layers").Open('{');
  j.Key("menu").Int(s.MenuLayerOn);
  j.Key("remap").Int(s.RemapLayerOn);
  j.Key("game").Int(s.GameLayerOn);
  j.Key("play").Int(s.PlayLayerOn);
  j.Key("pause").Int(s.PauseLayerOn);
  j.Close('}');
  j.Key("menu").Open('{');
  j.Key("first").Int(s.MenuFirst);
  j.Key("last").Int(s.MenuLast);
  j.Key("sel").Int(s.MenuSel);
  j.Key("captions").Open('[');
  for (const ui::Label* l : g.menus.menu) j.Str(l->Caption());
  j.Close(']');
  j.Close('}');
  j.Key("equip").IntArray(s.Equip);
  j.Key("wbox").Open('[');
  for (const ui::Label* l : g.menus.WBox) j.Str(l->Caption());
  j.Close(']');
  j.Key("keys").IntArray(s.KeyCodes);
  j.Key("volumes").IntArray(s.Volumes);
  j.Key("gameinit").Int(s.GameInitialised);
  j.Key("quit").Bool(g.quit);
  j.Key("nowep").Str(g.settings.nowep != nullptr ? std::string_view(*g.settings.nowep) : std::string_view());
  j.Close('}');
  return j.Take();
}

}  // namespace kv::headless
