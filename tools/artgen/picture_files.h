#pragma once
// Writes every picture of the program folder: the image lists of both shooters and the other pictures.
#include <filesystem>

#include "platform/render/render.h"

namespace kv::artgen {

// fonts may be null: the pictures with lettering are then drawn without it.
bool WritePictures(const std::filesystem::path& programDir, const render::Fonts* fonts);

}  // namespace kv::artgen
