#include "model/custom_units_file.h"

#include <cmath>
#include <filesystem>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "catalogue/name_match.h"
#include "engine/parse_number.h"
#include "model/atomic_file.h"
#include "model/text_file.h"

namespace quantivo::model {
namespace {

using catalogue::CustomUnit;
using catalogue::CustomUnitLists;
using catalogue::UnitCatalogue;
using engine::Message;
using engine::MessageCode;

constexpr std::string_view kBlanks = " \t";

std::string_view Trimmed(std::string_view text) {
  const std::size_t start = text.find_first_not_of(kBlanks);
  if (start == std::string_view::npos) return {};
  return text.substr(start, text.find_last_not_of(kBlanks) + 1 - start);
}

// Whether `text` is whole UTF-8: every lead byte with its continuation bytes.
bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80                   ? 1
                               : lead >= 0xF0 && lead < 0xF5 ? 4
                               : lead >= 0xE0                ? 3
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                                                             : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

// A name the file can hold on one unit line and give back the same: the line is split
// at "," and "=", a ";" begins a comment, and a line beginning with "[" or "#" is a
// section or a comment.
bool IsWritableName(std::string_view name) {
  if (name.front() == '[' || name.front() == '#') return false;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || c == ',' || c == '=' || c == ';') return false;
  }
  return IsUtf8(name);
}

// The names a category has besides the user's units being read or checked: every
// name in lower case, to refuse a name again in any case, and the table's names by
// which a definition names its base.
class CategoryNames {
 public:
  CategoryNames(const UnitCatalogue& catalogue, int category) {
    const std::span<const catalogue::UnitRecord> units = catalogue.DefinedUnits(category);
    const int tableCount = catalogue.Category(category).TableUnitCount;
    std::unordered_map<std::string_view, int> tableUnit;
    for (int u = 0; u < tableCount; ++u) {
      const std::string_view name = units[static_cast<std::size_t>(u)].Name;
      tableUnit.emplace(name, u);
      m_byLowerCase.emplace(catalogue::AsciiLowerCase(name), name);
      m_taken.insert(catalogue::AsciiLowerCase(name));
    }
    for (const catalogue::UnitOtherNames& other : catalogue.OtherNamesOf(category)) {
      if (!tableUnit.contains(other.Unit)) continue;  // a unit of the user's own
      catalogue::ForEachListedName(other.Symbols, [&](std::string_view symbol) {
        m_bySymbol.emplace(symbol, other.Unit);
        m_taken.insert(catalogue::AsciiLowerCase(symbol));
      });
      catalogue::ForEachListedName(other.Words, [&](std::string_view word) {
        m_byLowerCase.emplace(catalogue::AsciiLowerCase(word), other.Unit);
        m_taken.insert(catalogue::AsciiLowerCase(word));
      });
    }
  }

  // The table unit `written` names: a table name or a word in any case, or a symbol.
  const std::string_view* Base(std::string_view written) const {
    if (const auto found = m_byLowerCase.find(catalogue::AsciiLowerCase(written));
        found != m_byLowerCase.end())
      return &found->second;
    const auto symbol = m_bySymbol.find(written);
    return symbol == m_bySymbol.end() ? nullptr : &symbol->second;
  }

  bool Taken(std::string_view name) const {
    return m_taken.contains(catalogue::AsciiLowerCase(name));
  }
  void Take(const CustomUnit& unit) {
    m_taken.insert(catalogue::AsciiLowerCase(unit.Name));
    for (const std::string& other : unit.OtherNames)
      m_taken.insert(catalogue::AsciiLowerCase(other));
  }

 private:
  std::unordered_map<std::string, std::string_view> m_byLowerCase;
  std::unordered_map<std::string_view, std::string_view> m_bySymbol;
  std::unordered_set<std::string> m_taken;
};

CheckedUnit Refused(MessageCode code, std::string_view what = {}) {
  return {std::nullopt, Message(code, std::string(what))};
}

