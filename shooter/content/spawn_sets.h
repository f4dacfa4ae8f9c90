#pragma once
// The spawn sets of the stage scripts: named bundles of every spawn argument but x.
// A value is fixed, or R(a, b): rnd x a + b rounded half to even, drawn anew for each enemy.
#include <array>

namespace kv::shooter {

struct SpawnValue {
  int a;  // random range, or 0 for a fixed value
  int b;  // the fixed value, or the random base
  bool random;
};

constexpr SpawnValue V(int v) { return {0, v, false}; }
constexpr SpawnValue R(int a, int b) { return {a, b, true}; }

struct SpawnSet {
  SpawnValue sprite;
  SpawnValue bulletKind;
  int y;
  int behaviour;
  SpawnValue speed;
  SpawnValue hitPoints;
  int scoreValue;
  SpawnValue firePattern;
  bool boss;
  bool dropsPowerUp;
};

enum SetId : int {
  F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12, F13, F14, F15, F16, F17, F18, F19, F20,
  G1, G2, G3, G4, G5, G6, G7, G8, G9, G10,
  P1, P2, P3, P4, P5, P6,
  H1, H2, H3,
  S1, S2, S3,
  A1, A2, A3, A4, A5, A6,
  B1, B2, B3, B4, B5,
  kSetCount
};

inline constexpr std::array<SpawnSet, kSetCount> kSpawnSets{{
    // Fighters (list 25).
    {V(25), V(11), 0, 88, V(50), V(40), 50, V(1), false, false},     // F1
    {V(25), V(11), 0, 86, V(40), V(50), 50, V(1), false, false},     // F2
    {V(25), V(11), 0, 88, V(70), V(60), 50, V(2), false, false},     // F3
    {V(25), V(11), 0, 88, V(70), V(60), 50, V(3), false, false},     // F4
    {V(25), V(11), 0, 88, V(70), V(60), 50, V(4), false, false},     // F5
    {V(25), V(11), 0, 88, V(30), V(40), 50, V(1), false, false},     // F6
    {V(25), V(11), 0, 86, V(40), V(40), 50, V(1), false, false},     // F7
    {V(25), V(11), 0, 84, V(40), V(40), 50, V(1), false, false},     // F8
    {V(25), V(11), 0, 821, V(100), V(60), 75, V(2), false, false},   // F9
    {V(25), V(11), 0, 81, V(45), V(60), 75, V(1), false, false},     // F10
    {V(25), V(11), 0, 821, V(100), V(60), 75, V(1), false, false},   // F11
    {V(25), V(11), 0, 86, V(70), V(150), 100, V(1), false, false},   // F12
    {V(25), V(11), 0, 84, V(70), V(150), 100, V(1), false, false},   // F13
    {V(25), V(11), 0, 88, V(90), V(90), 60, V(1), false, false},     // F14
    {V(25), V(11), 10, 88, V(90), V(120), 80, V(1), false, false},   // F15
    {V(25), V(11), 0, 88, V(90), V(120), 80, V(1), false, false},    // F16
    {V(25), V(11), 0, 86, V(90), V(120), 80, V(1), false, false},    // F17
    {V(25), V(11), 0, 84, V(90), V(120), 80, V(1), false, false},    // F18
    {V(25), V(11), 0, 88, V(80), V(140), 90, V(2), false, false},    // F19
    {V(25), V(11), 0, 88, V(80), V(140), 90, V(1), false, false},    // F20
    // Gunships (list 22).
    {V(22), V(11), 0, 88, V(35), V(100), 100, V(1), false, false},       // G1
    {V(22), V(11), 0, 88, V(35), V(100), 100, V(6), false, false},       // G2
    {V(22), V(11), 0, 81, V(35), V(100), 100, V(1), false, false},       // G3
    {V(22), V(11), 0, 88, V(45), V(120), 120, V(1), false, false},       // G4
    {V(22), V(11), 0, 88, V(55), V(200), 160, V(16), false, false},      // G5
    {V(22), V(11), 0, 88, V(55), V(200), 160, V(9), false, false},       // G6
    {V(22), V(11), 0, 88, V(50), V(250), 190, R(6, 3), false, false},    // G7
    {V(22), V(11), 0, 88, V(50), V(250), 190, R(6, 10), false, false},   // G8
    {V(22), V(11), 0, 821, V(9), V(200), 160, V(2), false, false},       // G9
    {V(22), V(11), 0, 83, V(65), V(220), 170, R(13, 3), false, false},   // G10
    // Pods (list 21): they never fire and carry a power-up.
    {V(21), V(11), 0, 88, V(25), V(100), 150, V(0), false, true},   // P1
    {V(21), V(11), 0, 88, V(35), V(100), 150, V(0), false, true},   // P2
    {V(21), V(11), 0, 88, V(35), V(120), 150, V(0), false, true},   // P3
    {V(21), V(11), 0, 88, V(30), V(120), 150, V(0), false, true},   // P4
    {V(21), V(11), 0, 88, V(30), V(160), 180, V(0), false, true},   // P5
    {V(21), V(11), 0, 88, V(50), V(160), 180, V(0), false, true},   // P6
    // Heavies (list 20) with their random fan bursts.
    {V(20), V(12), 0, 88, V(30), V(230), 150, V(32147), false, false},  // H1
    {V(20), V(12), 0, 88, V(30), V(250), 170, V(32147), false, false},  // H2
    {V(20), V(12), 0, 88, V(30), V(250), 170, V(12369), false, false},  // H3
    // Jellyfish mini-bosses (list 19).
    {V(19), V(21), 100, 555, V(30), V(800), 600, V(123), false, false},   // S1
    {V(19), V(21), 100, 555, V(30), V(2000), 800, V(123), false, false},  // S2
    {V(19), V(21), 100, 555, V(30), V(2200), 800, V(123), false, false},  // S3
    // Asteroid showers (lists 28 to 30); their bullet kind is drawn but never used.
    {R(2, 28), R(4, 0), 0, 31313, R(30, 20), R(10, 10), 10, V(0), false, false},  // A1
    {R(2, 28), R(4, 0), 0, 31313, R(30, 30), R(20, 10), 10, V(0), false, false},  // A2
    {R(2, 28), R(4, 0), 0, 31313, R(30, 40), R(20, 20), 15, V(0), false, false},  // A3
    {R(2, 28), R(4, 0), 0, 31313, R(30, 50), R(20, 30), 15, V(0), false, false},  // A4
    {R(2, 28), R(4, 0), 0, 31313, R(30, 60), R(20, 40), 15, V(0), false, false},  // A5
    {R(2, 28), R(4, 0), 0, 31313, R(40, 80), R(20, 60), 30, V(0), false, false},  // A6
    // The five bosses.
    {V(19), V(11), 0, 4646, V(40), V(1500), 400, V(123), true, false},      // B1
    {V(23), V(11), 0, 3311, V(80), V(4500), 1700, V(999), true, false},     // B2
    {V(31), V(21), 0, 2288, V(100), V(7500), 3000, V(12321), true, true},   // B3
    {V(24), V(22), 0, 7979, V(250), V(12500), 4500, V(3333), true, false},  // B4
    {V(18), V(22), 0, 17931, V(100), V(15000), 8000, V(666), true, false},  // B5
}};

}  // namespace kv::shooter
