#pragma once
// Walks UTF-8 text one code point at a time; a malformed sequence reads as U+FFFD.
#include <cstdint>
#include <optional>
#include <string_view>

namespace kv::render {

class Utf8Reader {
 public:
  explicit Utf8Reader(std::string_view text) : text_(text) {}

  std::optional<char32_t> Next() {
    if (pos_ >= text_.size()) return std::nullopt;
    const auto lead = static_cast<unsigned char>(text_[pos_++]);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
      extra = 1;
      cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2;
      cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3;
      cp = lead & 0x07;
    } else {
      return kReplacement;
    }
    for (int i = 0; i < extra; ++i) {
      if (pos_ >= text_.size()) return kReplacement;
      const auto c = static_cast<unsigned char>(text_[pos_]);
      if ((c & 0xC0) != 0x80) return kReplacement;
      cp = (cp << 6) | (c & 0x3F);
      ++pos_;
    }
    return cp;
  }

 private:
  static constexpr char32_t kReplacement = 0xFFFD;
  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace kv::render
