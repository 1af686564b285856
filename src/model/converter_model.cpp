#include "model/converter_model.h"

#include <utility>

#include "engine/convert_text.h"

namespace quantivo::model {

using catalogue::UnitCatalogue;

std::string InputBoxText(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

ConverterModel::ConverterModel(UnitCatalogue& catalogue, engine::NumberLocale locale)
    : m_catalogue(catalogue), m_locale(std::move(locale)) {
  RefreshUnitLists();
  const std::vector<std::string_view>& names = m_catalogue.CategoryNames();
  SetCategoryOrder(std::vector<std::string>(names.begin(), names.end()));
}

int ConverterModel::CurrentCategory() const {
  if (m_tabIndex < 0 || m_tabIndex >= static_cast<int>(m_indexTabs.size())) return 0;
  return m_catalogue.IndexOfCategory(m_indexTabs[m_tabIndex]);
}

void ConverterModel::SwitchCategory(int position) {
  // The input text restored below raises a change; it must convert nothing.
  m_categoryOverride = kSuppressConversion;
  if (position < 0 || position >= static_cast<int>(m_indexTabs.size())) return;
  // The tab becomes selected only after the switch, so the category is taken from
  // the caption here and handed to MainChange through the override.
  const int category = m_catalogue.IndexOfCategory(m_indexTabs[position]);

  ReplaceListEntries(m_inputList, m_unitNameLists[category],
                     kInputListEntries | kInputListSelection);
  ReplaceListEntries(m_outputList, m_unitNameLists[category],
                     kOutputListEntries | kOutputListSelection);
  const CategoryViewState& state = m_viewStates[category];
  SelectInList(m_inputList, state.FormatIn, kInputListSelection);
  SelectInList(m_outputList, state.FormatOut, kOutputListSelection);
  SetInputText(state.ValueIn);

  const bool inputListVisible = category != UnitCatalogue::FractionsIndex;
  if (inputListVisible != m_inputListVisible) {
    m_inputListVisible = inputListVisible;
    Notify(kInputListVisible);
  }

  m_categoryOverride = category;
  MainChange();
  m_categoryOverride = kSelectedTabCategory;
}

bool ConverterModel::SelectTab(int position) {
  if (position == m_tabIndex) return true;
  if (position < -1 || position >= static_cast<int>(m_indexTabs.size())) return false;
  SwitchCategory(position);
  m_tabIndex = position;
  Notify(kTabs);
  return true;
}

void ConverterModel::SetTabCaption(int position, std::string caption) {
  m_indexTabs.at(position) = std::move(caption);
  Notify(kTabs);
}

void ConverterModel::SetCategoryOrder(std::vector<std::string> captions) {
  m_indexTabs = std::move(captions);
  m_tabIndex = -1;
  Notify(kTabs);
  if (!m_indexTabs.empty()) SelectTab(0);
}

void ConverterModel::RefreshUnitLists() {
  ReplaceListEntries(m_inputList, {}, kInputListEntries | kInputListSelection);
  for (int i = 0; i < UnitCatalogue::CategoryCount; ++i) {
    m_unitNameLists[i] = m_catalogue.UnitNames(i);
  }
  ReplaceListEntries(m_outputList, m_inputList.Entries, kOutputListEntries | kOutputListSelection);
  SetInputText({});
  SetOutputText({});
}

void ConverterModel::ResetViewStates() {
  for (int i = 0; i < UnitCatalogue::CategoryCount; ++i) {
    CategoryViewState& state = m_viewStates[i];
    // Fractions' input list is hidden; its position is neither stored nor reset.
    if (i != UnitCatalogue::FractionsIndex) state.FormatIn = -1;
    state.FormatOut = -1;
    state.ValueIn.clear();
  }
}

void ConverterModel::SetSortedUnitLists(bool on) {
  m_sortedUnitLists = on;
  if (on) {
    m_catalogue.SortUnitTables();
  } else {
    m_catalogue.BuildTables();
  }
  // Stored positions would now designate other units.
  ResetViewStates();
  RefreshUnitLists();
  SwitchCategory(m_tabIndex);
}

void ConverterModel::SetViewState(int category, CategoryViewState state) {
  m_viewStates.at(category) = std::move(state);
}

void ConverterModel::MainChange() {
  if (m_categoryOverride == kSuppressConversion) return;
  const int category =
      m_categoryOverride == kSelectedTabCategory ? CurrentCategory() : m_categoryOverride;
  // Stored before converting, whatever the outcome, so the state mirrors the controls.
  CategoryViewState& state = m_viewStates[category];
  state.ValueIn = m_inputText;
  state.FormatIn = m_inputList.Selected;
  state.FormatOut = m_outputList.Selected;
  SetOutputText(engine::ConvertText(m_catalogue, category, m_inputList.Selected,
                                    m_outputList.Selected, m_inputText, Format, m_locale));
}

void ConverterModel::SetInputText(std::string_view text) {
  std::string upper = InputBoxText(text);
  if (upper == m_inputText) return;
  m_inputText = std::move(upper);
  Notify(kInputText);
  MainChange();
}

void ConverterModel::ClickInputList(int position) {
  SelectInList(m_inputList, position, kInputListSelection);
  MainChange();
}

void ConverterModel::ClickOutputList(int position) {
  SelectInList(m_outputList, position, kOutputListSelection);
  MainChange();
}

std::optional<std::string> ConverterModel::InvertConversion() {
  const int category = CurrentCategory();
  if (category == UnitCatalogue::FractionsIndex || category == UnitCatalogue::NumbersIndex) {
    return kCannotInvert;
  }
  const int inputUnit = m_inputList.Selected;
  const int outputUnit = m_outputList.Selected;
  if (inputUnit < 0 || outputUnit < 0) return kBothUnitsNeeded;
  SelectInList(m_inputList, outputUnit, kInputListSelection);
  SelectInList(m_outputList, inputUnit, kOutputListSelection);
  const std::string input = engine::ResultAsInputText(m_outputText, m_locale);
  if (InputBoxText(input) == m_inputText) {
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
  SelectInList(m_inputList, -1, kInputListSelection);
  SelectInList(m_outputList, -1, kOutputListSelection);
  SetInputText({});
}

void ConverterModel::Notify(unsigned parts) {
  if (m_observer != nullptr) m_observer->ShownValuesChanged(parts);
}

void ConverterModel::ReplaceListEntries(UnitList& list,
                                        const std::vector<std::string_view>& entries,
                                        unsigned parts) {
  list.Entries = entries;
  list.Selected = -1;
  Notify(parts);
}

void ConverterModel::SelectInList(UnitList& list, int position, unsigned part) {
  // -1 clears the selection; a position the list does not have is ignored.
  if (position < -1 || position >= static_cast<int>(list.Entries.size())) return;
  list.Selected = position;
  Notify(part);
}

void ConverterModel::SetOutputText(std::string text) {
  if (text == m_outputText) return;
  m_outputText = std::move(text);
  Notify(kOutputText);
}

}  // namespace quantivo::model
