#pragma once
// A contact sheet: rows of captioned pictures laid out on one PNG, each picture on a
// checkerboard so that its black, transparent parts show.
#include <string>
#include <vector>

#include "platform/image.h"
#include "platform/render/render.h"

namespace kv::contact {

struct Tile {
  std::string label;  // under the picture, e.g. its number
  Image picture;
};

struct Row {
  std::string title;
  std::vector<Tile> tiles;
};

// Small pictures are enlarged so that they can be judged; the title says by how much.
int ZoomFor(const Image& picture);

// Lays the rows out, each wrapped at maxWidth pixels.
Image RenderSheet(const std::vector<Row>& rows, const render::Fonts& fonts, int maxWidth);

}  // namespace kv::contact
