#pragma once
// Pictures in memory, and reading them from the files the game ships with.
#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

namespace kv {

// A picture: width x height pixels, row by row from the top, each 0x00RRGGBB.
// Black (0x000000) is the transparent colour of sprites.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// A value or a one-line message saying what went wrong.
template <class T>
class Result {
 public:
  Result(T value) : v_(std::move(value)) {}
  static Result Error(std::string message) { return Result(ErrorTag{std::move(message)}); }
  bool ok() const { return v_.index() == 0; }
  const T& value() const { return std::get<0>(v_); }
  T& value() { return std::get<0>(v_); }
  const std::string& error() const { return std::get<1>(v_).message; }

 private:
  struct ErrorTag {
    std::string message;
  };
  explicit Result(ErrorTag e) : v_(std::move(e)) {}
  std::variant<T, ErrorTag> v_;
};

// Reads a picture file; the format is told by its contents (BMP, GIF or PNG).
Result<Image> LoadPicture(const std::filesystem::path& path);

// Writes a picture as a PNG file (through a temporary file and a rename).
Result<bool> SavePng(const std::filesystem::path& path, const Image& image);

}  // namespace kv
