#pragma once

#include <climits>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/unit_catalogue.h"
#include "engine/conversion_factor.h"
#include "engine/conversion_result.h"
#include "engine/convert_text.h"
#include "engine/format_result.h"
#include "engine/message.h"

namespace quantivo::model {

/// What one category last showed: the selected list positions (-1 for none, in the
/// lists' current order) and the input text.
struct CategoryViewState {
  int FormatIn = 0;
  int FormatOut = 0;
  std::string ValueIn;

  friend bool operator==(const CategoryViewState&, const CategoryViewState&) = default;
};

/// A font as the settings file keeps it. Size is in points; Color is the 32-bit
/// value with red in the lowest byte.
struct FontSpec {
  std::string Name;
  int Size = 10;
  std::int32_t Color = 0;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  /// Whether the user picked Color. A font of the default colour shows in the text
  /// colour of the desktop's theme, so it stays legible under a dark or a
  /// high-contrast palette.
  bool ColorChosen = false;

  /// The sizes in points at which the window stays usable.
  static constexpr int kMinSize = 6;
  static constexpr int kMaxSize = 72;

  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

/// The fonts the Fonts dialog's Reset gives: bold 10-point Arial for the boxes and
/// lists, 7-point Small Fonts for the tab captions, both in the default colour. (A
/// settings file without the bold key reads the main font as regular.)
FontSpec DefaultMainFont();
FontSpec DefaultTabFont();

/// A font size moved into the usable range: a size outside it becomes the nearer end.
constexpr int UsableFontSize(int size) {
  return size < FontSpec::kMinSize   ? FontSpec::kMinSize
         : size > FontSpec::kMaxSize ? FontSpec::kMaxSize
                                     : size;
}

/// The window's place on the screen, in pixels: its outer frame.
struct WindowBounds {
  /// A place the settings file did not give: the window system places the window.
  static constexpr int kUnplaced = INT_MIN;
  /// A size the settings file did not give: the window opens at its design size.
  static constexpr int kUnsized = 0;

  int FormTop = kUnplaced;
  int FormLeft = kUnplaced;
  int FormWidth = kUnsized;
  int FormHeight = kUnsized;
  bool IsMaximized = false;

  bool Placed() const { return FormTop != kUnplaced && FormLeft != kUnplaced; }
  bool Sized() const { return FormWidth > 0 && FormHeight > 0; }

  friend bool operator==(const WindowBounds&, const WindowBounds&) = default;
};

/// A unit list as shown: its entries and the selected position (-1 for none). The
/// entries are a view of the model's name list of the shown category, good until the
/// observer is next told that the list's entries changed.
struct UnitList {
  std::span<const std::string_view> Entries;
  int Selected = -1;
};

/// The parts of the shown values that a change touched.
enum class ShownPart : unsigned {
  InputListEntries = 1u << 0,
  InputListSelection = 1u << 1,
  OutputListEntries = 1u << 2,
  OutputListSelection = 1u << 3,
  InputText = 1u << 4,
  OutputText = 1u << 5,
  InputListVisible = 1u << 6,
  Tabs = 1u << 7,  // the tab captions or the selected tab
  Fonts = 1u << 8,
  FactorLine = 1u << 9,  // whether the conversion factor's line shows
  StayOnTop = 1u << 10,
  ResultFormat = 1u << 11,
};

/// A set of shown parts.
class ShownParts {
 public:
  constexpr ShownParts() = default;
  constexpr ShownParts(ShownPart part) : m_bits(static_cast<unsigned>(part)) {}  // NOLINT
  /// Every part there is.
  static constexpr ShownParts All() { return FromBits((1u << 12) - 1); }

  constexpr ShownParts operator|(ShownParts other) const { return FromBits(m_bits | other.m_bits); }
  /// Whether the set holds any of `parts`.
  constexpr bool Any(ShownParts parts) const { return (m_bits & parts.m_bits) != 0; }

  friend constexpr bool operator==(ShownParts, ShownParts) = default;

