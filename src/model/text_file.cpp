#include "model/text_file.h"

#include "model/atomic_file.h"

namespace quantivo::model {

bool IsUtf16Text(std::string_view text) {
  return text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF") ||
         (text.size() >= 2 && (text[0] == '\0' || text[1] == '\0'));
}

std::string_view LineEndOf(std::string_view text) {
  const std::size_t end = text.find_first_of("\r\n");
  if (end == std::string_view::npos || text[end] == '\n') return "\n";
  return text.substr(end + 1).starts_with('\n') ? "\r\n" : "\r";
}

std::size_t LineEndAfter(std::string_view text, std::size_t start, std::string_view breaks) {
  const std::size_t end = text.find_first_of(breaks, start);
  if (end == std::string_view::npos) return text.size();
  const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
  return end + (crlf ? 2 : 1);
}

std::optional<std::string> ReadUserText(const std::filesystem::path& path) {
  std::optional<std::string> text = ReadSavedText(path);
  if (text && IsUtf16Text(*text)) return std::nullopt;
  return text;
}

}  // namespace quantivo::model
