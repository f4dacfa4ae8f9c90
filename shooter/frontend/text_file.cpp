#include "shooter/frontend/text_file.h"

#include <fstream>
#include <system_error>

namespace kv::shooter {

Result<std::string> ReadTextFile(const std::filesystem::path& file, std::size_t maxBytes) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return Result<std::string>::Error("is missing");
  std::ifstream in(file, std::ios::binary);
  if (!in) return Result<std::string>::Error("cannot be read");
  std::string text(maxBytes, '\0');
  in.read(text.data(), static_cast<std::streamsize>(maxBytes));
  text.resize(static_cast<std::size_t>(in.gcount()));
  return text;
}

bool WriteTextFileAtomically(const std::filesystem::path& file, std::string_view text,
                             const std::function<void()>& midway) {
  auto tmp = file;
  tmp += ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    const std::size_t half = text.size() / 2;
    out.write(text.data(), static_cast<std::streamsize>(half));
    if (midway) {
      out.flush();
      midway();
    }
    out.write(text.data() + half, static_cast<std::streamsize>(text.size() - half));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ec;
      std::filesystem::remove(tmp, ec);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(tmp, file, ec);
  if (ec) {
    std::filesystem::remove(tmp, ec);
    return false;
  }
  return true;
}

}  // namespace kv::shooter