 private:
  static constexpr ShownParts FromBits(unsigned bits) {
    ShownParts parts;
    parts.m_bits = bits;
    return parts;
  }
  unsigned m_bits = 0;
};

constexpr ShownParts operator|(ShownPart a, ShownPart b) {
  return ShownParts(a) | b;
}

/// The window's side: told which shown values changed, so it can mirror them in its
/// controls without raising events of its own.
class ShownValuesObserver {
 public:
  virtual ~ShownValuesObserver() = default;
  virtual void ShownValuesChanged(ShownParts parts) = 0;
};

/// How the user set the window up: plain values that the model keeps for the window,
/// read and written by the settings file.
struct WindowSettings {
  WindowBounds Window;
  FontSpec MainFont = DefaultMainFont();
  FontSpec TabFont = DefaultTabFont();
  /// The conversion factor's line under the lists, and the window kept above others.
  bool ShowConversionFactor = false;
  bool StayOnTop = false;
  /// Where the conversion table's window was last; unplaced and unsized until then.
  WindowBounds TableWindow;
  /// While the main window is maximised, the normal frame it goes back to; unsized
  /// when not known.
  WindowBounds NormalWindow;
};

/// Everything the user sets that the settings file keeps, as one plain value: read
/// from the file whole and then applied to the model in one step, or taken from the
/// model whole to be written.
struct StoredSettings : WindowSettings {
  std::vector<std::string> IndexTabs;  // the tab captions in order
  int TabIndex = 0;                    // -1 for no selected tab
  bool SortedUnitLists = false;
  engine::ResultFormat Format;
  /// By category index; positions refer to the lists in the order SortedUnitLists
  /// gives them.
  std::vector<CategoryViewState> ViewStates;
};

/// One row of the conversion table: a unit of the current category, in list order,
/// and the input converted into it.
struct TableRow {
  std::string_view Unit;
  engine::ConversionResult Result;
};

/// The conversion table: what is converted (the input and its unit, or the
/// category's name while there is neither), the rows and the output unit's row (-1
/// for none).
struct ConversionTable {
  std::string Caption;
  std::vector<TableRow> Rows;
  int OutputRow = -1;
};

/// The conversion table as the model stood when it was made: the caption, the row
/// count and the output row at once, each row converted only when asked for, so that
/// making it costs the same however many units the category has. The input is read
/// once. It refers to the model's catalogue: the model must outlive it, and a change of
/// the units calls for a new one (a row the category no longer has is then empty).
class LazyConversionTable {
 public:
  LazyConversionTable(const catalogue::UnitCatalogue& catalogue, int category, int inputUnit,
                      std::string_view text, const engine::ResultFormat& format,
                      const engine::NumberLocale& locale, std::string caption, int outputRow);

  const std::string& Caption() const { return m_caption; }
  int RowCount() const { return m_conversion.UnitCount(); }
  /// The output unit's row; -1 for none.
  int OutputRow() const { return m_outputRow; }
  /// The unit of row `row`, without converting anything.
  std::string_view Unit(int row) const;
  /// Row `row`: its unit and the input converted into it.
  TableRow Row(int row) const;

 private:
  const catalogue::UnitCatalogue* m_catalogue;
  int m_category;
  engine::EveryUnitConversion m_conversion;
  std::string m_caption;
  int m_outputRow;
};

/// The list position of the category's unit of the user's own named `name`; -1 when
/// none has that name.
int CustomUnitPosition(const catalogue::UnitCatalogue& catalogue, int category,
                       std::string_view name);
/// The name of the unit of the user's own at list position `position`; empty for a
/// table unit, no unit or a position the list does not have.
std::string_view CustomUnitName(const catalogue::UnitCatalogue& catalogue, int category,
                                int position);

/// The state behind the main window: tab order and selection, what each category
/// last showed, the sort state, the result format, the window's bounds and fonts,
/// and the shown values of the working controls. Categories are known by the
/// caption of their tab, never by its position.
class ConverterModel {
 public:
  /// Takes the catalogue over, fills the unit lists from it and shows the first tab
  /// of the catalogue's order. The model sorts and rebuilds its tables.
  ConverterModel(catalogue::UnitCatalogue catalogue, engine::NumberLocale locale);
  // The shown lists view the model's own name lists: a copy would view another's.
  ConverterModel(const ConverterModel&) = delete;
  ConverterModel& operator=(const ConverterModel&) = delete;
  ConverterModel(ConverterModel&&) = default;
  ConverterModel& operator=(ConverterModel&&) = default;

