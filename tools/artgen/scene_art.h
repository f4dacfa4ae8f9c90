#pragma once
// The pictures that are not image lists: title and equipment pictures, the menus' background,
// the intro's background and blink pictures, the launcher's logo and the piano's portrait.
#include <cstdint>

#include "platform/image.h"
#include "platform/render/render.h"
#include "tools/artgen/gif_writer.h"

namespace kv::artgen {

struct TitleLook {
  std::uint32_t planet;
  std::uint32_t hull;
  std::uint32_t trim;
  std::uint32_t canopy;
};

// The title picture (120 x 180): a planet below and the hero's ship climbing away from it.
Image DrawTitle(const TitleLook& look);
// The equipment screen's ship (76 x 80).
Image DrawEquipmentShip(const TitleLook& look);
// The menus' background: dark space with a faint nebula and stars, 256 colours.
IndexedPicture DrawMenuBackground();
// The intro's background (600 x 600): a planet, a nebula and stars.
Image DrawIntroBackground();
// The intro's blink pictures (98 x 100): the hero's badge, its lights dark (1) or lit (2).
Image DrawBlinkPicture(int picture);
// The launcher's logo (285 x 108); the lettering needs the fonts, without them the logo is an emblem.
Image DrawLogo(const render::Fonts* fonts);
// The piano host's portrait (120 x 150).
Image DrawPortrait();

}  // namespace kv::artgen