CheckedUnit Check(const UnitCatalogue& catalogue, int category, const CategoryNames& names,
                  const CustomUnitText& text) {
  if (!catalogue::TakesCustomUnits(catalogue.Category(category).Kind)) {
    return Refused(MessageCode::UnitsCategoryTakesNone, catalogue.Category(category).DisplayName);
  }
  CustomUnit unit;
  unit.Name = Trimmed(text.Name);
  if (unit.Name.empty()) return Refused(MessageCode::UnitNameEmpty);
  std::unordered_set<std::string> own{catalogue::AsciiLowerCase(unit.Name)};
  std::optional<CheckedUnit> refusal;
  // A list the user typed may hold "=" or a line break: those are refused, not split.
  catalogue::ForEachListedName(text.OtherNames, [&](std::string_view other) {
    other = Trimmed(other);
    if (other.empty() || refusal) return;
    if (!IsWritableName(other)) refusal = Refused(MessageCode::UnitNameUnwritable, other);
    if (names.Taken(other)) refusal = Refused(MessageCode::UnitNameTaken, other);
    // The same name twice in one definition is one name.
    if (own.insert(catalogue::AsciiLowerCase(other)).second) unit.OtherNames.emplace_back(other);
  });
  if (!IsWritableName(unit.Name)) return Refused(MessageCode::UnitNameUnwritable, unit.Name);
  if (names.Taken(unit.Name)) return Refused(MessageCode::UnitNameTaken, unit.Name);
  if (refusal) return *refusal;

  unit.Value = Trimmed(text.Value);
  const engine::ParsedNumber value = engine::ParseNumber(unit.Value);
  if (unit.Value.empty() || value.ErrorPos != 0 || !std::isfinite(value.Value) || value.Value <= 0)
    return Refused(MessageCode::UnitValueInvalid, unit.Value);
  const std::string_view* base = names.Base(Trimmed(text.Base));
  if (base == nullptr) return Refused(MessageCode::UnitBaseUnknown, Trimmed(text.Base));
  unit.Base = *base;
  // The table's units come first in definition order; units of the user's own follow.
  const std::span<const catalogue::UnitRecord> table = catalogue.DefinedUnits(category).first(
      static_cast<std::size_t>(catalogue.Category(category).TableUnitCount));
  for (const catalogue::UnitRecord& record : table) {
    if (record.Name == unit.Base) unit.Factor = record.Factor / value.Value;
  }
  // A value so far from the base's that its factor is not a number the engine can use.
  if (!std::isfinite(unit.Factor) || unit.Factor <= 0)
    return Refused(MessageCode::UnitValueInvalid, unit.Value);
  return {std::move(unit), {}};
}

// One line of the units file as read: its bytes (with its line end) and what it is.
struct FileLine {
  std::string_view Bytes;
  int Section = -1;     // the category of the section the line is in; -1 for none
  bool Header = false;  // a section's own line
  std::optional<CustomUnit> Unit;
};

struct ParsedFile {
  std::vector<FileLine> Lines;
  UnitsFileContents Contents;
  std::string_view LineEnd = "\n";
};

// The category a section line names, -1 for none, and a refusal for a section that
// names none or a category that takes no units of one's own.
std::pair<int, std::optional<CheckedUnit>> ReadSectionLine(std::string_view content,
                                                           const UnitCatalogue& catalogue) {
  const std::string_view name = Trimmed(content.substr(1, content.find(']') - 1));
  int section = -1;
  for (int c = 0; c < catalogue.CategoryCount(); ++c) {
    if (catalogue::EqualIgnoringCase(catalogue.Category(c).SectionName, name)) section = c;
  }
  if (section < 0) return {section, Refused(MessageCode::UnitsSectionUnknown, name)};
  if (!catalogue::TakesCustomUnits(catalogue.Category(section).Kind))
    return {section,
            Refused(MessageCode::UnitsCategoryTakesNone, catalogue.Category(section).DisplayName)};
  return {section, std::nullopt};
}

