#pragma once
// The extra game's script: the same spawns at the same keys as the main game, its own lines.
// It has no radio lines from headquarters and no villain lines before the last boss.
#include <array>

#include "shooter/content/script.h"

namespace kv::shooter {

inline constexpr auto kExtraScript = std::to_array<ScriptEvent>({
    {kActI, 1, Op::ParkShip},
    {kActI, 20, Op::Music, "track1.mp3"},
    {kActI, 20, Op::Message, " REVENGE START ", 0, 1},
    {kActI, 20, Op::FlyIn},
    {kActI, 20, Op::Sfx, {}, 5},
    {kActI, 45, Op::EndFlyIn},
    {kActI, 90, Op::Message, "> VADIR ER: I WILL MAKE YOU SUFFER  ", 3, 0},
    {kActI, 90, Op::Wave, "\\enemy3.wav"},
    {kActI, 110, Op::Sfx, {}, 6},
    {kActI, 150, Op::HandOver},
    {kActI, 150, Op::Sfx, {}, 4},
    {kActI, 170, Op::Message, " ACT I ", 0, 0},
    {kActI, 170, Op::Wave, "\\act1.wav"},
    {kActI, 170, Op::Spawns},
    {kActI, 1250, Op::BossName, "TARGET I"},
    {kActI, 1250, Op::Spawns},
    {kActII, 50, Op::Message, " ACT II ", 0, 0},
    {kActII, 50, Op::Wave, "\\act2.wav"},
    {kActII, 50, Op::Spawns},
    {kActII, 1420, Op::BossName, "TARGET II"},
    {kActII, 1420, Op::Spawns},
    {kActIII, 60, Op::Message, " ACT III ", 0, 0},
    {kActIII, 60, Op::Music, "track2.mp3"},
    {kActIII, 60, Op::Wave, "\\act3.wav"},
    {kActIII, 60, Op::Spawns},
    {kActIII, 950, Op::BossName, "TARGET III"},
    {kActIII, 950, Op::Spawns},
    {kActIV, 20, Op::Message, " ACT IV ", 0, 0},
    {kActIV, 20, Op::Wave, "\\act4.wav"},
    {kActIV, 20, Op::Spawns},
    {kActIV, 1330, Op::BossName, "TARGET IV"},
    {kActIV, 1330, Op::Spawns},
    {kFinalAct, 60, Op::Message, " FINAL ACT", 0, 0},
    {kFinalAct, 60, Op::Wave, "\\act5.wav"},
    {kFinalAct, 1570, Op::Message, " VADIR ER: NOW YOU DIE CAPTAIN ", 3, 0},
    {kFinalAct, 1570, Op::Wave, "\\enemy4.wav"},
    {kFinalAct, 1650, Op::BossName, "CAPTAIN 'K"},
    {kFinalAct, 1650, Op::Spawns},
    {kEnd, 1, Op::Victory},
});

}  // namespace kv::shooter
