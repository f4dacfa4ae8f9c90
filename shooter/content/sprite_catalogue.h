#pragma once
// The image lists of the two shooters: how many pictures each holds and their size in pixels.
// The game's arithmetic (hit boxes, centres, bounds) always uses a list's nominal size, the size
// of its first picture; a few lists hold pictures of slightly other sizes, listed per picture.
#include <array>
#include <span>
#include <string_view>

namespace kv::shooter {

struct PixelSize {
  int w = 0;
  int h = 0;
  constexpr bool operator==(const PixelSize&) const = default;
};

struct ImageListSpec {
  int count;
  PixelSize size;                   // nominal size: the first picture's
  std::span<const PixelSize> each;  // per-picture sizes where they differ; empty when all are `size`
  std::string_view look;            // what the pictures show
  constexpr PixelSize PictureAt(int picture) const {  // picture is 1-based
    return each.empty() ? size : each[static_cast<std::size_t>(picture - 1)];
  }
};

inline constexpr int kImageListCount = 32;

inline constexpr std::array<PixelSize, 7> kChaingunSizes{{{11, 10}, {12, 13}, {12, 13}, {14, 14}, {14, 14}, {12, 12}, {12, 12}}};
inline constexpr std::array<PixelSize, 15> kPowerUpSizes{{{45, 46}, {46, 45}, {45, 46}, {46, 45}, {45, 46}, {46, 45}, {45, 46}, {46, 45},
                                                          {45, 46}, {46, 45}, {45, 46}, {46, 45}, {45, 46}, {46, 45}, {45, 46}}};
inline constexpr std::array<PixelSize, 4> kBigRockSizes{{{47, 49}, {49, 47}, {47, 49}, {49, 47}}};
inline constexpr std::array<PixelSize, 4> kBlobSizes{{{46, 45}, {45, 46}, {46, 45}, {45, 46}}};

using ImageSetSpec = std::array<ImageListSpec, kImageListCount>;

// The main game's lists, Img(0) .. Img(31).
inline constexpr ImageSetSpec kMainImageLists{{
    {3, {48, 37}, {}, "player ship, grey-blue, three engine-flame frames"},        // 0
    {16, {71, 100}, {}, "explosion: enemy destroyed"},                              // 1
    {30, {256, 192}, {}, "large explosion: boss destroyed"},                        // 2
    {22, {256, 192}, {}, "Proxy R field"},                                          // 3
    {7, {11, 10}, kChaingunSizes, "chaingun tracers"},                              // 4
    {4, {60, 60}, {}, "Globe EX globe; shield-hit ring"},                           // 5
    {10, {21, 50}, {}, "C-Laser beam, widening with its level"},                    // 6
    {24, {12, 12}, {}, "Proton Burst scatter sparks"},                              // 7
    {10, {120, 70}, {}, "E-Wave, growing with its level"},                          // 8
    {1, {20, 19}, {}, "missile"},                                                   // 9
    {9, {130, 130}, {}, "Ringu burst"},                                             // 10
    {4, {30, 30}, {}, "steel blade, turning"},                                      // 11
    {2, {16, 17}, {}, "R-Mine, blinking"},                                          // 12
    {5, {15, 15}, {}, "spark where a shot strikes"},                                // 13
    {1, {16, 40}, {}, "pulse rifle bolt"},                                          // 14
    {2, {10, 10}, {}, "enemy pellets: orange, blue"},                               // 15
    {2, {20, 20}, {}, "enemy fireballs: orange, blue"},                             // 16
    {5, {60, 60}, {}, "Fire Cutter"},                                               // 17
    {1, {127, 126}, {}, "final boss: red orb in a metal ring"},                     // 18
    {1, {186, 118}, {}, "jellyfish: red tentacled creature"},                       // 19
    {1, {72, 80}, {}, "heavy: blue ship with a red core"},                          // 20
    {1, {39, 39}, {}, "pod: red orb"},                                              // 21
    {1, {77, 71}, {}, "gunship: orange multi-part ship"},                           // 22
    {1, {173, 178}, {}, "Act II boss: stone-face fortress"},                        // 23
    {1, {146, 150}, {}, "Act IV boss: green orb creature"},                         // 24
    {1, {44, 38}, {}, "fighter: small red ship"},                                   // 25
    {15, {45, 46}, kPowerUpSizes, "power-up, spinning"},                            // 26
    {1, {160, 360}, {}, "lightning of the storm"},                                  // 27
    {4, {47, 49}, kBigRockSizes, "large grey rock, turning"},                       // 28
    {4, {34, 34}, {}, "medium grey rock, turning"},                                 // 29
    {4, {18, 18}, {}, "small grey rock, turning"},                                  // 30
    {1, {72, 80}, {}, "Act III boss: small grey ship like the player's"},           // 31
}};

// The extra game's lists: the same numbers and roles, other pictures where the list differs.
inline constexpr ImageSetSpec kExtraImageLists{{
    {3, {43, 38}, {}, "player ship, grey"},                                         // 0
    kMainImageLists[1], kMainImageLists[2], kMainImageLists[3], kMainImageLists[4], kMainImageLists[5],
    {10, {30, 65}, {}, "L-Beam"},                                                   // 6
    kMainImageLists[7], kMainImageLists[8],
    {1, {7, 10}, {}, "small side shot"},                                            // 9
    kMainImageLists[10], kMainImageLists[11],
    {2, {24, 36}, {}, "mine, blinking"},                                            // 12
    kMainImageLists[13],
    {1, {30, 30}, {}, "EX-Gun II orb"},                                             // 14
    kMainImageLists[15], kMainImageLists[16], kMainImageLists[17],
    {1, {48, 47}, {}, "last boss: a blue ship like the main game's hero"},          // 18
    {1, {42, 36}, {}, "small red ship"},                                            // 19
    {1, {68, 65}, {}, "heavy"},                                                     // 20
    kMainImageLists[21],
    {1, {61, 56}, {}, "gunship, purple"},                                           // 22
    {1, {163, 177}, {}, "grey stone face"},                                         // 23
    {1, {135, 183}, {}, "green creature"},                                          // 24
    {1, {42, 42}, {}, "fighter, green"},                                            // 25
    kMainImageLists[26], kMainImageLists[27],
    {4, {46, 45}, kBlobSizes, "red blob"},                                          // 28
    {4, {46, 45}, kBlobSizes, "red blob"},                                          // 29
    {4, {46, 45}, kBlobSizes, "red blob"},                                          // 30
    {1, {116, 192}, {}, "tall dark ship"},                                          // 31
}};

// Whether the extra game's list is its own or the main game's.
constexpr bool ExtraListIsOwn(int list) {
  const auto& a = kMainImageLists[static_cast<std::size_t>(list)];
  const auto& b = kExtraImageLists[static_cast<std::size_t>(list)];
  return a.look != b.look || !(a.size == b.size) || a.count != b.count;
}

}  // namespace kv::shooter