// The unit a line of a category's section defines, "step, st = 60 centimeter", or why
// it is refused.
CheckedUnit ReadUnitLine(std::string_view content, const UnitCatalogue& catalogue, int section,
                         const CategoryNames& names) {
  // A ";" ends what a unit line says; a comment follows it.
  content = Trimmed(content.substr(0, content.find(';')));
  const std::size_t equals = content.find('=');
  const std::string_view definition = Trimmed(content.substr(equals + 1));
  const std::size_t blank = definition.find_first_of(kBlanks);
  if (equals == std::string_view::npos || blank == std::string_view::npos)
    return Refused(MessageCode::UnitLineUnreadable);
  const std::string_view written = content.substr(0, equals);
  const std::size_t comma = written.find(',');
  const CustomUnitText text{
      std::string(written.substr(0, comma)),
      std::string(comma == std::string_view::npos ? std::string_view() : written.substr(comma + 1)),
      std::string(definition.substr(0, blank)), std::string(definition.substr(blank))};
  return Check(catalogue, section, names, text);
}

ParsedFile Parse(std::string_view text, const UnitCatalogue& catalogue) {
  ParsedFile parsed;
  parsed.Contents.Units.resize(static_cast<std::size_t>(catalogue.CategoryCount()));
  std::vector<std::optional<CategoryNames>> names(parsed.Contents.Units.size());
  int section = -1;
  bool takesUnits = false;  // whether the lines of the section are read as units
  bool sectionSeen = false;
  parsed.LineEnd = LineEndOf(text);
  for (std::size_t start = 0; start < text.size();) {
    // In a file of "\r" line ends, a "\r" ends a line too.
    const std::size_t end = LineEndAfter(text, start, parsed.LineEnd == "\r" ? "\n\r" : "\n");
    FileLine& line = parsed.Lines.emplace_back();
    line.Bytes = text.substr(start, end - start);
    std::string_view content = line.Bytes;
    start = end;
    if (parsed.Lines.size() == 1 && content.starts_with("\xEF\xBB\xBF")) content.remove_prefix(3);
    if (content.ends_with('\n')) content.remove_suffix(1);
    if (content.ends_with('\r')) content.remove_suffix(1);
    content = Trimmed(content);
    const int number = static_cast<int>(parsed.Lines.size());
    std::optional<CheckedUnit> refused;
    if (!content.empty() && content.front() == '[') {
      std::tie(section, refused) = ReadSectionLine(content, catalogue);
      takesUnits = !refused;
      sectionSeen = true;
      line.Header = true;
    }
    line.Section = section;
    const bool comment = content.empty() || content.front() == ';' || content.front() == '#';
    // A line before any section belongs to no category; those of a section that names
    // none were reported with it.
    if (!line.Header && !comment && !sectionSeen) {
      refused = Refused(MessageCode::UnitLineUnreadable);
    } else if (!line.Header && !comment && takesUnits) {
      std::optional<CategoryNames>& categoryNames = names[static_cast<std::size_t>(section)];
      if (!categoryNames) categoryNames.emplace(catalogue, section);
      CheckedUnit checked = ReadUnitLine(content, catalogue, section, *categoryNames);
      if (checked.Unit) {
        categoryNames->Take(*checked.Unit);
        line.Unit = checked.Unit;
        parsed.Contents.Units[static_cast<std::size_t>(section)].push_back(
            std::move(*checked.Unit));
      } else {
        refused = std::move(checked);
      }
    }
    if (refused) {
      Message what(MessageCode::UnitsFileLine, std::vector<Message>{refused->Refusal});
      what.Number = number;
      parsed.Contents.Problems.push_back({number, std::move(what)});
    }
  }
  return parsed;
}

std::string UnitLine(const CustomUnit& unit, std::string_view lineEnd) {
  std::string line = unit.Name;
  for (const std::string& other : unit.OtherNames) line.append(", ").append(other);
  line.append(" = ").append(unit.Value).append(" ").append(unit.Base).append(lineEnd);
  return line;
}

// What a save does to the file's lines: each kept, written anew or left out, and the
// new units' lines before a line or in new sections at the end.
struct SavePlan {
  explicit SavePlan(std::size_t lines) : Replaced(lines), Dropped(lines, false), Added(lines + 1) {}
  std::vector<std::optional<std::string>> Replaced;
  std::vector<bool> Dropped;
  std::vector<std::string> Added;  // written before line i
  std::string Sections;
};

