#include "cli_output.h"

#include <cerrno>
#include <cstring>
#include <ostream>

#include "catalogue/name_match.h"

namespace quantivo::cli {
namespace {

// The length of the UTF-8 character `text` starts with, or 0 where it starts with none.
std::size_t Utf8Length(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if (next < low || next > high) return 0;
    low = 0x80;
    high = 0xBF;
  }
  return length;
}

// Escaped, and Printable when `quotes` is false.
std::string EscapedText(std::string_view text, bool quotes) {
  constexpr std::string_view kNamed = "\n\t\r\"\\";
  constexpr std::string_view kNamedLetters = "ntr\"\\";
  constexpr std::string_view kHex = "0123456789abcdef";
  std::string escaped;
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t length = Utf8Length(text.substr(i));
    const bool c1Control =
        byte == 0xC2 && length == 2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
    const bool quote = byte == '"' || byte == '\\';
    if ((length == 1 && byte >= 0x20 && byte < 0x7F && !(quotes && quote)) ||
        (length > 1 && !c1Control)) {
      escaped.append(text.substr(i, length));
      i += length;
      continue;
    }
    escaped.push_back('\\');
    if (const std::size_t named = kNamed.find(static_cast<char>(byte)); named != kNamed.npos) {
      escaped.push_back(kNamedLetters[named]);
    } else {
      escaped.push_back('x');
      escaped.push_back(kHex[byte >> 4]);
      escaped.push_back(kHex[byte & 0xF]);
    }
    ++i;
  }
  return escaped;
}

}  // namespace

int WorseStatus(int a, int b) {
  constexpr int kRank[] = {0, 3, 2, 1};  // by status 0 to 3
  return kRank[a] >= kRank[b] ? a : b;
}

std::string Escaped(std::string_view text) {
  return EscapedText(text, true);
}

std::string Printable(std::string_view text) {
  return EscapedText(text, false);
}

std::string Quoted(std::string_view name) {
  return "\"" + Escaped(name) + "\"";
}

std::string Join(const std::vector<std::string>& items, std::string_view separator) {
  std::string joined;
  for (const std::string& item : items) {
    if (item.empty()) continue;
    if (!joined.empty()) joined += separator;
    joined += item;
  }
  return joined;
}

std::string Suggestion(const std::vector<std::string_view>& nearest) {
  if (nearest.empty()) return {};
  std::vector<std::string> quoted;
  for (const std::string_view name : nearest) quoted.push_back(Quoted(name));
  return "; did you mean " + Listed(quoted, "or") + "?";
}

std::string Suggestion(const std::vector<std::string_view>& names, std::string_view typed) {
  return Suggestion(catalogue::NearestNames(names, typed, 3));
}

int ReportIoError(std::ostream& err, std::string_view what, int error) {
  err << kProgram << ": error " << what;
  if (error != 0) err << ": " << std::strerror(error);
  err << '\n';
  return kIoError;
}

int FinishOutput(std::ostream& out, std::ostream& err, int status) {
  out.flush();
  if (!out) return ReportIoError(err, "writing standard output", errno);
  return status;
}

}  // namespace quantivo::cli
