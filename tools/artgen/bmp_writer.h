#pragma once
// Writes 24-bit uncompressed BMP files, rows from the bottom as the format has them.
#include <filesystem>

#include "platform/image.h"

namespace kv::artgen {

bool WriteBmp24(const std::filesystem::path& path, const Image& image);

}  // namespace kv::artgen
