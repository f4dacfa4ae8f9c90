#pragma once
// The short effects of the shooters and the submarine game, synthesised.
#include "tools/artgen/synth.h"

namespace kv::artgen {

Samples MenuBlip();        // a menu move or choice
Samples ConfigChirp();     // an equipment choice changing
Samples PowerUpSparkle();  // a rising run of bright notes
Samples WarningSiren();    // a two-tone alarm
Samples StartupWhine();    // engines spooling up
Samples Explosion(float seconds, float depth, std::uint32_t seed);  // depth 0 crisp .. 1 deep and long
Samples SpecialZap();      // the special weapon's charge and discharge
Samples MetalHit();        // a bomb striking the ship
Samples SonarHorn();       // the boss submarine surfacing
Samples BossLaunch();      // the boss firing its bombs

}  // namespace kv::artgen
