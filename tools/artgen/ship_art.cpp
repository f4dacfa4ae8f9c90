#include "tools/artgen/ship_art.h"

#include <cmath>

#include "tools/artgen/shading.h"
#include "tools/artgen/shapes.h"

namespace kv::artgen {
namespace {

Frame FrameFor(int w, int h, bool up) {
  const float sy = static_cast<float>(h) / 2;
  return {static_cast<float>(w) / 2, static_cast<float>(h) / 2, static_cast<float>(w) / 2, up ? sy : -sy};
}

// Flames from nozzles at drawing point (u, v), pointing away from the nose.
void Flame(Canvas& c, const Frame& f, float u, float v, float width, float length) {
  if (length <= 0) return;
  const Pt base = f(u, v);
  const Pt tip = f(u, v + length);
  const float rx = std::abs(f.sx) * width;
  const float ry = std::abs(tip.y - base.y);
  const Pt mid{base.x, (base.y + tip.y) / 2};
  GlowEllipse(c, mid, rx * 2.2f, ry * 0.9f + 1, Hex(0xFF6010), 0.9f);
  FillFlat(c, Ellipse{mid, rx, ry / 2 + 0.5f}, Hex(0xFFA030), 0.9f);
  FillFlat(c, Ellipse{{base.x, base.y + (tip.y - base.y) * 0.3f}, rx * 0.55f, ry * 0.3f + 0.5f}, Hex(0xFFF4C0));
}

void Canopy(Canvas& c, const Frame& f, Pt at, float rx, float ry, std::uint32_t glass) {
  const Pt p = f(at);
  const float prx = rx * std::abs(f.sx), pry = ry * std::abs(f.sy);
  Fill(c, Ellipse{p, prx, pry}, [&](float x, float y) {
    return SphereLight(p, std::max(prx, pry), x, y, Hex(glass), Hex(0xE0F8FF));
  });
}

}  // namespace

Image DrawJet(const JetLook& look, int w, int h) {
  Canvas c(w, h);
  const Frame f = FrameFor(w, h, look.facingUp);
  const float axis = static_cast<float>(w) / 2;
  const float half = static_cast<float>(w) / 2;
  // Engines first, so the hull covers the flames' roots.
  Flame(c, f, -0.22f, 0.42f, 0.09f, 0.55f * look.flame);
  Flame(c, f, 0.22f, 0.42f, 0.09f, 0.55f * look.flame);
  const Rgb hull = Hex(look.hull), trim = Hex(look.trim);
  // Wings: swept back from the middle of the body to tips near the tail.
  Fill(c, MirroredPoly(f, {{0.12f, -0.35f}, {0.55f, 0.05f}, {0.97f, 0.28f}, {0.97f, 0.46f}, {0.55f, 0.36f}, {0.12f, 0.38f}}),
       [&](float x, float y) {
         const float k = 0.85f + 0.15f * std::sin(y * 0.7f);
         return HullLight(axis, half * 1.1f, x, hull * k);
       });
  // Wing stripes and the fins on the tips.
  for (float s : {-1.0f, 1.0f}) {
    FillFlat(c, Poly(f, {{0.45f * s, 0.02f}, {0.8f * s, 0.22f}, {0.8f * s, 0.3f}, {0.45f * s, 0.12f}}), trim * 0.95f);
    Fill(c, Poly(f, {{0.86f * s, 0.05f}, {0.99f * s, 0.3f}, {0.99f * s, 0.5f}, {0.86f * s, 0.42f}}),
         [&](float x, float) { return HullLight(axis, half, x, trim); });
  }
  // Engine pods under the wings' roots.
  for (float s : {-1.0f, 1.0f}) {
    Fill(c, Poly(f, {{0.14f * s, 0.05f}, {0.32f * s, 0.08f}, {0.32f * s, 0.46f}, {0.12f * s, 0.46f}}),
         [&](float x, float) { return HullLight(f(0.22f * s, 0).x, std::abs(f.sx) * 0.12f, x, hull * 0.75f); });
  }
  // The body, a long pointed fuselage.
  Fill(c, MirroredPoly(f, {{0.0f, -0.98f}, {0.1f, -0.7f}, {0.17f, -0.25f}, {0.18f, 0.3f}, {0.12f, 0.55f}}),
       [&](float x, float) { return HullLight(axis, std::abs(f.sx) * 0.2f, x, hull * 1.1f); });
  Canopy(c, f, {0.0f, -0.38f}, 0.075f, 0.2f, look.canopy);
  return c.ToImage();
}

Image DrawFighter(std::uint32_t hullColour, std::uint32_t trimColour, int w, int h) {
  Canvas c(w, h);
  const Frame f = FrameFor(w, h, false);
  const float axis = static_cast<float>(w) / 2;
  const Rgb hull = Hex(hullColour), trim = Hex(trimColour);
  Flame(c, f, -0.12f, 0.55f, 0.08f, 0.35f);
  Flame(c, f, 0.12f, 0.55f, 0.08f, 0.35f);
  // Forward-swept blades, then the stubby body and a single eye of a cockpit.
  Fill(c, MirroredPoly(f, {{0.1f, -0.1f}, {0.7f, -0.75f}, {0.97f, -0.9f}, {0.85f, -0.4f}, {0.55f, 0.3f}, {0.15f, 0.45f}}),
       [&](float x, float y) { return HullLight(axis, axis * 1.1f, x, hull * (0.8f + 0.2f * std::sin(y))); });
  for (float s : {-1.0f, 1.0f}) {
    FillFlat(c, Poly(f, {{0.6f * s, -0.58f}, {0.9f * s, -0.82f}, {0.84f * s, -0.55f}, {0.62f * s, -0.4f}}), trim);
  }
  Fill(c, MirroredPoly(f, {{0.0f, -0.98f}, {0.14f, -0.75f}, {0.22f, -0.1f}, {0.18f, 0.6f}}),
       [&](float x, float) { return HullLight(axis, std::abs(f.sx) * 0.22f, x, hull * 1.1f); });
  Canopy(c, f, {0.0f, -0.2f}, 0.1f, 0.16f, 0x301010);
  FillFlat(c, Circle{f(0.0f, -0.24f), std::abs(f.sx) * 0.05f}, Hex(0xFFE060));
  return c.ToImage();
}

Image DrawGunship(std::uint32_t hullColour, std::uint32_t trimColour, int w, int h) {
  Canvas c(w, h);
  const Frame f = FrameFor(w, h, false);
  const float axis = static_cast<float>(w) / 2;
  const Rgb hull = Hex(hullColour), trim = Hex(trimColour), steel = Hex(0x8A8F98);
  Flame(c, f, 0.0f, 0.62f, 0.1f, 0.33f);
  for (float s : {-1.0f, 1.0f}) {
    Flame(c, f, 0.74f * s, 0.55f, 0.07f, 0.3f);
    // A strut from the hull to each gun pod.
    Fill(c, Poly(f, {{0.2f * s, -0.15f}, {0.65f * s, -0.05f}, {0.65f * s, 0.15f}, {0.2f * s, 0.25f}}),
         [&](float x, float) { return HullLight(axis, axis, x, steel * 0.8f); });
    // The pod with its long gun barrel pointing at the player.
    const Pt podC = f(0.74f * s, 0.05f);
    Fill(c, Ellipse{podC, std::abs(f.sx) * 0.19f, std::abs(f.sy) * 0.5f}, [&](float x, float) {
      return HullLight(podC.x, std::abs(f.sx) * 0.19f, x, hull);
    });
    FillFlat(c, Capsule{f(0.74f * s, -0.4f), f(0.74f * s, -0.95f), std::abs(f.sx) * 0.05f}, steel * 0.9f);
    FillFlat(c, Poly(f, {{0.6f * s, 0.2f}, {0.88f * s, 0.2f}, {0.86f * s, 0.3f}, {0.62f * s, 0.3f}}), trim);
  }
  // The central hull in three plates.
  Fill(c, MirroredPoly(f, {{0.0f, -0.85f}, {0.18f, -0.7f}, {0.3f, -0.2f}, {0.28f, 0.45f}, {0.14f, 0.7f}}),
       [&](float x, float y) {
         const float plate = std::fmod(std::abs(y - f.cy) / std::abs(f.sy) + 0.2f, 0.45f) < 0.04f ? 0.55f : 1.0f;
         return HullLight(axis, std::abs(f.sx) * 0.3f, x, hull * plate);
       });
  FillFlat(c, Poly(f, {{-0.14f, 0.25f}, {0.14f, 0.25f}, {0.1f, 0.4f}, {-0.1f, 0.4f}}), trim);
  Canopy(c, f, {0.0f, -0.35f}, 0.09f, 0.16f, 0x202838);
  return c.ToImage();
}

Image DrawHeavy(std::uint32_t hullColour, std::uint32_t coreColour, int w, int h) {
  Canvas c(w, h);
  const Frame f = FrameFor(w, h, false);
  const float axis = static_cast<float>(w) / 2;
  const Rgb hull = Hex(hullColour), core = Hex(coreColour);
  for (float s : {-0.55f, 0.0f, 0.55f}) Flame(c, f, s, 0.7f, 0.08f, 0.28f);
  // Broad armour: a blunt wedge with shoulder plates and two prongs forward.
  Fill(c, MirroredPoly(f, {{0.0f, -0.65f}, {0.3f, -0.72f}, {0.42f, -0.98f}, {0.55f, -0.95f}, {0.62f, -0.45f},
                           {0.97f, -0.2f}, {0.97f, 0.35f}, {0.7f, 0.72f}, {0.3f, 0.78f}, {0.0f, 0.7f}}),
       [&](float x, float y) {
         const float v = (y - f.cy) / std::abs(f.sy);
         const float seam = std::abs(std::abs(x - axis) / std::abs(f.sx) - 0.62f) < 0.03f ? 0.6f : 1.0f;
         return HullLight(axis, std::abs(f.sx) * 1.05f, x, hull * (seam * (0.85f + 0.15f * v)));
       });
  for (float s : {-1.0f, 1.0f}) {
    Fill(c, Poly(f, {{0.68f * s, -0.1f}, {0.92f * s, 0.05f}, {0.92f * s, 0.3f}, {0.68f * s, 0.45f}}),
         [&](float x, float) { return HullLight(f(0.8f * s, 0).x, std::abs(f.sx) * 0.15f, x, hull * 1.2f); });
  }
  // The red core glowing in its socket.
  const Pt mid = f(0.0f, 0.05f);
  const float r = std::abs(f.sx) * 0.3f;
  FillFlat(c, Circle{mid, r * 1.25f}, hull * 0.35f);
  Fill(c, Circle{mid, r}, [&](float x, float y) { return SphereLight(mid, r, x, y, core, Hex(0xFFE0C0)); });
  Glow(c, mid, r * 1.8f, core * 0.9f, 0.7f);
  return c.ToImage();
}

Image DrawTallShip(int w, int h) {
  Canvas c(w, h);
  const Frame f = FrameFor(w, h, false);
  const float axis = static_cast<float>(w) / 2;
  const Rgb hull = Hex(0x3A3F4E), edge = Hex(0x8070A0);
  for (float s : {-0.3f, 0.3f}) Flame(c, f, s, 0.82f, 0.06f, 0.16f);
  // A tall dark dagger of a ship with long side blades and a violet eye of a bridge.
  for (float s : {-1.0f, 1.0f}) {
    Fill(c, Poly(f, {{0.3f * s, -0.3f}, {0.98f * s, -0.7f}, {0.9f * s, -0.2f}, {0.7f * s, 0.5f}, {0.35f * s, 0.65f}}),
         [&](float x, float) { return HullLight(axis, std::abs(f.sx), x, hull * 0.9f); });
    FillFlat(c, Capsule{f(0.4f * s, -0.32f), f(0.93f * s, -0.65f), 1.2f}, edge);
    FillFlat(c, Capsule{f(0.62f * s, -0.45f), f(0.62f * s, -0.98f), std::abs(f.sx) * 0.04f}, Hex(0x606878));
  }
  Fill(c, MirroredPoly(f, {{0.0f, -0.99f}, {0.12f, -0.8f}, {0.3f, -0.1f}, {0.34f, 0.7f}, {0.2f, 0.9f}}),
       [&](float x, float y) {
         const float band = std::fmod((y - f.cy) / std::abs(f.sy) + 2, 0.25f) < 0.02f ? 0.5f : 1.0f;
         return HullLight(axis, std::abs(f.sx) * 0.34f, x, hull * band);
       });
  FillFlat(c, Capsule{f(0.0f, -0.85f), f(0.0f, 0.6f), 1.0f}, edge * 0.8f);
  const Pt eye = f(0.0f, 0.1f);
  Fill(c, Ellipse{eye, std::abs(f.sx) * 0.12f, std::abs(f.sy) * 0.06f},
       [&](float x, float y) { return SphereLight(eye, std::abs(f.sx) * 0.12f, x, y, Hex(0xB040FF), Hex(0xFFFFFF)); });
  Glow(c, eye, std::abs(f.sx) * 0.3f, Hex(0x8020FF), 0.6f);
  return c.ToImage();
}

}  // namespace kv::artgen
