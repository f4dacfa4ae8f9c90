#pragma once
// The charge bars and repair gauges of the status panel. Their widths carry game state: a bar
// is full when its width equals its capacity. The widths are kept in twips, exactly, and shown
// in whole pixels (rounded down); a growth that would pass the full width ends exactly at it, so that a bar
// always reaches its capacity (394 is no whole number of pixels, and 615 no multiple of 12).
#include "shooter/frontend/shooter.h"

namespace kv::shooter {

enum class Bar : int {
  ShieldCharge,     // BAR_SHD_C
  ShieldRecharge,   // BAR_SHD_R
  SpecialCharge,    // BAR_SPE_C
  SpecialRecharge,  // BAR_SPE_R
  MainGunGauge,     // Stt_MGUN_R
  SideGunGauge,     // Stt_SGUN_R
  EngineGauge,      // Stt_ENG_R
  GeneratorGauge,   // Stt_PWR_R
};

inline constexpr int kGaugeFull = 615;

ui::Element& BarElement(Shooter& g, Bar bar);
int BarWidth(const Shooter& g, Bar bar);
// Sets the exact width; the element shows it in whole pixels, or exactly when it is full.
void SetBarWidth(Shooter& g, Bar bar, int twips);
// Widens a bar by `step` twips; a step that would pass `full` ends exactly at it.
void GrowBar(Shooter& g, Bar bar, int step, int full);

}  // namespace kv::shooter
