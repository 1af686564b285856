#include "ui/core_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include "engine/conversion_messages.h"
#include "ui/qt_convert.h"

namespace quantivo::ui {
namespace {

QString Translate(const char* text) {
  return QCoreApplication::translate("CoreTexts", text);
}

// What the engine writes in the output box in place of a result, word for word.
constexpr const char* kOutputMessages[] = {
    QT_TRANSLATE_NOOP("CoreTexts", "result too large"),
    QT_TRANSLATE_NOOP("CoreTexts", "decimal too precise"),
    QT_TRANSLATE_NOOP("CoreTexts", "invalid binary number"),
    QT_TRANSLATE_NOOP("CoreTexts", "invalid octal number"),
    QT_TRANSLATE_NOOP("CoreTexts", "invalid decimal number"),
    QT_TRANSLATE_NOOP("CoreTexts", "invalid hexadecimal number"),
    QT_TRANSLATE_NOOP("CoreTexts", "invalid Roman numeral"),
};

// The boxes' messages that are always the same text.
constexpr const char* kBoxMessages[] = {
    QT_TRANSLATE_NOOP("CoreTexts", "Tab index out of bounds"),
    QT_TRANSLATE_NOOP("CoreTexts",
                      "Because of the addition of new unit categories in this version of "
                      "Quantivo, any custom category arranging will need to be redone."),
    QT_TRANSLATE_NOOP("CoreTexts", "You cannot invert this type of conversion."),
    QT_TRANSLATE_NOOP("CoreTexts",
                      "Both units must be selected before you can invert the conversion."),
    QT_TRANSLATE_NOOP("CoreTexts", "Strikeout and underline attributes are not allowed."),
    QT_TRANSLATE_NOOP("CoreTexts", "Unable to start the Windows Calculator."),
};

// "Roman numerals" or "base 16", as a factor line names a number system.
QString ShownNumberSystem(const QString& name) {
  if (name == QLatin1String("Roman numerals")) {
    //: Stands for %1 or %2 of "From %1 to %2".
    return QCoreApplication::translate("CoreTexts", "Roman numerals");
  }
  static const QRegularExpression base(QStringLiteral("^base (\\d+)$"));
  const QRegularExpressionMatch match = base.match(name);
  if (!match.hasMatch()) return name;
  //: A number system, as in "base 16"; stands for %1 or %2 of "From %1 to %2".
  return QCoreApplication::translate("CoreTexts", "base %1").arg(match.captured(1));
}

}  // namespace

QString ShownOutputText(const std::string& text) {
  if (!engine::IsConversionMessage(text)) return ToQString(text);
  for (const char* message : kOutputMessages) {
    if (text == message) return Translate(message);
  }
  const QString shown = ToQString(text);
  static const QRegularExpression position(QStringLiteral("^invalid number \\[(\\d+)\\]$"));
  if (const QRegularExpressionMatch match = position.match(shown); match.hasMatch()) {
    return QCoreApplication::translate("CoreTexts", "invalid number [%1]").arg(match.captured(1));
  }
  static const QRegularExpression base(QStringLiteral("^invalid base-(\\d+) number$"));
  if (const QRegularExpressionMatch match = base.match(shown); match.hasMatch()) {
    return QCoreApplication::translate("CoreTexts", "invalid base-%1 number")
        .arg(match.captured(1));
  }
  return shown;
}

QString ShownMessage(std::string_view text) {
  for (const char* message : kBoxMessages) {
    if (text == message) return Translate(message);
  }
  // The path is the file system's, shown as its bytes read in UTF-8.
  constexpr std::string_view kUnableToRead = "Unable to read ";
  constexpr std::string_view kUnableToWrite = "Unable to write to ";
  if (text.starts_with(kUnableToRead)) {
    return QCoreApplication::translate("CoreTexts", "Unable to read %1")
        .arg(ToQString(text.substr(kUnableToRead.size())));
  }
  if (text.starts_with(kUnableToWrite)) {
    return QCoreApplication::translate("CoreTexts", "Unable to write to %1")
        .arg(ToQString(text.substr(kUnableToWrite.size())));
  }
  return ToQString(text);
}

QString ShownFactorText(const std::string& text) {
  static const QRegularExpression direction(QStringLiteral("^From (.+) to (.+)$"));
  QStringList lines = ToQString(text).split(QLatin1Char('\n'));
  for (QString& line : lines) {
    const QRegularExpressionMatch match = direction.match(line);
    if (!match.hasMatch()) continue;
    //: A line of the conversion factor: %1 and %2 are number systems, "base 2" or
    //: "Roman numerals".
    line = QCoreApplication::translate("CoreTexts", "From %1 to %2")
               .arg(ShownNumberSystem(match.captured(1)), ShownNumberSystem(match.captured(2)));
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace quantivo::ui
