#include "engine/input_text.h"

#include <gtest/gtest.h>

namespace quantivo::engine {
namespace {

using catalogue::ConversionKind;

TEST(InputCharacterPasses, FollowsTheKindOfTheCategory) {
  struct Case {
    ConversionKind kind;
    char32_t c;
    const char* what;
    bool passes;
  };
  constexpr Case kCases[] = {
      // Control characters and Delete pass for every kind; NUL is no key.
      {ConversionKind::Linear, U'\b', "Backspace", true},
      {ConversionKind::NumberBase, U'\b', "Backspace", true},
      {ConversionKind::Fraction, U'\x01', "Ctrl+A", true},
      {ConversionKind::Temperature, U'\x1F', "last control character", true},
      {ConversionKind::NumberBase, U'\x7F', "Delete", true},
      {ConversionKind::Linear, U'\0', "NUL", false},
      {ConversionKind::Linear, U' ', "blank", false},
      {ConversionKind::NumberBase, U'~', "tilde", false},
      {ConversionKind::Linear, U'\x80', "first character past Delete", false},
      // Digits pass for every kind, and only they.
      {ConversionKind::Linear, U'0', "0", true},
      {ConversionKind::NumberBase, U'9', "9", true},
      {ConversionKind::Fraction, U'/', "slash", false},
      {ConversionKind::Linear, U':', "colon", false},
      // A decimal number's signs.
      {ConversionKind::Linear, U'+', "plus", true},
      {ConversionKind::Temperature, U'-', "minus", true},
      {ConversionKind::Fraction, U'.', "point", true},
      {ConversionKind::Linear, U'E', "E", true},
      {ConversionKind::Linear, U'e', "e", true},
      {ConversionKind::Linear, U',', "comma", false},
      {ConversionKind::Linear, U'G', "G", false},
      {ConversionKind::Temperature, U'D', "D", false},
      // A number system's letters, and none of the decimal signs.
      {ConversionKind::NumberBase, U'A', "A", true},
      {ConversionKind::NumberBase, U'Z', "Z", true},
      {ConversionKind::NumberBase, U'a', "a", true},
      {ConversionKind::NumberBase, U'z', "z", true},
      {ConversionKind::NumberBase, U'G', "G", true},
      {ConversionKind::NumberBase, U'@', "at", false},
      {ConversionKind::NumberBase, U'[', "bracket", false},
      {ConversionKind::NumberBase, U'`', "grave", false},
      {ConversionKind::NumberBase, U'{', "brace", false},
      {ConversionKind::NumberBase, U'.', "point", false},
      {ConversionKind::NumberBase, U'-', "minus", false},
      // Letters and digits beyond ASCII are swallowed.
      {ConversionKind::Linear, U'\u00E9', "e acute", false},
      {ConversionKind::NumberBase, U'\u00E9', "e acute", false},
      {ConversionKind::Linear, U'\uFF11', "fullwidth one", false},
      {ConversionKind::NumberBase, U'\uFF11', "fullwidth one", false},
      {ConversionKind::NumberBase, U'\uFF21', "fullwidth A", false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.what << " in kind " << static_cast<int>(c.kind));
    EXPECT_EQ(InputCharacterPasses(c.kind, c.c), c.passes);
  }
}

}  // namespace
}  // namespace quantivo::engine
