#include "model/converter_model.h"

#include <utility>

#include "engine/conversion_factor.h"
#include "engine/conversion_messages.h"
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
  if (m_tabIndex < 0 || m_tabIndex >= static_cast<int>(m_indexTabs.size())) return 0;
  return m_catalogue.IndexOfCategory(m_indexTabs[m_tabIndex]);
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
  const int category = m_catalogue.IndexOfCategory(m_indexTabs[position]);

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
  ReplaceListEntries(m_inputList, {}, ShownPart::InputListEntries | ShownPart::InputListSelection);
  for (int i = 0; i < m_catalogue.CategoryCount(); ++i) {
    m_unitNameLists[i] = m_catalogue.UnitNames(i);
  }
  ReplaceListEntries(m_outputList, m_inputList.Entries,
                     ShownPart::OutputListEntries | ShownPart::OutputListSelection);
  SetInputText({});
  SetOutputText({});
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
  SetOutputText(engine::ConvertText(m_catalogue, category, m_inputList.Selected,
                                    m_outputList.Selected, m_inputText, m_format, m_locale));
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

std::optional<std::string> ConverterModel::InvertConversion() {
  if (!catalogue::CanInvert(CurrentKind())) return kCannotInvert;
  const int inputUnit = m_inputList.Selected;
  const int outputUnit = m_outputList.Selected;
  if (inputUnit < 0 || outputUnit < 0) return kBothUnitsNeeded;
  SelectInList(m_inputList, outputUnit, ShownPart::InputListSelection);
  SelectInList(m_outputList, inputUnit, ShownPart::OutputListSelection);
  const std::string input = engine::ResultAsInputText(m_outputText, m_locale);
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
  MainChange();
}

std::string ConverterModel::ConversionFactor() const {
  return engine::ConversionFactorText(m_catalogue, CurrentCategory(), m_inputList.Selected,
                                      m_outputList.Selected, m_format, m_locale);
}

std::optional<std::string> ConverterModel::ResultForCopy() const {
  if (m_outputText.empty() || engine::IsConversionMessage(m_outputText)) return std::nullopt;
  // Digits of a number system and fractions carry no separators of the locale.
  if (catalogue::IsMeasured(CurrentKind())) {
    return engine::ResultWithoutGrouping(m_outputText, m_locale);
  }
  return m_outputText;
}

StoredSettings ConverterModel::Settings() const {
  StoredSettings settings;
  static_cast<WindowSettings&>(settings) = *this;
  settings.IndexTabs = m_indexTabs;
  settings.TabIndex = m_tabIndex;
  settings.SortedUnitLists = m_sortedUnitLists;
  settings.Format = m_format;
  settings.ViewStates = m_viewStates;
  return settings;
}

void ConverterModel::ApplySettings(const StoredSettings& settings) {
  m_format = settings.Format;
  static_cast<WindowSettings&>(*this) = settings;
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
  Notify(ShownPart::Tabs);
  SwitchCategory(m_tabIndex);
}

void ConverterModel::Notify(ShownParts parts) {
  if (m_observer != nullptr) m_observer->ShownValuesChanged(parts);
}

void ConverterModel::ReplaceListEntries(UnitList& list,
                                        const std::vector<std::string_view>& entries,
                                        ShownParts parts) {
  list.Entries = entries;
  list.Selected = -1;
  Notify(parts);
}

void ConverterModel::SelectInList(UnitList& list, int position, ShownPart part) {
  // -1 clears the selection; a position the list does not have is ignored.
  if (position < -1 || position >= static_cast<int>(list.Entries.size())) return;
  list.Selected = position;
  Notify(part);
}

void ConverterModel::SetOutputText(std::string text) {
  if (text == m_outputText) return;
  m_outputText = std::move(text);
  Notify(ShownPart::OutputText);
}

}  // namespace quantivo::model
