#pragma once
// Splits a caption into the lines it is shown on: at line breaks, and with word wrap also at
// blanks so that each line fits the width (a word wider than the width gets a line of its own).
#include <string_view>

#include "platform/render/render.h"

namespace kv::render {

template <class Emit>
void WrapParagraph(const Fonts& fonts, const ui::FontSpec& font, std::string_view para, int width, Emit&& emit) {
  std::size_t lineStart = 0;
  for (;;) {
    std::size_t fitEnd = std::string_view::npos;
    std::size_t from = lineStart;
    for (;;) {
      const std::size_t blank = para.find(' ', from);
      const std::size_t wordEnd = blank == std::string_view::npos ? para.size() : blank;
      const bool fits = fonts.TextWidthPx(font, para.substr(lineStart, wordEnd - lineStart)) <= width;
      if (fitEnd != std::string_view::npos && !fits) break;
      fitEnd = wordEnd;
      if (wordEnd == para.size()) break;
      from = wordEnd + 1;
    }
    emit(para.substr(lineStart, fitEnd - lineStart));
    lineStart = fitEnd;
    while (lineStart < para.size() && para[lineStart] == ' ') ++lineStart;
    if (lineStart >= para.size()) return;
  }
}

template <class Emit>
void ForEachLine(const Fonts& fonts, const ui::FontSpec& font, std::string_view text, bool wrap, int width,
                 Emit&& emit) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t nl = text.find('\n', start);
    std::string_view para = text.substr(start, nl == std::string_view::npos ? std::string_view::npos : nl - start);
    if (!para.empty() && para.back() == '\r') para.remove_suffix(1);
    if (wrap) {
      WrapParagraph(fonts, font, para, width, emit);
    } else {
      emit(para);
    }
    if (nl == std::string_view::npos) return;
    start = nl + 1;
  }
}

}  // namespace kv::render
