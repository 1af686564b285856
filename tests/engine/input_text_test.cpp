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

// Where the comma is the decimal separator it is typed for the point, and the full
// stop, which groups thousands there, is swallowed; number systems are unchanged.
TEST(InputCharacterPasses, TakesTheLocalesDecimalSeparator) {
  EXPECT_TRUE(InputCharacterPasses(ConversionKind::Linear, U',', U','));
  EXPECT_FALSE(InputCharacterPasses(ConversionKind::Linear, U'.', U','));
  EXPECT_TRUE(InputCharacterPasses(ConversionKind::Fraction, U',', U','));
  EXPECT_FALSE(InputCharacterPasses(ConversionKind::NumberBase, U',', U','));
}

TEST(BoxText, ShowsTheLocalesSeparatorAndDigitsOneCharacterForOne) {
  const NumberLocale german{",", "."};
  const NumberLocale egyptian{"\u066B", "\u066C", U'\u0660'};
  EXPECT_EQ(BoxTextFromInput("-1.5E3", german), "-1,5E3");
  EXPECT_EQ(InputFromBoxText("-1,5E3", german), "-1.5E3");
  EXPECT_EQ(BoxTextFromInput("1.5", egyptian), "\u0661\u066B\u0665");
  EXPECT_EQ(BoxTextFromInput("101", egyptian, false), "101");  // a number system's digits
  EXPECT_EQ(InputFromBoxText("\u0661\u066B\u0665"
                             "2",
                             egyptian),
            "1.52");
  EXPECT_EQ(InputFromBoxText("1.5", NumberLocale{}), "1.5");
}

// A result as the output box shows it pastes back as its number; anything else pastes
// as it is.
TEST(LocaleNumberAsInput, ReadsNumbersAsTheLocaleWritesThem) {
  const NumberLocale english;
  const NumberLocale german{",", "."};
  const NumberLocale french{",", "\u202F"};
  const NumberLocale russian{",", "\u00A0"};
  const NumberLocale swiss{".", "\u2019"};
  const NumberLocale arabic{"\u066B", "\u066C"};
  struct Case {
    const NumberLocale* locale;
    const char* pasted;
    const char* input;  // nullptr: pastes as it is
  };
  const Case kCases[] = {
      {&english, "1,234,567.8901", "1234567.8901"},
      {&german, "1.234.567,8901", "1234567.8901"},
      {&french, "1\u202F234\u202F567,8901", "1234567.8901"},
      {&german, "-4,921259843", "-4.921259843"},
      {&german, "1,2346E+006", "1.2346E+006"},
      {&english, "3e2", "3E2"},
      {&english, "12", "12"},
      {&english, "1,5", nullptr},       // a comma that groups no three digits
      {&english, "1234,567", nullptr},  // a first group of more than three
      {&german, "1.5", nullptr},
      {&german, "1,", nullptr},
      {&english, "1.5E", nullptr},
      {&english, ".5", nullptr},
      {&english, "1 234", nullptr},
      {&english, "FF", nullptr},
      {&english, "", nullptr},
      // As people and other programs write them in the locale.
      {&french, "1 234,5", "1234.5"},
      {&french, "1\u00A0234\u00A0567,5", "1234567.5"},
      {&russian, "1\u202F234,5", "1234.5"},
      {&swiss, "1'234.5", "1234.5"},
      {&english, "12,34,567.5", "1234567.5"},
      {&english, "1,23,45,678", "12345678"},
      {&arabic, "\u0661\u066C\u0662\u0663\u0664\u066B\u0665", "1234.5"},
      {&arabic, "\u06F3\u066B\u06F8\u06F1", "3.81"},
      {&english, "\u0967\u0968", "12"},
      {&arabic, "\u0661\u06F2", nullptr},    // digits of two scripts
      {&french, "1 234\u00A0567", nullptr},  // two separators
      {&english, "123,45,678", nullptr},     // a first group longer than those after
      {&english, "1,2,345", nullptr},
      {&english, "1'234.5", nullptr},  // not how English groups
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.pasted);
    const std::optional<std::string> input = LocaleNumberAsInput(c.pasted, *c.locale);
    if (c.input == nullptr) {
      EXPECT_FALSE(input.has_value()) << *input;
    } else {
      EXPECT_EQ(input.value_or("(none)"), c.input);
    }
  }
}

// Every number the program prints, in every way it groups and in every script it writes
// digits in, pastes back into the window as that number.
TEST(LocaleNumberAsInput, ReadsBackWhatTheProgramPrints) {
  const NumberLocale kLocales[] = {
      {},
      {",", "."},
      {",", "\u202F"},
      {",", "\u00A0"},
      {".", "\u2019"},
      MakeNumberLocale("\u066B", "\u066C", "\u0660"),
      MakeNumberLocale("\u066B", "\u066C", "\u06F0"),
      MakeNumberLocale(".", ",", "\u0966", "\3\2"),
      MakeNumberLocale(".", ",", "0", "\3\2"),
  };
  for (const NumberLocale& locale : kLocales) {
    for (const ViewType view :
         {ViewType::AutoFormat, ViewType::Scientific, ViewType::Fixed, ViewType::FixedWithCommas}) {
      for (const Extended value : {-1234567.890123456L, 0.000123L, 12.5L}) {
        const std::string printed = FormatResult(value, {view, 4}, locale);
        SCOPED_TRACE(printed);
        const ViewType plain = view == ViewType::FixedWithCommas ? ViewType::Fixed : view;
        EXPECT_EQ(LocaleNumberAsInput(printed, locale).value_or("(none)"),
                  FormatResult(value, {plain, 4}, NumberLocale{}));
        EXPECT_EQ(ResultAsInputText(printed, locale),
                  ResultAsInputText(FormatResult(value, {plain, 4}, {}), {}));
      }
    }
  }
}

}  // namespace
}  // namespace quantivo::engine
