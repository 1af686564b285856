#include "ui/core_texts.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstddef>

#include "ui/qt_convert.h"

namespace quantivo::ui {
namespace {

using engine::MessageCode;

struct CodeText {
  MessageCode Code;
  const char* Text;
};

// Every code's text, word for word the English the core writes for it; %1 and %2 stand
// for what the message names.
constexpr CodeText kTexts[] = {
    {MessageCode::ResultTooLarge, QT_TRANSLATE_NOOP("CoreTexts", "result too large")},
    {MessageCode::DecimalTooPrecise, QT_TRANSLATE_NOOP("CoreTexts", "decimal too precise")},
    {MessageCode::InvalidNumber, QT_TRANSLATE_NOOP("CoreTexts", "invalid number [%1]")},
    {MessageCode::InvalidBinaryNumber, QT_TRANSLATE_NOOP("CoreTexts", "invalid binary number")},
    {MessageCode::InvalidOctalNumber, QT_TRANSLATE_NOOP("CoreTexts", "invalid octal number")},
    {MessageCode::InvalidDecimalNumber, QT_TRANSLATE_NOOP("CoreTexts", "invalid decimal number")},
    {MessageCode::InvalidHexadecimalNumber,
     QT_TRANSLATE_NOOP("CoreTexts", "invalid hexadecimal number")},
    {MessageCode::InvalidBaseNumber, QT_TRANSLATE_NOOP("CoreTexts", "invalid base-%1 number")},
    {MessageCode::InvalidRomanNumeral, QT_TRANSLATE_NOOP("CoreTexts", "invalid Roman numeral")},
    {MessageCode::UnableToRead, QT_TRANSLATE_NOOP("CoreTexts", "Unable to read %1")},
    {MessageCode::UnableToWrite, QT_TRANSLATE_NOOP("CoreTexts", "Unable to write to %1")},
    {MessageCode::TabIndexOutOfBounds, QT_TRANSLATE_NOOP("CoreTexts", "Tab index out of bounds")},
    {MessageCode::CategoryArrangingLost,
     QT_TRANSLATE_NOOP("CoreTexts",
                       "Because of the addition of new unit categories in this version of "
                       "Quantivo, any custom category arranging will need to be redone.")},
    {MessageCode::CannotInvert,
     QT_TRANSLATE_NOOP("CoreTexts", "You cannot invert this type of conversion.")},
    {MessageCode::BothUnitsNeeded,
     QT_TRANSLATE_NOOP("CoreTexts",
                       "Both units must be selected before you can invert the conversion.")},
    {MessageCode::NoStrikeoutOrUnderline,
     QT_TRANSLATE_NOOP("CoreTexts", "Strikeout and underline attributes are not allowed.")},
    {MessageCode::UnableToStartCalculator,
     QT_TRANSLATE_NOOP("CoreTexts", "Unable to start the Windows Calculator.")},
    //: A line of the conversion factor: %1 and %2 are number systems, "base 2" or
    //: "Roman numerals".
    {MessageCode::FromTo, QT_TRANSLATE_NOOP("CoreTexts", "From %1 to %2")},
    //: Stands for %1 or %2 of "From %1 to %2".
    {MessageCode::RomanNumerals, QT_TRANSLATE_NOOP("CoreTexts", "Roman numerals")},
    //: A number system, as in "base 16"; stands for %1 or %2 of "From %1 to %2".
    {MessageCode::Base, QT_TRANSLATE_NOOP("CoreTexts", "base %1")},
    {MessageCode::UnitsFileProblems,
     QT_TRANSLATE_NOOP("CoreTexts",
                       "Lines of %1 that define no unit are left out and kept in the file:\n%2")},
    {MessageCode::UnitsFileLine, QT_TRANSLATE_NOOP("CoreTexts", "line %1: %2")},
    {MessageCode::UnitsSectionUnknown,
     QT_TRANSLATE_NOOP("CoreTexts", "[%1] is not the name of a category's section")},
    {MessageCode::UnitsCategoryTakesNone,
     QT_TRANSLATE_NOOP("CoreTexts",
                       "%1 takes no units of your own: only categories converted by a factor do")},
    {MessageCode::UnitLineUnreadable,
     QT_TRANSLATE_NOOP("CoreTexts",
                       "a unit is written as name = value unit, as in step = 60 centimeter")},
    {MessageCode::UnitNameEmpty, QT_TRANSLATE_NOOP("CoreTexts", "the unit has no name")},
    {MessageCode::UnitNameTaken,
     QT_TRANSLATE_NOOP("CoreTexts", "\"%1\" is already a name in this category")},
    {MessageCode::UnitNameUnwritable,
     QT_TRANSLATE_NOOP("CoreTexts",
                       "\"%1\" cannot be written in the units file: a name holds no \",\", \"=\", "
                       "\";\" or control character and does not begin with \"[\" or \"#\"")},
    {MessageCode::UnitValueInvalid,
     QT_TRANSLATE_NOOP("CoreTexts", "\"%1\" is not a positive number")},
    {MessageCode::UnitBaseUnknown,
     QT_TRANSLATE_NOOP("CoreTexts", "\"%1\" is not a unit of this category's table")},
};
static_assert(engine::HasEveryCodeInOrder(kTexts));

}  // namespace

const char* SourceText(MessageCode code) {
  return kTexts[static_cast<std::size_t>(code)].Text;
}

QString ShownText(const engine::Message& message) {
  const QString text = QCoreApplication::translate("CoreTexts", SourceText(message.Code));
  switch (engine::ArgumentsOf(message.Code)) {
    case engine::MessageArguments::None:
      break;
    case engine::MessageArguments::Number:
      return text.arg(message.Number);
    case engine::MessageArguments::Path:
      // The path is the file system's, shown as its bytes read in UTF-8.
      return text.arg(ToQString(message.Path));
    case engine::MessageArguments::Parts:
      return text.arg(ShownText(message.Parts.at(0)), ShownText(message.Parts.at(1)));
    case engine::MessageArguments::Line:
      return text.arg(QString::number(message.Number),
                      message.Parts.empty() ? QString() : ShownText(message.Parts[0]));
    case engine::MessageArguments::PathLines: {
      QStringList lines;
      for (const engine::Message& part : message.Parts) lines.append(ShownText(part));
      return text.arg(ToQString(message.Path), lines.join(QLatin1Char('\n')));
    }
  }
  return text;
}

QString ShownOutputText(const engine::ConversionResult& result) {
  return result.Failure ? ShownText(*result.Failure) : ToQString(result.Text);
}

QString ShownFactorText(const engine::ConversionFactor& factor) {
  QStringList lines;
  if (!factor.Text.empty()) lines.append(ToQString(factor.Text));
  for (const engine::Message& line : factor.Lines) lines.append(ShownText(line));
  return lines.join(QLatin1Char('\n'));
}

}  // namespace quantivo::ui
