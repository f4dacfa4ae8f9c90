#pragma once
// The main game's script: the opening, the radio lines, voices, music and boss names.
#include <array>

#include "shooter/content/script.h"

namespace kv::shooter {

// Sorted by section, then key; events of a key in the order they happen.
inline constexpr auto kMainScript = std::to_array<ScriptEvent>({
    {kActI, 1, Op::ParkShip},
    {kActI, 20, Op::Music, "track2.mp3"},
    {kActI, 20, Op::Message, " MISSION START ", 0, 1},
    {kActI, 20, Op::FlyIn},
    {kActI, 20, Op::Sfx, {}, 5},
    {kActI, 45, Op::EndFlyIn},
    {kActI, 90, Op::Message, "> HQ: GOOD LUCK AND GOD SPEED KORVANE ", 0, 0},
    {kActI, 110, Op::Sfx, {}, 6},
    {kActI, 150, Op::HandOver},
    {kActI, 150, Op::Sfx, {}, 4},
    {kActI, 170, Op::Message, " ACT I ", 0, 0},
    {kActI, 170, Op::Wave, "\\act1.wav"},
    {kActI, 170, Op::Spawns},
    {kActI, 1170, Op::Message, " ROZEVU RERO: YOU SHALL DIE ", 2, 2},
    {kActI, 1170, Op::Wave, "\\enemy1.wav"},
    {kActI, 1250, Op::BossName, "BOSS I"},
    {kActI, 1250, Op::Spawns},
    {kActII, 50, Op::Message, " ACT II ", 0, 0},
    {kActII, 50, Op::Wave, "\\act2.wav"},
    {kActII, 50, Op::Spawns},
    {kActII, 370, Op::Message, " ROZEVU RERO: YOU WILL DIE KORVANE! ", 2, 2},
    {kActII, 370, Op::Wave, "\\enemy2.wav"},
    {kActII, 780, Op::Message, "> HQ: HANG IN THERE! ", 0, 0},
    {kActII, 1150, Op::Message, "> HQ: OH MY GOD NO! ", 0, 0},
    {kActII, 1420, Op::BossName, "BOSS II"},
    {kActII, 1420, Op::Spawns},
    {kActIII, 60, Op::Message, " ACT III ", 0, 0},
    {kActIII, 60, Op::Music, "track1.mp3"},
    {kActIII, 60, Op::Wave, "\\act3.wav"},
    {kActIII, 60, Op::Spawns},
    {kActIII, 780, Op::Message, "> HQ: A SHIP JUST LIKE US IS UP AHEAD..ITS VADIR ER! ", 0, 0},
    {kActIII, 860, Op::Message, " VADIR ER: LETS FINISH THIS ONCE AND FOR ALL.. ", 3, 0},
    {kActIII, 860, Op::Wave, "\\enemy3.wav"},
    {kActIII, 950, Op::BossName, "VADIR ER"},
    {kActIII, 950, Op::Spawns},
    {kActIV, 20, Op::Message, " ACT IV ", 0, 0},
    {kActIV, 20, Op::Wave, "\\act4.wav"},
    {kActIV, 20, Op::Spawns},
    {kActIV, 100, Op::Message, "> HQ: KORVANE WATCH OUT!", 0, 0},
    {kActIV, 100, Op::Spawns},
    {kActIV, 250, Op::Message, "> HQ: ITS NOT OVER YET", 0, 0},
    {kActIV, 1000, Op::Message, "> HQ: BREAK THROUGH KORVANE!", 0, 0},
    {kActIV, 1260, Op::Spawns},
    {kActIV, 1260, Op::Message, " ROZEVU RERO: BEHOLD MY CREATION ", 2, 2},
    {kActIV, 1260, Op::Wave, "\\enemy4.wav"},
    {kActIV, 1330, Op::BossName, "BOSS IV"},
    {kActIV, 1330, Op::Spawns},
    {kFinalAct, 60, Op::Message, " FINAL ACT", 0, 0},
    {kFinalAct, 60, Op::Wave, "\\act5.wav"},
    {kFinalAct, 130, Op::Message, " HQ: THIS IS IT KORVANE", 0, 0},
    {kFinalAct, 1570, Op::Message, " ROZEVU RERO: END OF LINE HUMAN ", 2, 2},
    {kFinalAct, 1570, Op::Wave, "\\enemy2.wav"},
    {kFinalAct, 1650, Op::BossName, "ROZEVU RERO"},
    {kFinalAct, 1650, Op::Spawns},
    {kEnd, 1, Op::Victory},
});

}  // namespace kv::shooter