// Plans the category's unit lines: kept while the unit is wanted as it is, written anew
// when it changed, left out when it went. A unit the program did not have was written
// by hand since it read the file, and its line stays. Returns which of `wanted` have a
// line.
std::vector<bool> KeepOrRewrite(const ParsedFile& parsed, const UnitCatalogue& catalogue,
                                int category, const std::vector<CustomUnit>& wanted,
                                SavePlan& plan) {
  std::unordered_map<std::string_view, std::size_t> wantedByName;
  for (std::size_t u = 0; u < wanted.size(); ++u) wantedByName.emplace(wanted[u].Name, u);
  std::unordered_set<std::string_view> known;
  for (const CustomUnit& unit : catalogue.CustomUnits(category)) known.insert(unit.Name);
  std::vector<bool> placed(wanted.size(), false);
  std::vector<std::size_t> unitLines;  // the category's unit lines, in file order
  std::vector<bool> matched;
  for (std::size_t i = 0; i < parsed.Lines.size(); ++i) {
    const FileLine& line = parsed.Lines[i];
    if (line.Section != category || !line.Unit) continue;
    unitLines.push_back(i);
    const auto same = wantedByName.find(line.Unit->Name);
    const bool found = same != wantedByName.end() && !placed[same->second];
    matched.push_back(found || !known.contains(line.Unit->Name));
    if (!found) continue;
    placed[same->second] = true;
    if (!(wanted[same->second] == *line.Unit))
      plan.Replaced[i] = UnitLine(wanted[same->second], parsed.LineEnd);
  }
  // A unit renamed takes the line of the name it had, when that line is at its own
  // place among the category's units and its name went.
  for (std::size_t u = 0; u < wanted.size() && u < unitLines.size(); ++u) {
    const FileLine& line = parsed.Lines[unitLines[u]];
    if (placed[u] || matched[u] || wantedByName.contains(line.Unit->Name)) continue;
    placed[u] = true;
    matched[u] = true;
    plan.Replaced[unitLines[u]] = UnitLine(wanted[u], parsed.LineEnd);
  }
  for (std::size_t k = 0; k < unitLines.size(); ++k) {
    if (!matched[k]) plan.Dropped[unitLines[k]] = true;
  }
  return placed;
}

// Plans the lines of the wanted units that have none: after the last line of the
// category's last section that is not blank, or in a new section at the end.
void AddNewUnits(const ParsedFile& parsed, const UnitCatalogue& catalogue, int category,
                 const std::vector<CustomUnit>& wanted, const std::vector<bool>& placed,
                 SavePlan& plan) {
  std::string newLines;
  for (std::size_t u = 0; u < wanted.size(); ++u) {
    if (!placed[u]) newLines += UnitLine(wanted[u], parsed.LineEnd);
  }
  if (newLines.empty()) return;
  std::optional<std::size_t> after;
  for (std::size_t i = 0; i < parsed.Lines.size(); ++i) {
    const FileLine& line = parsed.Lines[i];
    if (line.Section == category &&
        line.Bytes.find_first_not_of(" \t\r\n") != std::string_view::npos)
      after = i;
  }
  if (after) {
    plan.Added[*after + 1] += newLines;
    return;
  }
  plan.Sections.append("[")
      .append(catalogue.Category(category).SectionName)
      .append("]")
      .append(parsed.LineEnd)
      .append(newLines);
}

std::string Written(const ParsedFile& parsed, const SavePlan& plan, std::size_t sizeHint) {
  std::string written;
  written.reserve(sizeHint + 64);
  // A last line without its line end gets one before anything follows it.
  const auto endLine = [&] {
    if (!written.empty() && !written.ends_with('\n') && !written.ends_with(parsed.LineEnd))
      written += parsed.LineEnd;
  };
  for (std::size_t i = 0; i <= parsed.Lines.size(); ++i) {
    if (!plan.Added[i].empty()) {
      endLine();
      written += plan.Added[i];
    }
    if (i == parsed.Lines.size() || plan.Dropped[i]) continue;
    written += plan.Replaced[i] ? std::string_view(*plan.Replaced[i]) : parsed.Lines[i].Bytes;
  }
  if (!plan.Sections.empty()) {
    endLine();
    // A new section stands apart from what is above it.
    const std::string blank = std::string(parsed.LineEnd) + std::string(parsed.LineEnd);
    if (!written.empty() && !written.ends_with(blank)) written += parsed.LineEnd;
    written += plan.Sections;
  }
  return written;
}

}  // namespace

