#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/custom_units.h"
#include "catalogue/unit_catalogue.h"
#include "engine/format_result.h"
#include "engine/message.h"
#include "model/user_messages.h"

namespace quantivo::model {

/// The units file's name; it lives beside the settings file.
inline constexpr const char* kCustomUnitsFileName = "units.ini";

/// The units file beside the settings file at `settingsPath`.
std::string CustomUnitsFilePath(const std::string& settingsPath);

/// A unit as the user wrote it, not yet checked: its name, its other names separated
/// by ",", and "1 name =" Value Base, the value written with a point.
struct CustomUnitText {
  std::string Name;
  std::string OtherNames;
  std::string Value;
  std::string Base;
};

/// A definition checked against its category: the unit, or why it is refused.
struct CheckedUnit {
  std::optional<catalogue::CustomUnit> Unit;
  engine::Message Refusal;
};

/// Checks `text` as a unit of the category, beside its table and its other units of
/// the user's own but the one at `replacing` (-1 for a new one). Refused: an empty
/// name; a name or other name the category already has, in any case; one that cannot
/// be written in the file; a value that is not a positive finite number; a base that
/// is no name of a table unit of the category. The name and other names lose the
/// blanks at their ends.
CheckedUnit CheckCustomUnit(const catalogue::UnitCatalogue& catalogue, int category,
                            const CustomUnitText& text, int replacing);

/// What a unit of the user's own means in the two units of its category most people
/// know, as the Custom Units dialog explains a definition: "1 step = 0.6 meter =
/// 1.968503937 foot", numbers in AutoFormat and the locale's separators.
std::string DefinitionMeaning(const catalogue::UnitCatalogue& catalogue, int category,
                              const catalogue::CustomUnit& unit,
                              const engine::NumberLocale& locale);

/// A line of the units file that cannot be read: its number, from 1, and what is wrong.
struct UnitsFileProblem {
  int Line = 0;
  engine::Message What;

  friend bool operator==(const UnitsFileProblem&, const UnitsFileProblem&) = default;
};

/// What a units file defines, and the lines it leaves out.
struct UnitsFileContents {
  catalogue::CustomUnitLists Units;
  std::vector<UnitsFileProblem> Problems;
};

/// Reads the units file's text: under a category's settings section name, one unit a
/// line, "step, st = 60 centimeter" (the name, its other names, then "=" a value and a
/// table unit). Blank lines and lines beginning with ";" or "#" are comments. A line
/// that cannot be read, or a section that names no category taking units, is a
/// problem and defines nothing.
UnitsFileContents ReadCustomUnits(std::string_view text, const catalogue::UnitCatalogue& catalogue);

/// The units file's text with `units` in place of the catalogue's units of the user's
/// own: a unit's line is kept byte for byte while the unit stays as it was, written
/// anew when it changed (a renamed unit keeps its line when it keeps its place) and
/// left out when it went; a new unit goes after the last line of its category's
/// section (a new section at the end). Comments, problems, unknown lines and units the
/// catalogue does not have (written by hand since it was read) stay.
std::string WriteCustomUnits(std::string_view text, const catalogue::UnitCatalogue& catalogue,
                             const catalogue::CustomUnitLists& units);

/// Reads the units file at `path`. No file defines nothing; a file that cannot be read
/// or is in UTF-16 is reported as "Unable to read", and every line that cannot be read
/// once, with its number and what is wrong.
catalogue::CustomUnitLists LoadCustomUnitsFile(const std::string& path,
                                               const catalogue::UnitCatalogue& catalogue,
                                               UserMessages& messages);

/// Writes `units` into the units file at `path` as the settings file is written:
/// beside it and renamed into place, through a link, its mode and owner kept. Returns
/// the units the file defines as written; nothing, with "Unable to write to" and the
/// path reported, when a step fails.
std::optional<catalogue::CustomUnitLists> SaveCustomUnitsFile(
    const std::string& path, const catalogue::UnitCatalogue& catalogue,
    const catalogue::CustomUnitLists& units, UserMessages& messages);

}  // namespace quantivo::model
