#pragma once
// Reading and writing the game's small text files.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "platform/image.h"

namespace kv::shooter {

// Reads at most maxBytes of a file; a missing or unreadable file is an error that says so.
Result<std::string> ReadTextFile(const std::filesystem::path& file, std::size_t maxBytes);
// Writes the text to "<file>.tmp" and renames it over the file, so that the old file stays
// whole until the new one is complete. Returns false (and leaves no temporary file) on failure.
// `midway`, for tests, runs when half of the text has been written.
bool WriteTextFileAtomically(const std::filesystem::path& file, std::string_view text,
                             const std::function<void()>& midway = {});

}  // namespace kv::shooter
