#include "shooter/frontend/hud_bars.h"

#include <algorithm>

namespace kv::shooter {

ui::Element& BarElement(Shooter& g, Bar bar) {
  Hud& h = g.hud;
  switch (bar) {
    case Bar::ShieldCharge: return *h.BAR_SHD_C;
    case Bar::ShieldRecharge: return *h.BAR_SHD_R;
    case Bar::SpecialCharge: return *h.BAR_SPE_C;
    case Bar::SpecialRecharge: return *h.BAR_SPE_R;
    case Bar::MainGunGauge: return *h.Stt_MGUN_R;
    case Bar::SideGunGauge: return *h.Stt_SGUN_R;
    case Bar::EngineGauge: return *h.Stt_ENG_R;
    case Bar::GeneratorGauge: return *h.Stt_PWR_R;
  }
  return *h.BAR_SHD_C;
}

static int FullWidth(const Shooter& g, Bar bar) {
  switch (bar) {
    case Bar::ShieldCharge:
    case Bar::ShieldRecharge: return g.st.ShieldCapacity;
    case Bar::SpecialCharge:
    case Bar::SpecialRecharge: return g.st.SpecialCapacity;
    default: return kGaugeFull;
  }
}

int BarWidth(const Shooter& g, Bar bar) { return g.hud.barTwips[static_cast<std::size_t>(bar)]; }

void SetBarWidth(Shooter& g, Bar bar, int twips) {
  g.hud.barTwips[static_cast<std::size_t>(bar)] = Wrap16(twips);
  const int exact = BarWidth(g, bar);
  // Whole pixels, rounded down, so that a bar never looks full before it is.
  const int pixels = exact >= 0 ? exact / ui::kTwipsPerPixel : -((-exact + ui::kTwipsPerPixel - 1) / ui::kTwipsPerPixel);
  BarElement(g, bar).Width = exact >= FullWidth(g, bar) ? exact : pixels * ui::kTwipsPerPixel;
}

void GrowBar(Shooter& g, Bar bar, int step, int full) {
  const int w = BarWidth(g, bar);
  if (step > 0) SetBarWidth(g, bar, std::min(w + step, full));
}

}  // namespace kv::shooter
