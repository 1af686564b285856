#include "engine/digit_scripts.h"

namespace quantivo::engine {
namespace {

constexpr char32_t kScriptZeros[] = {U'\u0660', U'\u06F0', U'\u0966', U'\u09E6', U'\u1040'};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

}  // namespace

std::pair<char32_t, std::size_t> FirstCodePoint(std::string_view text) {
  const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  if (length == 1 || text.size() < length) return {lead, 1};
  char32_t c = lead & (0xFFU >> (length + 1));
  for (std::size_t i = 1; i < length; ++i) c = (c << 6) | (byte(i) & 0x3FU);
  return {c, length};
}

char32_t DigitZero(char32_t c) {
  if (c >= U'0' && c <= U'9') return U'0';
  for (const char32_t zero : kScriptZeros) {
    if (c >= zero && c <= zero + 9) return zero;
  }
  return 0;
}

std::string WithScriptDigits(std::string_view text, char32_t zero) {
  if (zero == U'0' || DigitZero(zero) != zero) return std::string(text);
  std::string out;
  out.reserve(text.size() * 2);
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      AppendUtf8(out, zero + static_cast<char32_t>(c - '0'));
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::string WithAsciiDigits(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const auto [c, length] = FirstCodePoint(text);
    const char32_t zero = DigitZero(c);
    if (zero > U'0') {
      out.push_back(static_cast<char>('0' + (c - zero)));
    } else {
      out.append(text.substr(0, length));
    }
    text.remove_prefix(length);
  }
  return out;
}

}  // namespace quantivo::engine
