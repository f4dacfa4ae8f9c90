#include "shooter/content/timeline.h"

#include <algorithm>

#include "shooter/content/spawn_lists.h"
#include "shooter/core/enemies.h"
#include "shooter/frontend/hud.h"
#include "shooter/frontend/mission.h"
#include "shooter/frontend/shooter.h"
#include "shooter/frontend/sound.h"

namespace kv::shooter {

namespace {

template <class Line>
std::span<const Line> EntryOf(std::span<const Line> lines, Section section, i64 key) {
  struct Key {
    Section section;
    i64 key;
  };
  auto less = [](const auto& a, const auto& b) {
    return a.section < b.section || (a.section == b.section && a.key < b.key);
  };
  const Key k{section, key};
  const auto lo = std::lower_bound(lines.begin(), lines.end(), k, less);
  const auto hi = std::upper_bound(lo, lines.end(), k, less);
  return {lo, hi};
}

int Draw(Shooter& g, const SpawnValue& v) { return v.random ? static_cast<int>(g.rng.R(v.a, v.b)) : v.b; }

// One enemy of a set; the random values are drawn in the order sprite, bullet kind, x, speed,
// hit points, fire pattern.
int SpawnFromSet(Shooter& g, SetId id, int xSpec) {
  const SpawnSet& set = kSpawnSets[static_cast<std::size_t>(id)];
  const int sprite = Draw(g, set.sprite);
  const int bulletKind = Draw(g, set.bulletKind);
  int x = xSpec;
  if (xSpec == kAsteroidX) x = static_cast<int>(g.rng.R(4820, 820));
  if (xSpec == kRandomX) x = static_cast<int>(g.rng.R(3800, 800));
  const int speed = Draw(g, set.speed);
  const int hp = Draw(g, set.hitPoints);
  const int pattern = Draw(g, set.firePattern);
  return SpawnEnemy(g, {sprite, bulletKind, x, set.y, set.behaviour, speed, hp, set.scoreValue, pattern,
                        set.boss ? kTrue : 0, set.dropsPowerUp ? kTrue : 0});
}

void RunSpawns(Shooter& g, std::span<const SpawnLine> lines) {
  for (const SpawnLine& line : lines) {
    for (int i = 0; i < line.count; ++i) {
      const int slot = SpawnFromSet(g, line.set, line.x);
      if (slot < 0 && kSpawnSets[static_cast<std::size_t>(line.set)].boss) {
        // The act cannot end without its boss: it waits for the first free slot.
        g.st.WaitingBossSet = static_cast<i16>(line.set);
        g.st.WaitingBossX = static_cast<i16>(line.x);
      }
    }
  }
}

void RunEvent(Shooter& g, const ScriptEvent& e, std::span<const SpawnLine> spawns) {
  GameState& s = g.st;
  switch (e.op) {
    case Op::ParkShip:
      s.ShipLocked = kTrue;
      s.ShipX = 2800;
      s.ShipY = 8000;
      break;
    case Op::FlyIn:
      s.AutoPilot = kTrue;
      s.MoveKeys[1] = kTrue;
      break;
    case Op::EndFlyIn: s.MoveKeys[1] = 0; break;
    case Op::HandOver:
      g.hud.Stats_Bar->Visible = true;
      s.StatsBarMove = 2;
      s.ShipLocked = 0;
      s.AutoPilot = 0;
      break;
    case Op::Message: ShowMessage(g, e.text, e.a, e.b); break;
    case Op::Music: PlayMusic(g, e.text); break;
    case Op::Wave: Playwav(g, e.text); break;
    case Op::Sfx: PlaySfx(g, e.a); break;
    case Op::BossName: g.hud.Boss_Name->SetCaption(e.text); break;
    case Op::Spawns: RunSpawns(g, spawns); break;
    case Op::Victory:
      s.LastBossDestroyed = kTrue;
      WriteReport(g);
      s.FrameCount = -400;
      break;
  }
}

// Runs the entry of a section at a key; false when the script has none there.
bool RunEntry(Shooter& g, Section section, i64 key) {
  const auto events = EntryOf(g.def.script, section, key);
  const auto spawns = EntryOf(std::span<const SpawnLine>(kSpawnLines), section, key);
  if (events.empty() && spawns.empty()) return false;
  if (events.empty()) {
    RunSpawns(g, spawns);
  } else {
    for (const ScriptEvent& e : events) RunEvent(g, e, spawns);
  }
  return true;
}

// The section after a boss kill runs while the next entries of BossKillFrames are still 0.
bool SectionActive(const GameState& s, int killed) {
  if (s.BossKillFrames[static_cast<std::size_t>(killed)] < 2) return false;
  for (std::size_t later = static_cast<std::size_t>(killed) + 1; later < s.BossKillFrames.size(); ++later) {
    if (s.BossKillFrames[later] != 0) return false;
  }
  return true;
}

}  // namespace

void RunTimeline(Shooter& g) {
  GameState& s = g.st;
  if (s.WaitingBossSet >= 0 && SpawnFromSet(g, static_cast<SetId>(s.WaitingBossSet), s.WaitingBossX) >= 0) {
    s.WaitingBossSet = -1;
  }
  if (s.FrameCount > 0 && RunEntry(g, kActI, s.FrameCount)) return;
  constexpr Section kAfterKill[] = {kActII, kActIII, kActIV, kFinalAct, kEnd};
  for (int killed = 0; killed < 5; ++killed) {
    if (!SectionActive(s, killed)) continue;
    const i64 clock = static_cast<i64>(s.FrameCount) - s.BossKillFrames[static_cast<std::size_t>(killed)];
    if (clock > 0) RunEntry(g, kAfterKill[killed], clock);
  }
}

}  // namespace kv::shooter
