#pragma once
// The head-up display: status panel, score box, special banner, boss bar and message log.
#include <string_view>

#include "shooter/frontend/shooter.h"

namespace kv::shooter {

void ResetHud(Shooter& g);
// The four charge bars at Left 540, Tops 30, 90, 270, 330, 2175 wide and 75 high.
void PlaceChargeBars(Shooter& g);
// colour: 0 white, 1 light grey, 2 red, 3 orange, other keeps the colour; background 1 red, else black.
void ShowMessage(Shooter& g, std::string_view text, int colour, int background);
void HudPanelStep(Shooter& g);
void MessageLogStep(Shooter& g);
void ShieldHit(Shooter& g);
void DamagePart(Shooter& g);
void WeaponLevel(Shooter& g, int which, int up);
void EnemyDown(Shooter& g, int index);
// The score box: the score with zeros in front up to six digits.
void ShowScore(Shooter& g);
// The boss bar shows the boss's hit points left.
void SetBossBar(Shooter& g, const Enemy& e);

}  // namespace kv::shooter
