#pragma once
// Reading and writing the game's small text files.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/image.h"

namespace kv::shooter {

// Reads at most maxBytes of a file; a missing or unreadable file is an error that says so.
Result<std::string> ReadTextFile(const std::filesystem::path& file, std::size_t maxBytes);
// Writes the text to "<file>.tmp" and renames it over the file, so that the old file stays
// whole until the new one is complete. Returns false (and leaves no temporary file) on failure.
bool WriteTextFileAtomically(const std::filesystem::path& file, std::string_view text);

}  // namespace kv::shooter