std::string CustomUnitsFilePath(const std::string& settingsPath) {
  return PathInFolder(std::filesystem::path(settingsPath).parent_path().native(),
                      kCustomUnitsFileName);
}

CheckedUnit CheckCustomUnit(const UnitCatalogue& catalogue, int category,
                            const CustomUnitText& text, int replacing) {
  CategoryNames names(catalogue, category);
  const std::vector<CustomUnit>& custom = catalogue.CustomUnits(category);
  for (int u = 0; u < static_cast<int>(custom.size()); ++u) {
    if (u != replacing) names.Take(custom[static_cast<std::size_t>(u)]);
  }
  return Check(catalogue, category, names, text);
}

std::string DefinitionMeaning(const UnitCatalogue& catalogue, int category, const CustomUnit& unit,
                              const engine::NumberLocale& locale) {
  std::string meaning = "1 " + unit.Name;
  const catalogue::UnitCategory& unitCategory = catalogue.Category(category);
  for (const std::string_view familiar : catalogue::FamiliarUnits(unitCategory.SectionName)) {
    for (const catalogue::UnitRecord& record : catalogue.DefinedUnits(category)) {
      if (familiar.empty() || record.Name != familiar) continue;
      meaning.append(" = ")
          .append(engine::FormatResult(record.Factor / unit.Factor, {}, locale))
          .append(" ")
          .append(record.Name);
    }
  }
  return meaning;
}

UnitsFileContents ReadCustomUnits(std::string_view text, const UnitCatalogue& catalogue) {
  return Parse(text, catalogue).Contents;
}

std::string WriteCustomUnits(std::string_view text, const UnitCatalogue& catalogue,
                             const CustomUnitLists& units) {
  const ParsedFile parsed = Parse(text, catalogue);
  SavePlan plan(parsed.Lines.size());
  for (int c = 0; c < catalogue.CategoryCount(); ++c) {
    const std::vector<CustomUnit> none;
    const std::vector<CustomUnit>& wanted =
        static_cast<std::size_t>(c) < units.size() ? units[static_cast<std::size_t>(c)] : none;
    const std::vector<bool> placed = KeepOrRewrite(parsed, catalogue, c, wanted, plan);
    AddNewUnits(parsed, catalogue, c, wanted, placed, plan);
  }
  return Written(parsed, plan, text.size());
}

CustomUnitLists LoadCustomUnitsFile(const std::string& path, const UnitCatalogue& catalogue,
                                    UserMessages& messages) {
  const std::optional<std::string> text = ReadUserText(path);
  if (!text) {
    messages.ShowError({MessageCode::UnableToRead, path});
    return {};
  }
  UnitsFileContents contents = ReadCustomUnits(*text, catalogue);
  if (!contents.Problems.empty()) {
    Message problems(MessageCode::UnitsFileProblems, path);
    for (UnitsFileProblem& problem : contents.Problems) problems.Parts.push_back(problem.What);
    messages.ShowError(problems);
  }
  return std::move(contents.Units);
}

std::optional<CustomUnitLists> SaveCustomUnitsFile(const std::string& path,
                                                   const UnitCatalogue& catalogue,
                                                   const CustomUnitLists& units,
                                                   UserMessages& messages) {
  std::optional<CustomUnitLists> saved = [&]() -> std::optional<CustomUnitLists> {
    const std::optional<std::filesystem::path> target = ResolveLinks(path);
    if (!target) return std::nullopt;
    // A file that exists but cannot be read would lose what only it holds.
    const std::optional<std::string> old = ReadUserText(*target);
    if (!old) return std::nullopt;
    const std::string text = WriteCustomUnits(*old, catalogue, units);
    if (!ReplaceFileText(*target, text)) return std::nullopt;
    return ReadCustomUnits(text, catalogue).Units;
  }();
  if (!saved) messages.ShowError({MessageCode::UnableToWrite, path});
  return saved;
}

}  // namespace quantivo::model
