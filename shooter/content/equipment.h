#pragma once
// The numbers that the equipment choices set when a new game starts.
#include <array>

#include "platform/numbers.h"

namespace kv::shooter {

// Special weapon and shield capacity (also the bars' full width): 394 x (choice + 1), the last
// rounded down to the panel's width.
inline constexpr std::array<i16, 5> kCapacities{394, 870, 1305, 1740, 2175};
inline constexpr std::array<i16, 5> kShieldRates{7, 6, 5, 4, 3};       // by shield Mark I .. Final
inline constexpr std::array<i16, 4> kEngineSpeeds{80, 100, 130, 160};  // by engine Slow .. Hyper
inline constexpr std::array<i16, 4> kEngineRates{12, 10, 8, 6};         // a slower engine repairs faster

}  // namespace kv::shooter
