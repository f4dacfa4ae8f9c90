#pragma once
// The element tree keeps colours as 0xBBGGRR; pictures hold 0x00RRGGBB.
#include <cstdint>

#include "platform/ui.h"

namespace kv::render {

constexpr std::uint32_t ToRgb(ui::Colour bgr) {
  return ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}

}  // namespace kv::render
