#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace quantivo::engine {

/// Everything the program tells the user in words, by what it says. The core and the
/// window report codes; the window (in the interface's language) and the command line
/// (in English) each turn them into text through one table. The comment after a code
/// names what its %1 (and %2) stand for.
enum class MessageCode {
  // In the output box, in a result's place.
  ResultTooLarge,
  DecimalTooPrecise,
  InvalidNumber,  // Number: the 1-based position at which the text stops being a number
  InvalidBinaryNumber,
  InvalidOctalNumber,
  InvalidDecimalNumber,
  InvalidHexadecimalNumber,
  InvalidBaseNumber,  // Number: the base
  InvalidRomanNumeral,
  // In message boxes.
  UnableToRead,   // Path
  UnableToWrite,  // Path
  TabIndexOutOfBounds,
  CategoryArrangingLost,
  CannotInvert,
  BothUnitsNeeded,
  NoStrikeoutOrUnderline,
  UnableToStartCalculator,
  // The conversion factor's lines for number systems, and the systems they name.
  FromTo,  // Parts: the two number systems, each RomanNumerals or Base
  RomanNumerals,
  Base,  // Number: the base
  // A line of the units file that cannot be read, and what is wrong with it or with a
  // unit the Custom Units dialog is given.
  UnitsFileProblems,       // Path: the file; Parts: its lines, each UnitsFileLine
  UnitsFileLine,           // Number: the line; Parts: what is wrong
  UnitsSectionUnknown,     // Path: the section's name as written
  UnitsCategoryTakesNone,  // Path: the category's name
  UnitLineUnreadable,
  UnitNameEmpty,
  UnitNameTaken,       // Path: the name
  UnitNameUnwritable,  // Path: the name
  UnitValueInvalid,    // Path: the value as written
  UnitBaseUnknown,     // Path: the unit's name as written
};

/// How many codes there are; UnitBaseUnknown is the last.
inline constexpr std::size_t kMessageCodeCount =
    static_cast<std::size_t>(MessageCode::UnitBaseUnknown) + 1;

/// A message: its code and what its text names.
struct Message {
  Message() = default;
  /// A message that names nothing, or a number.
  Message(MessageCode code, int number = 0) : Code(code), Number(number) {}  // NOLINT: a code
  /// A message that names a file.
  Message(MessageCode code, std::string path) : Code(code), Path(std::move(path)) {}
  /// A message that names messages of its own.
  Message(MessageCode code, std::vector<Message> parts) : Code(code), Parts(std::move(parts)) {}

  MessageCode Code{};
  /// A position or a base (see the code).
  int Number = 0;
  /// A file's path, as the file system's bytes, or a name or value the user wrote.
  std::string Path;
  /// Messages of their own that the text names: a FromTo line's number systems.
  std::vector<Message> Parts;

  friend bool operator==(const Message&, const Message&) = default;
};

/// What %1 (and %2) in a code's text stand for: a line of a file is its number and what
/// is wrong (the first of Parts); a file's lines are its path and the lines (Parts),
/// each on a line of its own.
enum class MessageArguments { None, Number, Path, Parts, Line, PathLines };

constexpr MessageArguments ArgumentsOf(MessageCode code) {
  switch (code) {
    case MessageCode::InvalidNumber:
    case MessageCode::InvalidBaseNumber:
    case MessageCode::Base:
      return MessageArguments::Number;
    case MessageCode::UnableToRead:
    case MessageCode::UnableToWrite:
    case MessageCode::UnitsSectionUnknown:
    case MessageCode::UnitsCategoryTakesNone:
    case MessageCode::UnitNameTaken:
    case MessageCode::UnitNameUnwritable:
    case MessageCode::UnitValueInvalid:
    case MessageCode::UnitBaseUnknown:
      return MessageArguments::Path;
    case MessageCode::FromTo:
      return MessageArguments::Parts;
    case MessageCode::UnitsFileLine:
      return MessageArguments::Line;
    case MessageCode::UnitsFileProblems:
      return MessageArguments::PathLines;
    default:
      return MessageArguments::None;
  }
}

/// Whether a table of texts has one row for each code, in the codes' order (a row's
/// Code is its code), so that a text is found by its code's value.
template <typename Row, std::size_t N>
constexpr bool HasEveryCodeInOrder(const Row (&rows)[N]) {
  if (N != kMessageCodeCount) return false;
  for (std::size_t i = 0; i < N; ++i) {
    if (rows[i].Code != static_cast<MessageCode>(i)) return false;
  }
  return true;
}

/// The message in English, as the command line prints it: "invalid number [3]",
/// "Unable to read /home/a/QUANTIVO.INI", "From base 2 to Roman numerals".
std::string EnglishText(const Message& message);

}  // namespace quantivo::engine
