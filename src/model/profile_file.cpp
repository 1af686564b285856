#include "model/profile_file.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// Debian's SimpleIni is used header-only, without its wide-character converters.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

namespace quantivo::model {

// CSimpleIniA compares section and key names without regard to case and keeps the
// order in which sections and keys were loaded or added.
struct ProfileFile::Impl {
  CSimpleIniA Ini;
  // Comments after the last entry belong to nothing, so the library drops them;
  // they are kept here and written back at the end.
  std::string TrailingComments;
};

namespace {

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  return (c | 0x20) - 'a' + 10;
}

bool IsBlankLine(std::string_view line) {
  return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

bool IsCommentLine(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  return first != std::string_view::npos && (line[first] == ';' || line[first] == '#');
}

// The comment lines after the last section or key, each ended by a line break.
std::string TrailingComments(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  std::size_t first = lines.size();
  while (first > 0 && (IsBlankLine(lines[first - 1]) || IsCommentLine(lines[first - 1]))) {
    --first;
  }
  std::string comments;
  for (std::size_t i = first; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    if (!IsCommentLine(line)) continue;
    if (line.back() == '\r') line.remove_suffix(1);
    comments.append(line).push_back('\n');
  }
  return comments;
}

}  // namespace

std::optional<int> ParseProfileInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::uint64_t value = 0;
  if (!text.empty() && text.front() == '$') {
    text.remove_prefix(1);
  } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
  } else {
    if (text.empty()) return std::nullopt;
    for (const char c : text) {
      if (c < '0' || c > '9') return std::nullopt;
      value = value * 10 + static_cast<unsigned>(c - '0');
      if (value > 2147483648u) return std::nullopt;
    }
    if (!negative && value > 2147483647u) return std::nullopt;
    return static_cast<int>(negative ? -static_cast<std::int64_t>(value)
                                     : static_cast<std::int64_t>(value));
  }
  // Hexadecimal: up to 32 bits, taken as the bit pattern of a signed integer.
  if (text.empty()) return std::nullopt;
  for (const char c : text) {
    if (!IsHexDigit(c)) return std::nullopt;
    value = value * 16 + static_cast<unsigned>(HexValue(c));
    if (value > 0xFFFFFFFFu) return std::nullopt;
  }
  const auto bits = static_cast<std::uint32_t>(negative ? 0u - value : value);
  return static_cast<int>(static_cast<std::int32_t>(bits));
}

std::string_view CutText(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  std::size_t end = maxBytes;
  // Step back over continuation bytes so that no character is split.
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  // A value never ends in blanks when it is read; one cut short must not either,
  // or saving and reading it again would change it.
  while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  return text.substr(0, end);
}

ProfileFile::ProfileFile() : m_impl(std::make_unique<Impl>()) {
  m_impl->Ini.SetSpaces(false);
}

ProfileFile::~ProfileFile() = default;

void ProfileFile::LoadText(std::string_view text) {
  m_impl->Ini.Reset();
  // The library reads up to the first NUL byte; a NUL ends a line instead, so what
  // follows it is still read.
  std::string data(text);
  for (char& c : data) {
    if (c == '\0') c = '\n';
  }
  m_impl->Ini.LoadData(data.data(), data.size());
  m_impl->TrailingComments = TrailingComments(data);
}

std::string ProfileFile::Text() const {
  std::string text;
  m_impl->Ini.Save(text);
  if (!m_impl->TrailingComments.empty()) {
    if (!text.empty() && text.back() != '\n') text.push_back('\n');
    text += m_impl->TrailingComments;
  }
  return text;
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
  const char* value =
      m_impl->Ini.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
  if (value == nullptr) return std::string(defaultValue);
  return std::string(CutText(value, kMaxValueLength));
}

int ProfileFile::ReadInteger(std::string_view section, std::string_view key,
                             int defaultValue) const {
  const std::optional<int> value = ParseProfileInteger(ReadString(section, key, ""));
  return value ? *value : defaultValue;
}

bool ProfileFile::ReadBool(std::string_view section, std::string_view key,
                           bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void ProfileFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
  std::string line(value);
  for (char& c : line) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  m_impl->Ini.SetValue(std::string(section).c_str(), std::string(key).c_str(), line.c_str());
}

void ProfileFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

void ProfileFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

}  // namespace quantivo::model
