#include "model/converter_model.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "engine/conversion_factor.h"
#include "engine/convert_text.h"
#include "engine/input_text.h"

namespace quantivo::model {

using catalogue::ConversionKind;

FontSpec DefaultMainFont() {
  return {"Arial", 10, 0, true};
}
FontSpec DefaultTabFont() {
  return {"Small Fonts", 7, 0, false};
}

int CustomUnitPosition(const catalogue::UnitCatalogue& catalogue, int category,
                       std::string_view name) {
  const catalogue::UnitCategory& unitCategory = catalogue.Category(category);
  for (int p = unitCategory.TableUnitCount; p < static_cast<int>(unitCategory.Units.size()); ++p) {
    if (!name.empty() && unitCategory.Units[static_cast<std::size_t>(p)].Name == name) return p;
  }
  return -1;
}

std::string_view CustomUnitName(const catalogue::UnitCatalogue& catalogue, int category,
                                int position) {
  const catalogue::UnitCategory& unitCategory = catalogue.Category(category);
  const bool custom = position >= 0 && unitCategory.IsCustomUnit(position) &&
                      position < static_cast<int>(unitCategory.Units.size());
  return custom ? unitCategory.Units[static_cast<std::size_t>(position)].Name : std::string_view();
}

ConverterModel::ConverterModel(catalogue::UnitCatalogue catalogue, engine::NumberLocale locale)
    : m_catalogue(std::move(catalogue)),
      m_locale(std::move(locale)),
      m_viewStates(m_catalogue.CategoryCount()),
      m_unitNameLists(m_catalogue.CategoryCount()) {
  RefreshUnitLists();
  const std::vector<std::string_view>& names = m_catalogue.CategoryNames();
  SetCategoryOrder(std::vector<std::string>(names.begin(), names.end()));
}

int ConverterModel::CurrentCategory() const {
  const int category = TabCategory(m_tabIndex);
  return category < 0 ? 0 : category;
}

int ConverterModel::TabCategory(int position) const {
  if (position < 0 || position >= static_cast<int>(m_indexTabs.size())) return -1;
  return m_catalogue.FindCategory(m_indexTabs[position]);
}

std::vector<int> ConverterModel::TabCategories() const {
  std::vector<int> categories;
  for (int tab = 0; tab < static_cast<int>(m_indexTabs.size()); ++tab) {
    if (const int category = TabCategory(tab); category >= 0) categories.push_back(category);
  }
  return categories;
}

int ConverterModel::TabOfCategory(int category) const {
  for (int tab = 0; tab < static_cast<int>(m_indexTabs.size()); ++tab) {
    if (TabCategory(tab) == category) return tab;
  }
  return -1;
}

ConversionKind ConverterModel::CurrentKind() const {
  return m_catalogue.Category(CurrentCategory()).Kind;
}

void ConverterModel::SwitchCategory(int position) {
  // The input text restored below raises a change; it must convert nothing.
  m_conversionSuppressed = true;
  if (position < 0 || position >= static_cast<int>(m_indexTabs.size())) return;
  // The tab becomes selected only after the switch, so the category is taken from
  // the caption here, not from the selected tab.
  const int category = std::max(0, TabCategory(position));

  ReplaceListEntries(m_inputList, m_unitNameLists[category],
                     ShownPart::InputListEntries | ShownPart::InputListSelection);
  ReplaceListEntries(m_outputList, m_unitNameLists[category],
                     ShownPart::OutputListEntries | ShownPart::OutputListSelection);
  const CategoryViewState& state = m_viewStates[category];
  SelectInList(m_inputList, state.FormatIn, ShownPart::InputListSelection);
  SelectInList(m_outputList, state.FormatOut, ShownPart::OutputListSelection);
  SetInputText(state.ValueIn);

  const bool inputListVisible = catalogue::HasInputUnit(m_catalogue.Category(category).Kind);
  if (inputListVisible != m_inputListVisible) {
    m_inputListVisible = inputListVisible;
    Notify(ShownPart::InputListVisible);
  }

  m_conversionSuppressed = false;
  StoreAndConvert(category);
}

bool ConverterModel::SelectTab(int position) {
  if (position == m_tabIndex) return true;
  if (position < -1 || position >= static_cast<int>(m_indexTabs.size())) return false;
  SwitchCategory(position);
  m_tabIndex = position;
  Notify(ShownPart::Tabs);
  return true;
}

void ConverterModel::StepTab(int step) {
  const int count = static_cast<int>(m_indexTabs.size());
  if (count == 0) return;
  const int current = m_tabIndex;
  SelectTab(current < 0 ? (step > 0 ? 0 : count - 1) : ((current + step) % count + count) % count);
}

void ConverterModel::ChooseUnit(int category, int position, bool forOutput) {
  const int tab = TabOfCategory(category);
  if (tab < 0) return;
  SelectTab(tab);
  if (forOutput) {
    ClickOutputList(position);
  } else {
    ClickInputList(position);
  }
}

void ConverterModel::SetTabCaption(int position, std::string caption) {
  m_indexTabs.at(position) = std::move(caption);
  Notify(ShownPart::Tabs);
}

void ConverterModel::SetCategoryOrder(std::vector<std::string> captions) {
  m_indexTabs = std::move(captions);
  m_tabIndex = -1;
  Notify(ShownPart::Tabs);
  if (!m_indexTabs.empty()) SelectTab(0);
}

void ConverterModel::RefreshUnitLists() {
  EmptyShownLists();
  for (int i = 0; i < m_catalogue.CategoryCount(); ++i) {
    m_unitNameLists[i] = m_catalogue.UnitNames(i);
  }
  SetInputText({});
  SetOutput({});
}

void ConverterModel::ResetViewStates() {
  for (int i = 0; i < m_catalogue.CategoryCount(); ++i) {
    CategoryViewState& state = m_viewStates[i];
    // A hidden input list's position is neither stored nor reset.
    if (catalogue::HasInputUnit(m_catalogue.Category(i).Kind)) state.FormatIn = -1;
    state.FormatOut = -1;
    state.ValueIn.clear();
  }
}

void ConverterModel::OrderUnitTables(bool sorted) {
  m_sortedUnitLists = sorted;
  // The records move within their tables and every name stays where it is, so the
  // shown lists stay valid until RefreshUnitLists empties them.
  if (sorted) {
    m_catalogue.SortUnitTables();
  } else {
    m_catalogue.BuildTables();
  }
  // Stored positions would now designate other units.
  ResetViewStates();
  RefreshUnitLists();
}

void ConverterModel::SetSortedUnitLists(bool on) {
  OrderUnitTables(on);
  SwitchCategory(m_tabIndex);
}

void ConverterModel::SetCustomUnits(catalogue::CustomUnitLists units) {
  // No units before and none now (no units file at start) changes nothing.
  bool any = std::ranges::any_of(units, [](const auto& list) { return !list.empty(); });
  for (int i = 0; i < m_catalogue.CategoryCount() && !any; ++i)
    any = !m_catalogue.CustomUnits(i).empty();
  if (!any) return;
  // The names of the selected units of the user's own, by category: input, output.
  std::vector<std::pair<std::string, std::string>> selected(m_viewStates.size());
  for (int i = 0; i < m_catalogue.CategoryCount(); ++i) {
    selected[i] = {std::string(CustomUnitName(m_catalogue, i, m_viewStates[i].FormatIn)),
                   std::string(CustomUnitName(m_catalogue, i, m_viewStates[i].FormatOut))};
  }
  // The names of the user's old units go with them, and SwitchCategory(-1) would not
  // fill the lists again.
  EmptyShownLists();
  m_catalogue.SetCustomUnits(std::move(units));
  if (m_sortedUnitLists) m_catalogue.SortUnitTables();
  for (int i = 0; i < m_catalogue.CategoryCount(); ++i) {
    m_unitNameLists[i] = m_catalogue.UnitNames(i);
    CategoryViewState& state = m_viewStates[i];
    const catalogue::UnitCategory& category = m_catalogue.Category(i);
    auto follow = [&](int& position, const std::string& name) {
      if (position < category.TableUnitCount) return;
      position = CustomUnitPosition(m_catalogue, i, name);
    };
    if (catalogue::HasInputUnit(category.Kind)) follow(state.FormatIn, selected[i].first);
    follow(state.FormatOut, selected[i].second);
  }
  SwitchCategory(m_tabIndex);
}

void ConverterModel::SetViewState(int category, CategoryViewState state) {
  m_viewStates.at(category) = std::move(state);
}

void ConverterModel::MainChange() {
  if (!m_conversionSuppressed) StoreAndConvert(CurrentCategory());
}

void ConverterModel::StoreAndConvert(int category) {
  // Stored before converting, whatever the outcome, so the state mirrors the controls.
  CategoryViewState& state = m_viewStates[category];
  state.ValueIn = m_inputText;
  state.FormatIn = m_inputList.Selected;
  state.FormatOut = m_outputList.Selected;
  SetOutput(engine::ConvertText(m_catalogue, category, m_inputList.Selected, m_outputList.Selected,
                                m_inputText, m_format, m_locale));
}

void ConverterModel::SetInputText(std::string_view text) {
  std::string upper = engine::InputBoxText(text);
  if (upper == m_inputText) return;
  m_inputText = std::move(upper);
  Notify(ShownPart::InputText);
  MainChange();
}

void ConverterModel::ClickInputList(int position) {
  SelectInList(m_inputList, position, ShownPart::InputListSelection);
  MainChange();
}

void ConverterModel::ClickOutputList(int position) {
  SelectInList(m_outputList, position, ShownPart::OutputListSelection);
  MainChange();
}

std::optional<engine::Message> ConverterModel::InvertConversion() {
  if (!catalogue::CanInvert(CurrentKind()))
    return engine::Message{engine::MessageCode::CannotInvert};
  const int inputUnit = m_inputList.Selected;
  const int outputUnit = m_outputList.Selected;
  if (inputUnit < 0 || outputUnit < 0) return engine::Message{engine::MessageCode::BothUnitsNeeded};
  SelectInList(m_inputList, outputUnit, ShownPart::InputListSelection);
  SelectInList(m_outputList, inputUnit, ShownPart::OutputListSelection);
  const std::string input = engine::ResultAsInputText(m_output.Text, m_locale);
  if (engine::InputBoxText(input) == m_inputText) {
    // No change of text converts nothing, yet the exchanged units must be stored,
    // or the category would come back with its units the other way round.
    MainChange();
  } else {
    SetInputText(input);
  }
  return std::nullopt;
}

void ConverterModel::ClearAll() {
  ResetViewStates();
  SelectTab(0);
  SelectInList(m_inputList, -1, ShownPart::InputListSelection);
  SelectInList(m_outputList, -1, ShownPart::OutputListSelection);
  SetInputText({});
}

void ConverterModel::SetFormat(const engine::ResultFormat& format) {
  m_format = format;
  Notify(ShownPart::ResultFormat);
  MainChange();
}

engine::ConversionFactor ConverterModel::ConversionFactor() const {
  return engine::ConversionFactorText(m_catalogue, CurrentCategory(), m_inputList.Selected,
                                      m_outputList.Selected, m_format, m_locale);
}

std::optional<std::string> ConverterModel::ResultForCopy() const {
  if (m_output.Text.empty()) return std::nullopt;
  // Digits of a number system and fractions carry no separators of the locale.
  if (catalogue::IsMeasured(CurrentKind())) {
    return engine::ResultWithoutGrouping(m_output.Text, m_locale);
  }
  return m_output.Text;
}

LazyConversionTable::LazyConversionTable(const catalogue::UnitCatalogue& catalogue, int category,
                                         int inputUnit, std::string_view text,
                                         const engine::ResultFormat& format,
                                         const engine::NumberLocale& locale, std::string caption,
                                         int outputRow)
    : m_catalogue(&catalogue),
      m_category(category),
      m_conversion(catalogue, category, inputUnit, text, format, locale),
      m_caption(std::move(caption)),
      m_outputRow(outputRow) {}

std::string_view LazyConversionTable::Unit(int row) const {
  if (row < 0 || row >= RowCount()) return {};
  const std::vector<catalogue::UnitRecord>& units = m_catalogue->Category(m_category).Units;
  return row < static_cast<int>(units.size()) ? units[static_cast<std::size_t>(row)].Name
                                              : std::string_view();
}

TableRow LazyConversionTable::Row(int row) const {
  if (row < 0 || row >= RowCount()) return {};
  return {Unit(row), m_conversion.Into(row)};
}

ConversionTable ConverterModel::Table() const {
  const LazyConversionTable lazy = LazyTable();
  ConversionTable table;
  table.Caption = lazy.Caption();
  table.OutputRow = lazy.OutputRow();
  table.Rows.reserve(static_cast<std::size_t>(lazy.RowCount()));
  for (int row = 0; row < lazy.RowCount(); ++row) table.Rows.push_back(lazy.Row(row));
  return table;
}

LazyConversionTable ConverterModel::LazyTable() const {
  const int category = CurrentCategory();
  std::string caption = engine::BoxTextFromInput(
      m_inputText, m_locale, CurrentKind() != catalogue::ConversionKind::NumberBase);
  if (m_inputList.Selected >= 0 && m_inputListVisible) {
    caption.append(" ").append(m_inputList.Entries[m_inputList.Selected]);
  }
  constexpr const char* kBlanks = " \t\n\v\f\r";
  const std::size_t start = caption.find_first_not_of(kBlanks);
  caption = start == std::string::npos
                ? std::string(m_catalogue.Category(category).DisplayName)
                : caption.substr(start, caption.find_last_not_of(kBlanks) + 1 - start);
  return {m_catalogue, category, m_inputList.Selected, m_inputText,
          m_format,    m_locale, std::move(caption),   m_outputList.Selected};
}

void ConverterModel::SetWindowBounds(const WindowBounds& main, const WindowBounds& table,
                                     const WindowBounds& normal) {
  m_window.Window = main;
  m_window.TableWindow = table;
  m_window.NormalWindow = normal;
}

void ConverterModel::SetFonts(const FontSpec& main, const FontSpec& tab) {
  m_window.MainFont = main;
  m_window.TabFont = tab;
  Notify(ShownPart::Fonts);
}

void ConverterModel::SetShowConversionFactor(bool on) {
  m_window.ShowConversionFactor = on;
  Notify(ShownPart::FactorLine);
}

void ConverterModel::SetStayOnTop(bool on) {
  m_window.StayOnTop = on;
  Notify(ShownPart::StayOnTop);
}

StoredSettings ConverterModel::Settings() const {
  StoredSettings settings;
  static_cast<WindowSettings&>(settings) = m_window;
  settings.IndexTabs = m_indexTabs;
  settings.TabIndex = m_tabIndex;
  settings.SortedUnitLists = m_sortedUnitLists;
  settings.Format = m_format;
  settings.ViewStates = m_viewStates;
  return settings;
}

void ConverterModel::ApplySettings(const StoredSettings& settings) {
  m_format = settings.Format;
  m_window = settings;
  // The order comes before the view states, whose positions refer to the lists in
  // the order they were saved from.
  if (settings.SortedUnitLists != m_sortedUnitLists) OrderUnitTables(settings.SortedUnitLists);
  for (int i = 0; i < m_catalogue.CategoryCount(); ++i) {
    if (i < static_cast<int>(settings.ViewStates.size())) m_viewStates[i] = settings.ViewStates[i];
  }
  m_indexTabs = settings.IndexTabs;
  const bool known =
      settings.TabIndex >= -1 && settings.TabIndex < static_cast<int>(m_indexTabs.size());
  m_tabIndex = known ? settings.TabIndex : 0;
  Notify(ShownPart::Tabs | ShownPart::Fonts | ShownPart::FactorLine | ShownPart::StayOnTop |
         ShownPart::ResultFormat);
  SwitchCategory(m_tabIndex);
}

void ConverterModel::Notify(ShownParts parts) {
  if (m_observer != nullptr) m_observer->ShownValuesChanged(parts);
}

void ConverterModel::ReplaceListEntries(UnitList& list, std::span<const std::string_view> entries,
                                        ShownParts parts) {
  list.Entries = entries;
  list.Selected = -1;
  Notify(parts);
}

void ConverterModel::EmptyShownLists() {
  ReplaceListEntries(m_inputList, {}, ShownPart::InputListEntries | ShownPart::InputListSelection);
  ReplaceListEntries(m_outputList, {},
                     ShownPart::OutputListEntries | ShownPart::OutputListSelection);
}

void ConverterModel::SelectInList(UnitList& list, int position, ShownPart part) {
  // -1 clears the selection; a position the list does not have is ignored.
  if (position < -1 || position >= static_cast<int>(list.Entries.size())) return;
  list.Selected = position;
  Notify(part);
}

void ConverterModel::SetOutput(engine::ConversionResult output) {
  if (output == m_output) return;
  m_output = std::move(output);
  Notify(ShownPart::OutputText);
}

}  // namespace quantivo::model
