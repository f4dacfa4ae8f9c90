#pragma once
// The shapes the art is built from: each tells its pixel bounds and whether a point lies inside.
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "tools/artgen/canvas.h"

namespace kv::artgen {

inline Box BoundsOf(float x0, float y0, float x1, float y1) {
  return {static_cast<int>(std::floor(x0)) - 1, static_cast<int>(std::floor(y0)) - 1,
          static_cast<int>(std::ceil(x1)) + 1, static_cast<int>(std::ceil(y1)) + 1};
}

struct Circle {
  Pt c;
  float r;
  Box Bounds() const { return BoundsOf(c.x - r, c.y - r, c.x + r, c.y + r); }
  bool Contains(float x, float y) const { return (x - c.x) * (x - c.x) + (y - c.y) * (y - c.y) <= r * r; }
};

// An ellipse turned by `angle` radians.
struct Ellipse {
  Pt c;
  float rx, ry;
  float angle = 0;
  Box Bounds() const {
    const float m = std::max(rx, ry);
    return BoundsOf(c.x - m, c.y - m, c.x + m, c.y + m);
  }
  bool Contains(float x, float y) const {
    const float cs = std::cos(angle), sn = std::sin(angle);
    const float dx = x - c.x, dy = y - c.y;
    const float u = (dx * cs + dy * sn) / rx, v = (-dx * sn + dy * cs) / ry;
    return u * u + v * v <= 1;
  }
};

struct Ring {
  Pt c;
  float inner, outer;
  Box Bounds() const { return BoundsOf(c.x - outer, c.y - outer, c.x + outer, c.y + outer); }
  bool Contains(float x, float y) const {
    const float d2 = (x - c.x) * (x - c.x) + (y - c.y) * (y - c.y);
    return d2 <= outer * outer && d2 >= inner * inner;
  }
};

// A line of the given half-width with round ends.
struct Capsule {
  Pt a, b;
  float r;
  Box Bounds() const {
    return BoundsOf(std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r, std::max(a.y, b.y) + r);
  }
  bool Contains(float x, float y) const {
    const float vx = b.x - a.x, vy = b.y - a.y;
    const float len2 = vx * vx + vy * vy;
    float t = len2 > 0 ? ((x - a.x) * vx + (y - a.y) * vy) / len2 : 0;
    t = std::clamp(t, 0.0f, 1.0f);
    const float px = a.x + vx * t - x, py = a.y + vy * t - y;
    return px * px + py * py <= r * r;
  }
};

// A closed polygon, filled by the even-odd rule.
struct Polygon {
  std::vector<Pt> pts;
  Box Bounds() const {
    float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
    for (const Pt& p : pts) {
      x0 = std::min(x0, p.x);
      y0 = std::min(y0, p.y);
      x1 = std::max(x1, p.x);
      y1 = std::max(y1, p.y);
    }
    return BoundsOf(x0, y0, x1, y1);
  }
  bool Contains(float x, float y) const {
    bool in = false;
    for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
      const Pt& a = pts[i];
      const Pt& b = pts[j];
      if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
  }
};

// Maps a drawing made in its own units (u to the right, v down, the centre at 0, 0) onto pixels.
struct Frame {
  float cx, cy;  // pixel position of the drawing's centre
  float sx, sy;  // pixels per unit
  Pt operator()(float u, float v) const { return {cx + u * sx, cy + v * sy}; }
  Pt operator()(Pt p) const { return (*this)(p.x, p.y); }
};

// The polygon through the given drawing points.
inline Polygon Poly(const Frame& f, std::initializer_list<Pt> pts) {
  Polygon p;
  for (const Pt& q : pts) p.pts.push_back(f(q));
  return p;
}

// A shape symmetric about the drawing's vertical axis, from its right half listed top to bottom.
inline Polygon MirroredPoly(const Frame& f, std::initializer_list<Pt> rightHalf) {
  Polygon p;
  for (const Pt& q : rightHalf) p.pts.push_back(f(q));
  const std::vector<Pt> half(rightHalf);
  for (auto it = half.rbegin(); it != half.rend(); ++it) p.pts.push_back(f(-it->x, it->y));
  return p;
}

}  // namespace kv::artgen