  /// The observer is told of every change of the shown values; nullptr for none.
  void SetObserver(ShownValuesObserver* observer) { m_observer = observer; }

  const catalogue::UnitCatalogue& Catalogue() const { return m_catalogue; }
  /// The separators results are written with.
  const engine::NumberLocale& Locale() const { return m_locale; }

  // Tabs and categories.
  const std::vector<std::string>& IndexTabs() const { return m_indexTabs; }
  int TabIndex() const { return m_tabIndex; }
  /// The category named by tab position p's caption; -1 for a caption that names
  /// none or a position the tabs do not have.
  int TabCategory(int position) const;
  /// The categories of the tabs in tab order; a caption that names none is left out.
  std::vector<int> TabCategories() const;
  /// The position of the tab that shows the category; -1 when none does.
  int TabOfCategory(int category) const;
  /// The category whose display name is the selected tab's caption; the first
  /// category for a caption that is none, or when no tab is selected.
  int CurrentCategory() const;
  /// How the current category converts.
  catalogue::ConversionKind CurrentKind() const;
  /// Shows the category of tab position p with its remembered state and converts it
  /// once. Nothing converts while the controls are refilled; p = -1 shows nothing
  /// and leaves every conversion suppressed.
  void SwitchCategory(int position);
  /// Whether changes of the shown values convert nothing: while a switch refills the
  /// controls, and after a switch to no tab.
  bool ConversionSuppressed() const { return m_conversionSuppressed; }
  /// The tab strip's rule for selecting tab position p: the selected one does
  /// nothing, one outside -1 to the tab count - 1 is refused (false).
  bool SelectTab(int position);
  /// Selects the next (step 1) or previous (step -1) tab in tab order, wrapping at
  /// either end; with no tab selected, the first step goes to either end.
  void StepTab(int step);
  /// Selects the tab of the category as a click would, so the category comes back
  /// with what it remembered, then the unit at `position` in the input or the output
  /// list. Nothing changes for a category no tab shows.
  void ChooseUnit(int category, int position, bool forOutput);
  /// Replaces one caption; selects and switches nothing.
  void SetTabCaption(int position, std::string caption);
  /// New tab captions in order; the first tab is then switched to afresh.
  void SetCategoryOrder(std::vector<std::string> captions);

  // Unit lists and remembered states.
  /// Rebuilds the unit name lists from the tables and empties the shown lists and
  /// texts.
  void RefreshUnitLists();
  /// Forgets every category's selections and input text (a category without an
  /// input unit keeps FormatIn, as its input list is hidden).
  void ResetViewStates();
  /// Sorts the tables or rebuilds them in definition order, forgets what every
  /// category showed, and shows the current category again.
  void SetSortedUnitLists(bool on);
  /// Takes the user's own units in place of those the lists had, after the tables'
  /// units, whose positions never move. A selected unit of the user's own stays
  /// selected while a unit of its name is there; otherwise nothing is selected in its
  /// place. The current category is shown again; with no units before and none given,
  /// nothing changes.
  void SetCustomUnits(catalogue::CustomUnitLists units);
  bool SortedUnitLists() const { return m_sortedUnitLists; }
  const CategoryViewState& ViewState(int category) const { return m_viewStates.at(category); }
  void SetViewState(int category, CategoryViewState state);
  const std::vector<std::string_view>& UnitNameList(int category) const {
    return m_unitNameLists.at(category);
  }

  /// Stores what is shown into the current category's state and converts it. Does
  /// nothing while conversion is suppressed.
  void MainChange();

