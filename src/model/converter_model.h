#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/unit_catalogue.h"
#include "engine/format_result.h"

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

  /// The sizes in points at which the window stays usable.
  static constexpr int kMinSize = 6;
  static constexpr int kMaxSize = 72;

  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

/// A font size moved into the usable range: a size outside it becomes the nearer end.
constexpr int UsableFontSize(int size) {
  return size < FontSpec::kMinSize   ? FontSpec::kMinSize
         : size > FontSpec::kMaxSize ? FontSpec::kMaxSize
                                     : size;
}

/// The window's place on the screen, in pixels.
struct WindowBounds {
  int FormTop = 0;
  int FormLeft = 0;
  int FormWidth = 610;
  int FormHeight = 450;
  bool IsMaximized = false;

  friend bool operator==(const WindowBounds&, const WindowBounds&) = default;
};

/// A unit list as shown: its entries and the selected position (-1 for none).
struct UnitList {
  std::vector<std::string_view> Entries;
  int Selected = -1;
};

/// The parts of the shown values that a change touched.
enum ShownPart : unsigned {
  kInputListEntries = 1u << 0,
  kInputListSelection = 1u << 1,
  kOutputListEntries = 1u << 2,
  kOutputListSelection = 1u << 3,
  kInputText = 1u << 4,
  kOutputText = 1u << 5,
  kInputListVisible = 1u << 6,
  kTabs = 1u << 7,  // the tab captions or the selected tab
};

/// The window's side: told which shown values changed, so it can mirror them in its
/// controls without raising events of its own.
class ShownValuesObserver {
 public:
  virtual ~ShownValuesObserver() = default;
  virtual void ShownValuesChanged(unsigned parts) = 0;
};

/// The input box holds letters in upper case: a to z become A to Z, nothing else
/// changes.
std::string InputBoxText(std::string_view text);

/// The refusals of Invert Current Conversion.
inline constexpr const char* kCannotInvert = "You cannot invert this type of conversion.";
inline constexpr const char* kBothUnitsNeeded =
    "Both units must be selected before you can invert the conversion.";

/// The state behind the main window: tab order and selection, what each category
/// last showed, the sort state, the result format, the window's bounds and fonts,
/// and the shown values of the working controls. Categories are known by the
/// caption of their tab, never by its position.
class ConverterModel {
 public:
  /// CategoryOverride while a switch refills the controls: nothing converts.
  static constexpr int kSuppressConversion = -99;
  /// CategoryOverride outside a switch: convert for the selected tab.
  static constexpr int kSelectedTabCategory = -1;

  /// Fills the unit lists from the catalogue and shows the first tab of the
  /// catalogue's order. The model sorts and rebuilds the catalogue's tables.
  ConverterModel(catalogue::UnitCatalogue& catalogue, engine::NumberLocale locale);

  /// The observer is told of every change of the shown values; nullptr for none.
  void SetObserver(ShownValuesObserver* observer) { m_observer = observer; }

  const catalogue::UnitCatalogue& Catalogue() const { return m_catalogue; }

  // Tabs and categories.
  const std::vector<std::string>& IndexTabs() const { return m_indexTabs; }
  int TabIndex() const { return m_tabIndex; }
  int CategoryOverride() const { return m_categoryOverride; }
  /// The category whose display name is the selected tab's caption; Length (0) for a
  /// caption that is none, or when no tab is selected.
  int CurrentCategory() const;
  /// Shows the category of tab position p with its remembered state and converts it
  /// once. Nothing converts while the controls are refilled; p = -1 shows nothing
  /// and leaves every conversion suppressed.
  void SwitchCategory(int position);
  /// The tab strip's rule for selecting tab position p: the selected one does
  /// nothing, one outside -1 to the tab count - 1 is refused (false).
  bool SelectTab(int position);
  /// Replaces one caption; selects and switches nothing.
  void SetTabCaption(int position, std::string caption);
  /// New tab captions in order; the first tab is then switched to afresh.
  void SetCategoryOrder(std::vector<std::string> captions);

  // Unit lists and remembered states.
  /// Rebuilds the unit name lists from the tables and empties the shown lists and
  /// texts.
  void RefreshUnitLists();
  /// Forgets every category's selections and input text (Fractions keeps FormatIn,
  /// as its input list is hidden).
  void ResetViewStates();
  /// Sorts the tables or rebuilds them in definition order, forgets what every
  /// category showed, and shows the current category again.
  void SetSortedUnitLists(bool on);
  bool SortedUnitLists() const { return m_sortedUnitLists; }
  const CategoryViewState& ViewState(int category) const { return m_viewStates.at(category); }
  void SetViewState(int category, CategoryViewState state);
  const std::vector<std::string_view>& UnitNameList(int category) const {
    return m_unitNameLists.at(category);
  }

  /// Stores what is shown into the current category's state and converts it. Does
  /// nothing while a switch suppresses conversion.
  void MainChange();

  // Shown values.
  const UnitList& InputList() const { return m_inputList; }
  const UnitList& OutputList() const { return m_outputList; }
  const std::string& InputText() const { return m_inputText; }
  const std::string& OutputText() const { return m_outputText; }
  /// False only while Fractions is shown; its label shows exactly when this is false.
  bool InputListVisible() const { return m_inputListVisible; }

  /// A new input text, typed or set by a command, with its letters in upper case:
  /// when it differs from the shown one, it is stored and MainChange runs. The same
  /// text does nothing.
  void SetInputText(std::string_view text);
  /// The user selected position p in a list (-1 clears it): MainChange runs.
  void ClickInputList(int position);
  void ClickOutputList(int position);

  // Commands.
  /// Exchanges the two units and feeds the shown result back as the input. Returns
  /// the refusal (kCannotInvert in Numbers and Fractions, kBothUnitsNeeded without
  /// both units), in which case nothing changes.
  std::optional<std::string> InvertConversion();
  /// Forgets every category's state, goes to the first tab and empties the lists'
  /// selections and the input box.
  void ClearAll();

  // Plain values, read and written by the settings file and the dialogs.
  engine::ResultFormat Format;
  WindowBounds Window;
  FontSpec MainFont{"Arial", 10, 0, true};
  FontSpec TabFont{"Small Fonts", 7, 0, false};

 private:
  void Notify(unsigned parts);
  void ReplaceListEntries(UnitList& list, const std::vector<std::string_view>& entries,
                          unsigned parts);
  void SelectInList(UnitList& list, int position, unsigned part);
  void SetOutputText(std::string text);

  catalogue::UnitCatalogue& m_catalogue;
  engine::NumberLocale m_locale;
  ShownValuesObserver* m_observer = nullptr;

  std::vector<std::string> m_indexTabs;
  int m_tabIndex = -1;
  int m_categoryOverride = kSelectedTabCategory;
  std::array<CategoryViewState, catalogue::UnitCatalogue::CategoryCount> m_viewStates;
  std::array<std::vector<std::string_view>, catalogue::UnitCatalogue::CategoryCount>
      m_unitNameLists;
  bool m_sortedUnitLists = false;

  UnitList m_inputList;
  UnitList m_outputList;
  std::string m_inputText;
  std::string m_outputText;
  bool m_inputListVisible = true;
};

}  // namespace quantivo::model
