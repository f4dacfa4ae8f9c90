#include "platform/sdl/volume.h"

#include <algorithm>
#include <cmath>

namespace kv::sdl {

int MixVolume(int hundredthsOfDb) {
  const double gain = std::pow(10.0, hundredthsOfDb / 2000.0);
  const long level = std::lround(gain * kFullMixVolume);
  return static_cast<int>(std::clamp(level, 0L, static_cast<long>(kFullMixVolume)));
}

}  // namespace kv::sdl
