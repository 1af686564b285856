#include "engine/message.h"

#include <string_view>

namespace quantivo::engine {
namespace {

struct CodeText {
  MessageCode Code;
  std::string_view Text;
};

// The English of every code; %1 and %2 stand for what the message names.
constexpr CodeText kEnglish[] = {
    {MessageCode::ResultTooLarge, "result too large"},
    {MessageCode::DecimalTooPrecise, "decimal too precise"},
    {MessageCode::InvalidNumber, "invalid number [%1]"},
    {MessageCode::InvalidBinaryNumber, "invalid binary number"},
    {MessageCode::InvalidOctalNumber, "invalid octal number"},
    {MessageCode::InvalidDecimalNumber, "invalid decimal number"},
    {MessageCode::InvalidHexadecimalNumber, "invalid hexadecimal number"},
    {MessageCode::InvalidBaseNumber, "invalid base-%1 number"},
    {MessageCode::InvalidRomanNumeral, "invalid Roman numeral"},
    {MessageCode::UnableToRead, "Unable to read %1"},
    {MessageCode::UnableToWrite, "Unable to write to %1"},
    {MessageCode::TabIndexOutOfBounds, "Tab index out of bounds"},
    {MessageCode::CategoryArrangingLost,
     "Because of the addition of new unit categories in this version of Quantivo, any custom "
     "category arranging will need to be redone."},
    {MessageCode::CannotInvert, "You cannot invert this type of conversion."},
    {MessageCode::BothUnitsNeeded,
     "Both units must be selected before you can invert the conversion."},
    {MessageCode::NoStrikeoutOrUnderline, "Strikeout and underline attributes are not allowed."},
    {MessageCode::UnableToStartCalculator, "Unable to start the Windows Calculator."},
    {MessageCode::FromTo, "From %1 to %2"},
    {MessageCode::RomanNumerals, "Roman numerals"},
    {MessageCode::Base, "base %1"},
    {MessageCode::UnitsFileProblems,
     "Lines of %1 that define no unit are left out and kept in the file:\n%2"},
    {MessageCode::UnitsFileLine, "line %1: %2"},
    {MessageCode::UnitsSectionUnknown, "[%1] is not the name of a category's section"},
    {MessageCode::UnitsCategoryTakesNone,
     "%1 takes no units of your own: only categories converted by a factor do"},
    {MessageCode::UnitLineUnreadable,
     "a unit is written as name = value unit, as in step = 60 centimeter"},
    {MessageCode::UnitNameEmpty, "the unit has no name"},
    {MessageCode::UnitNameTaken, "\"%1\" is already a name in this category"},
    {MessageCode::UnitNameUnwritable,
     "\"%1\" cannot be written in the units file: a name holds no \",\", \"=\", \";\" or "
     "control character and does not begin with \"[\" or \"#\""},
    {MessageCode::UnitValueInvalid, "\"%1\" is not a positive number"},
    {MessageCode::UnitBaseUnknown, "\"%1\" is not a unit of this category's table"},
};
static_assert(HasEveryCodeInOrder(kEnglish));

// `text` with each %1, %2, ... written as that argument, in one pass, so that an
// argument's own "%1" (in a path) stays as it is.
std::string Filled(std::string_view text, const std::vector<std::string>& arguments) {
  std::string filled;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    const auto argument = static_cast<std::size_t>(next - '1');
    if (text[i] == '%' && next >= '1' && argument < arguments.size()) {
      filled += arguments[argument];
      ++i;
    } else {
      filled.push_back(text[i]);
    }
  }
  return filled;
}

}  // namespace

std::string EnglishText(const Message& message) {
  const std::string_view text = kEnglish[static_cast<std::size_t>(message.Code)].Text;
  switch (ArgumentsOf(message.Code)) {
    case MessageArguments::None:
      break;
    case MessageArguments::Number:
      return Filled(text, {std::to_string(message.Number)});
    case MessageArguments::Path:
      return Filled(text, {message.Path});
    case MessageArguments::Parts: {
      std::vector<std::string> parts;
      for (const Message& part : message.Parts) parts.push_back(EnglishText(part));
      return Filled(text, parts);
    }
    case MessageArguments::Line:
      return Filled(text, {std::to_string(message.Number),
                           message.Parts.empty() ? std::string() : EnglishText(message.Parts[0])});
    case MessageArguments::PathLines: {
      std::string lines;
      for (const Message& part : message.Parts) {
        if (!lines.empty()) lines += '\n';
        lines += EnglishText(part);
      }
      return Filled(text, {message.Path, lines});
    }
  }
  return std::string(text);
}

}  // namespace quantivo::engine