  // Shown values.
  const UnitList& InputList() const { return m_inputList; }
  const UnitList& OutputList() const { return m_outputList; }
  const std::string& InputText() const { return m_inputText; }
  /// The output box: the result, or the message in its place.
  const engine::ConversionResult& Output() const { return m_output; }
  /// The result's text; empty while a message stands in its place.
  const std::string& OutputText() const { return m_output.Text; }
  /// False only while a category without an input unit is shown; the label in the
  /// list's place shows exactly when this is false.
  bool InputListVisible() const { return m_inputListVisible; }

  /// A new input text, typed or set by a command, with its letters in upper case:
  /// when it differs from the shown one, it is stored and MainChange runs. The same
  /// text does nothing.
  void SetInputText(std::string_view text);
  /// The user selected position p in a list (-1 clears it): MainChange runs.
  void ClickInputList(int position);
  void ClickOutputList(int position);

  // Commands.
  /// Exchanges the two units and feeds the shown result back as the input (a message
  /// or no result as 0). Returns the refusal (CannotInvert for a kind that cannot
  /// invert, BothUnitsNeeded without both units), in which case nothing changes.
  std::optional<engine::Message> InvertConversion();
  /// Forgets every category's state, goes to the first tab and empties the lists'
  /// selections and the input box.
  void ClearAll();

  /// How results are written. A new format converts again at once.
  const engine::ResultFormat& Format() const { return m_format; }
  void SetFormat(const engine::ResultFormat& format);

  /// The shown result as the clipboard takes it: a measured value without the
  /// locale's thousands separators (its decimal separator stays), any other result
  /// as shown; nothing when there is no result (an empty box or a message).
  std::optional<std::string> ResultForCopy() const;

  /// Everything the settings file keeps, as it stands now.
  StoredSettings Settings() const;
  /// Takes everything over from a settings value in one step and shows its tab. A
  /// tab index the tab strip would refuse shows the first tab.
  void ApplySettings(const StoredSettings& settings);

  /// What converting from the input unit to the output unit does, as
  /// ConversionFactorText gives it; empty without both units.
  engine::ConversionFactor ConversionFactor() const;
  /// The input converted into every unit of the current category.
  ConversionTable Table() const;
  /// The same table, each row converted when asked for.
  LazyConversionTable LazyTable() const;

  // How the user set the window up; each change is told to the observer.
  const WindowSettings& Window() const { return m_window; }
  /// The main window's and the conversion table's frames, as last seen, and the main
  /// window's normal frame while it is maximised; no part is shown by them, so nothing
  /// is told.
  void SetWindowBounds(const WindowBounds& main, const WindowBounds& table,
                       const WindowBounds& normal = {});
  void SetFonts(const FontSpec& main, const FontSpec& tab);
  void SetShowConversionFactor(bool on);
  void SetStayOnTop(bool on);

 private:
  void Notify(ShownParts parts);
  void ReplaceListEntries(UnitList& list, std::span<const std::string_view> entries,
                          ShownParts parts);
  /// Empties both shown lists, which must happen before the name lists they view are
  /// rebuilt.
  void EmptyShownLists();
  void SelectInList(UnitList& list, int position, ShownPart part);
  void SetOutput(engine::ConversionResult output);
  void OrderUnitTables(bool sorted);
  /// Stores what is shown into the category's state and converts it.
  void StoreAndConvert(int category);

  catalogue::UnitCatalogue m_catalogue;
  engine::NumberLocale m_locale;
  WindowSettings m_window;
  engine::ResultFormat m_format;
  ShownValuesObserver* m_observer = nullptr;

  std::vector<std::string> m_indexTabs;
  int m_tabIndex = -1;
  bool m_conversionSuppressed = false;
  std::vector<CategoryViewState> m_viewStates;
  std::vector<std::vector<std::string_view>> m_unitNameLists;
  bool m_sortedUnitLists = false;

  UnitList m_inputList;
  UnitList m_outputList;
  std::string m_inputText;
  engine::ConversionResult m_output;
  bool m_inputListVisible = true;
};

}  // namespace quantivo::model
