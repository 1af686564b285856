#include "engine/input_text.h"

namespace quantivo::engine {

std::string InputBoxText(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

bool InputCharacterPasses(catalogue::ConversionKind kind, char32_t c) {
  if ((c >= 1 && c <= 31) || c == 127) return true;
  if (c >= '0' && c <= '9') return true;
  if (kind == catalogue::ConversionKind::NumberBase) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  }
  return c == '+' || c == '-' || c == '.' || c == 'E' || c == 'e';
}

}  // namespace quantivo::engine
