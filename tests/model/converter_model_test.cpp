#include "model/converter_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "support/convert_by_name.h"
#include "support/fake_catalogue.h"

namespace quantivo::model {
namespace {

using namespace test::fake;

// Records what the observer is told of the two texts, in order: each change of the
// input text with whether it may convert, and each new output text.
class TextChangeRecorder : public ShownValuesObserver {
 public:
  explicit TextChangeRecorder(const ConverterModel& model) : m_model(model) {}
  void ShownValuesChanged(ShownParts parts) override {
    ++Notifications;
    if (parts.Any(ShownPart::InputText)) {
      Changes.push_back("in " + m_model.InputText() +
                        (m_model.ConversionSuppressed() ? " suppressed" : " converting"));
    }
    if (parts.Any(ShownPart::OutputText))
      Changes.push_back("out " + engine::EnglishText(m_model.Output()));
  }
  int Notifications = 0;
  std::vector<std::string> Changes;

 private:
  const ConverterModel& m_model;
};

using Names = std::vector<std::string_view>;

class ConverterModelTest : public testing::Test {
 protected:
  Names InputEntries() const {
    const std::span<const std::string_view> entries = m_model.InputList().Entries;
    return {entries.begin(), entries.end()};
  }
  int Unit(std::string_view name) const {
    return test::PositionOf(m_model.Catalogue(), m_model.CurrentCategory(), name);
  }
  std::string_view SelectedInput() const {
    const UnitList& list = m_model.InputList();
    return list.Selected < 0 ? "" : list.Entries[list.Selected];
  }
  std::string_view SelectedOutput() const {
    const UnitList& list = m_model.OutputList();
    return list.Selected < 0 ? "" : list.Entries[list.Selected];
  }
  // Picks both units and types the value, as a person does.
  void Enter(std::string_view from, std::string_view to, std::string text) {
    m_model.ClickInputList(Unit(from));
    m_model.ClickOutputList(Unit(to));
    m_model.SetInputText(std::move(text));
  }

  ConverterModel m_model{Catalogue(), engine::NumberLocale{}};
};

TEST_F(ConverterModelTest, StartsOnTheFirstTabInCatalogueOrder) {
  EXPECT_EQ(m_model.IndexTabs(), (std::vector<std::string>{"Length", "Mass", "Temperature",
                                                           "Numbers", "Fractions", "Time"}));
  EXPECT_EQ(m_model.TabIndex(), 0);
  EXPECT_FALSE(m_model.ConversionSuppressed());
  EXPECT_EQ(InputEntries(), (Names{"meter", "kilometer", "centimeter", "millimeter"}));
  EXPECT_EQ(SelectedInput(), "meter");  // view states start at position 0
  EXPECT_EQ(m_model.InputText(), "");
  EXPECT_EQ(engine::EnglishText(m_model.Output()), "");
  EXPECT_TRUE(m_model.InputListVisible());
  EXPECT_EQ(m_model.Format().View, engine::ViewType::AutoFormat);
  // Without a settings file the window system places the window at its design size.
  EXPECT_FALSE(m_model.Window().Window.Placed());
  EXPECT_FALSE(m_model.Window().Window.Sized());
  EXPECT_FALSE(m_model.Window().Window.IsMaximized);
  EXPECT_EQ(m_model.Window().MainFont, (FontSpec{"Arial", 10, 0, true}));
  EXPECT_EQ(m_model.Window().TabFont, (FontSpec{"Small Fonts", 7, 0, false}));
}

TEST_F(ConverterModelTest, EachCategoryRemembersWhatItShowed) {
  Enter("meter", "centimeter", "5");
  EXPECT_EQ(m_model.OutputText(), "500");
  ASSERT_TRUE(m_model.SelectTab(kMass));
  EXPECT_EQ(m_model.InputList().Entries[0], "kilogram");
  EXPECT_EQ(m_model.InputText(), "");
  Enter("tonne", "kilogram", "2");
  EXPECT_EQ(m_model.OutputText(), "2000");

  ASSERT_TRUE(m_model.SelectTab(kLength));
  EXPECT_EQ(m_model.InputText(), "5");
  EXPECT_EQ(SelectedInput(), "meter");
  EXPECT_EQ(SelectedOutput(), "centimeter");
  EXPECT_EQ(m_model.OutputText(), "500");  // converted at once
  EXPECT_EQ(m_model.ViewState(kMass), (CategoryViewState{2, 0, "2"}));
}

// A switch restores the input text while the tab being left is still selected: that
// change must convert nothing, or the new category's units and text would be converted
// and stored as the old category's. Only the end of the switch converts.
TEST_F(ConverterModelTest, SwitchConvertsOnlyAtItsEnd) {
  Enter("meter", "centimeter", "5");
  m_model.SelectTab(kMass);
  Enter("tonne", "kilogram", "2");
  TextChangeRecorder recorder(m_model);
  m_model.SetObserver(&recorder);
  m_model.SelectTab(kLength);
  m_model.SelectTab(kMass);
  m_model.SetObserver(nullptr);
  EXPECT_EQ(recorder.Changes, (std::vector<std::string>{"in 5 suppressed", "out 500",
                                                        "in 2 suppressed", "out 2000"}));
  EXPECT_FALSE(m_model.ConversionSuppressed());
  EXPECT_EQ(m_model.ViewState(kLength), (CategoryViewState{0, 2, "5"}));
  EXPECT_EQ(m_model.ViewState(kMass), (CategoryViewState{2, 0, "2"}));
}

TEST_F(ConverterModelTest, FractionsHidesTheInputList) {
  m_model.SelectTab(kFractions);
  EXPECT_FALSE(m_model.InputListVisible());
  m_model.ClickOutputList(1);
  m_model.SetInputText("0.75");
  EXPECT_EQ(m_model.OutputText(), "0 and 3/4");
  m_model.SelectTab(kTemperature);
  EXPECT_TRUE(m_model.InputListVisible());
}

TEST_F(ConverterModelTest, TabsAreKnownByCaptionNotPosition) {
  m_model.SelectTab(kTemperature);
  Enter("Celsius", "Fahrenheit", "100");
  std::vector<std::string> order = m_model.IndexTabs();
  std::rotate(order.begin(), order.begin() + kTemperature, order.begin() + kTemperature + 1);
  m_model.SetCategoryOrder(order);
  EXPECT_EQ(m_model.TabIndex(), 0);
  EXPECT_EQ(m_model.CurrentCategory(), kTemperature);
  EXPECT_EQ(m_model.InputList().Entries[0], "Celsius");
  EXPECT_EQ(m_model.OutputText(), "212");

  // A caption that names no category (Mass's, now at position 2) shows the first
  // category.
  m_model.SetTabCaption(2, "mass");
  m_model.SelectTab(2);
  EXPECT_EQ(m_model.CurrentCategory(), kLength);
  EXPECT_EQ(m_model.InputList().Entries[0], "meter");
  // Find Unit's order and its way back to a tab go by the same captions.
  EXPECT_EQ(m_model.TabCategories(),
            (std::vector<int>{kTemperature, kLength, kNumbers, kFractions, kTime}));
  EXPECT_EQ(m_model.TabOfCategory(kTemperature), 0);
  EXPECT_EQ(m_model.TabOfCategory(kMass), -1);
}

// From the tab in `from`, one step forward or back; with no tab selected the first
// step goes to either end.
TEST_F(ConverterModelTest, StepTabWrapsAtEitherEnd) {
  constexpr struct {
    int from, step, to;
  } kSteps[] = {{0, 1, 1}, {5, 1, 0}, {0, -1, 5}, {3, -1, 2}, {-1, 1, 0}, {-1, -1, 5}};
  for (const auto& c : kSteps) {
    m_model.SelectTab(c.from);
    m_model.StepTab(c.step);
    EXPECT_EQ(m_model.TabIndex(), c.to) << c.from << " " << c.step;
  }
}

// The table's caption is what is converted, or the category while there is nothing.
TEST_F(ConverterModelTest, TableOfEveryUnit) {
  m_model.ClickInputList(-1);
  EXPECT_EQ(m_model.Table().Caption, "Length");
  Enter("kilometer", "centimeter", "2");
  const ConversionTable table = m_model.Table();
  EXPECT_EQ(table.Caption, "2 kilometer");
  ASSERT_EQ(table.Rows.size(), 4u);
  EXPECT_EQ(table.Rows[3].Unit, "millimeter");
  EXPECT_EQ(table.Rows[3].Result.Text, "2000000");
  EXPECT_EQ(table.OutputRow, 2);
  m_model.SelectTab(kFractions);
  m_model.SetInputText("0.5");
  EXPECT_EQ(m_model.Table().Caption, "0.5");
}

// The lazy table holds what the whole one holds, a row converted only when asked for;
// a row past the end is empty.
TEST_F(ConverterModelTest, LazyTableGivesTheRowsOnRequest) {
  Enter("kilometer", "centimeter", "2");
  const LazyConversionTable table = m_model.LazyTable();
  EXPECT_EQ(table.Caption(), "2 kilometer");
  ASSERT_EQ(table.RowCount(), 4);
  EXPECT_EQ(table.OutputRow(), 2);
  EXPECT_EQ(table.Unit(1), "kilometer");
  EXPECT_EQ(table.Row(3).Unit, "millimeter");
  EXPECT_EQ(table.Row(3).Result.Text, "2000000");
  EXPECT_EQ(table.Row(4).Unit, "");
  EXPECT_EQ(table.Row(4).Result, engine::ConversionResult{});
}

TEST_F(ConverterModelTest, SetCategoryOrderAlwaysSwitchesToTheFirstTab) {
  m_model.SelectTab(kMass);
  m_model.SetCategoryOrder(m_model.IndexTabs());
  EXPECT_EQ(m_model.TabIndex(), 0);
  EXPECT_EQ(m_model.InputList().Entries[0], "meter");
}

TEST_F(ConverterModelTest, StoredPositionBeyondTheListSelectsNothing) {
  m_model.SetViewState(kLength, {4, 2, "1"});  // Length has positions 0 to 3
  m_model.SelectTab(kMass);
  m_model.SelectTab(kLength);
  EXPECT_EQ(m_model.InputList().Selected, -1);
  EXPECT_EQ(engine::EnglishText(m_model.Output()), "");
  EXPECT_EQ(m_model.ViewState(kLength), (CategoryViewState{-1, 2, "1"}));
}

// The state mirrors the controls whatever the conversion gives.
TEST_F(ConverterModelTest, StateIsStoredEvenForMessages) {
  Enter("meter", "centimeter", "1,5");
  EXPECT_EQ(engine::EnglishText(m_model.Output()), "invalid number [2]");
  EXPECT_EQ(m_model.ViewState(kLength), (CategoryViewState{0, 2, "1,5"}));
  m_model.ClickOutputList(-1);
  EXPECT_EQ(engine::EnglishText(m_model.Output()), "");
  EXPECT_EQ(m_model.ViewState(kLength), (CategoryViewState{0, -1, "1,5"}));
}

TEST_F(ConverterModelTest, SortingForgetsEveryCategory) {
  Enter("meter", "centimeter", "5");
  m_model.SelectTab(kFractions);
  m_model.ClickOutputList(1);
  m_model.SetInputText("0.5");
  m_model.SelectTab(kMass);
  Enter("tonne", "kilogram", "2");

  m_model.SetSortedUnitLists(true);
  EXPECT_TRUE(m_model.SortedUnitLists());
  EXPECT_EQ(m_model.InputText(), "");
  EXPECT_EQ(m_model.InputList().Selected, -1);
  EXPECT_EQ(m_model.OutputList().Selected, -1);
  EXPECT_EQ(InputEntries(), (Names{"gram", "kilogram", "tonne"}));
  for (int i = kLength; i <= kTime; ++i) {
    SCOPED_TRACE(i);
    const CategoryViewState& state = m_model.ViewState(i);
    EXPECT_EQ(state.FormatOut, -1);
    EXPECT_EQ(state.ValueIn, "");
    // Fractions keeps its hidden input position.
    EXPECT_EQ(state.FormatIn, i == kFractions ? 0 : -1);
  }
  m_model.SelectTab(kLength);
  EXPECT_EQ(InputEntries(), (Names{"centimeter", "kilometer", "meter", "millimeter"}));

  m_model.SetSortedUnitLists(false);
  EXPECT_EQ(InputEntries(), (Names{"meter", "kilometer", "centimeter", "millimeter"}));
  EXPECT_EQ(m_model.InputList().Selected, -1);
}

TEST_F(ConverterModelTest, ResetViewStatesLeavesFractionsInputPosition) {
  m_model.SetViewState(kFractions, {1, 1, "0.5"});
  m_model.ResetViewStates();
  EXPECT_EQ(m_model.ViewState(kFractions), (CategoryViewState{1, -1, ""}));
  EXPECT_EQ(m_model.ViewState(kLength), (CategoryViewState{-1, -1, ""}));
}

TEST_F(ConverterModelTest, SelectTabRefusesPositionsBeyondTheTabs) {
  EXPECT_FALSE(m_model.SelectTab(6));
  EXPECT_FALSE(m_model.SelectTab(-2));
  EXPECT_EQ(m_model.TabIndex(), 0);
  EXPECT_TRUE(m_model.SelectTab(5));
  EXPECT_EQ(m_model.CurrentCategory(), kTime);
}

// With no tab selected every conversion stays suppressed, a new format's included.
TEST_F(ConverterModelTest, NoTabSelectedConvertsNothing) {
  Enter("meter", "centimeter", "5");
  ASSERT_TRUE(m_model.SelectTab(-1));
  EXPECT_TRUE(m_model.ConversionSuppressed());
  m_model.SetInputText("7");
  m_model.ClickInputList(1);
  m_model.SetFormat({engine::ViewType::Scientific, 2});
  EXPECT_EQ(m_model.OutputText(), "500");
  EXPECT_EQ(m_model.ViewState(kLength), (CategoryViewState{0, 2, "5"}));
}

TEST_F(ConverterModelTest, SameInputTextRaisesNothing) {
  m_model.SetInputText("5");
  TextChangeRecorder recorder(m_model);
  m_model.SetObserver(&recorder);
  m_model.SetInputText("5");
  EXPECT_EQ(recorder.Notifications, 0);
  m_model.SetInputText("6");
  EXPECT_EQ(recorder.Changes, (std::vector<std::string>{"in 6 converting", "out 6"}));
  m_model.SetObserver(nullptr);
}

TEST_F(ConverterModelTest, NewFormatConvertsAgainAtOnce) {
  Enter("kilometer", "meter", "1234.5");
  EXPECT_EQ(m_model.OutputText(), "1234500");
  m_model.SetFormat({engine::ViewType::FixedWithCommas, 2});
  EXPECT_EQ(m_model.OutputText(), "1,234,500.00");
  EXPECT_EQ(m_model.Format().View, engine::ViewType::FixedWithCommas);
  EXPECT_EQ(m_model.Format().Precision, 2);
}

TEST_F(ConverterModelTest, InputTextHoldsLettersInUpperCase) {
  Enter("meter", "kilometer", "2e3");
  EXPECT_EQ(m_model.InputText(), "2E3");
  EXPECT_EQ(m_model.ViewState(kLength).ValueIn, "2E3");
  EXPECT_EQ(m_model.OutputText(), "2");
}

TEST_F(ConverterModelTest, InvertExchangesUnitsAndFeedsTheResultBack) {
  Enter("meter", "kilometer", "1");
  ASSERT_EQ(m_model.OutputText(), "0.001");
  EXPECT_EQ(m_model.InvertConversion(), std::nullopt);
  EXPECT_EQ(SelectedInput(), "kilometer");
  EXPECT_EQ(SelectedOutput(), "meter");
  EXPECT_EQ(m_model.InputText(), "0.001");
  EXPECT_EQ(m_model.OutputText(), "1");

  // Digits the format hid are lost; the result is read back as shown.
  m_model.SetFormat({engine::ViewType::FixedWithCommas, 4});
  Enter("kilometer", "meter", "1.2345678");
  ASSERT_EQ(m_model.OutputText(), "1,234.5678");
  m_model.InvertConversion();
  EXPECT_EQ(m_model.InputText(), "1234.5678");
  m_model.SetFormat({engine::ViewType::Fixed, 2});
  Enter("centimeter", "kilometer", "123456");
  ASSERT_EQ(m_model.OutputText(), "1.23");
  m_model.InvertConversion();
  EXPECT_EQ(m_model.InputText(), "1.23");
}

TEST_F(ConverterModelTest, ClearAllForgetsEveryCategory) {
  Enter("meter", "kilometer", "5");
  m_model.SelectTab(kTime);
  Enter("hour", "minute", "2");
  m_model.ClearAll();
  EXPECT_EQ(m_model.TabIndex(), 0);
  EXPECT_EQ(SelectedInput(), "");
  EXPECT_EQ(SelectedOutput(), "");
  EXPECT_EQ(m_model.InputText(), "");
  m_model.SelectTab(kTime);
  EXPECT_EQ(SelectedInput(), "");
  EXPECT_EQ(m_model.InputText(), "");
}

TEST_F(ConverterModelTest, InvertReadsMessagesAndEmptyResultsAsZero) {
  Enter("meter", "millimeter", "");
  m_model.InvertConversion();
  EXPECT_EQ(m_model.InputText(), "0");
  EXPECT_EQ(m_model.OutputText(), "0");
  Enter("meter", "millimeter", "1E4932");
  ASSERT_EQ(engine::EnglishText(m_model.Output()), "result too large");
  m_model.InvertConversion();
  EXPECT_EQ(m_model.InputText(), "0");
}

// -40 is the same in both scales: the texts stay, the exchanged units are stored.
TEST_F(ConverterModelTest, InvertWithUnchangedTextStillStoresTheUnits) {
  m_model.SelectTab(kTemperature);
  Enter("Celsius", "Fahrenheit", "100");
  m_model.InvertConversion();
  EXPECT_EQ(m_model.InputText(), "212");
  EXPECT_EQ(m_model.OutputText(), "100");
  EXPECT_EQ(SelectedInput(), "Fahrenheit");

  Enter("Celsius", "Fahrenheit", "-40");
  m_model.InvertConversion();
  EXPECT_EQ(m_model.InputText(), "-40");
  EXPECT_EQ(m_model.OutputText(), "-40");
  EXPECT_EQ(m_model.ViewState(kTemperature), (CategoryViewState{1, 0, "-40"}));
}

TEST_F(ConverterModelTest, InvertRefusals) {
  constexpr struct {
    int tab;
    int inputUnit;
    int outputUnit;
    const char* message;
  } kCases[] = {
      {kNumbers, 3, 0, "You cannot invert this type of conversion."},
      {kNumbers, -1, -1, "You cannot invert this type of conversion."},  // the kind first
      {kFractions, 0, 1, "You cannot invert this type of conversion."},
      {kLength, -1, 2, "Both units must be selected before you can invert the conversion."},
      {kTemperature, 0, -1, "Both units must be selected before you can invert the conversion."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.message);
    m_model.SelectTab(c.tab);
    m_model.ClickInputList(c.inputUnit);
    m_model.ClickOutputList(c.outputUnit);
    m_model.SetInputText("10");
    const CategoryViewState before = m_model.ViewState(c.tab);
    const std::optional<engine::Message> refusal = m_model.InvertConversion();
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(engine::EnglishText(*refusal), c.message);
    EXPECT_EQ(m_model.ViewState(c.tab), before);
    EXPECT_EQ(m_model.InputText(), "10");
  }
}

TEST_F(ConverterModelTest, ClearAllGoesToTheFirstTabWithNothingSelected) {
  Enter("meter", "centimeter", "5");
  m_model.SelectTab(kTime);
  Enter("hour", "minute", "2");
  ASSERT_EQ(m_model.OutputText(), "120");
  m_model.ClearAll();
  EXPECT_EQ(m_model.TabIndex(), 0);
  EXPECT_EQ(m_model.InputList().Selected, -1);
  EXPECT_EQ(m_model.OutputList().Selected, -1);
  EXPECT_EQ(m_model.InputText(), "");
  EXPECT_EQ(engine::EnglishText(m_model.Output()), "");
  m_model.SelectTab(kTime);
  EXPECT_EQ(m_model.InputText(), "");
  EXPECT_EQ(m_model.InputList().Selected, -1);
}

// The stored positions refer to the lists in the stored order: the tables are put in
// that order before the positions are taken.
TEST_F(ConverterModelTest, ApplySettingsOrdersTheListsBeforeTakingThePositions) {
  StoredSettings settings = m_model.Settings();
  settings.IndexTabs = {"Time", "Length", "Mass", "Temperature", "Numbers", "Fractions"};
  settings.TabIndex = 1;
  settings.SortedUnitLists = true;
  settings.Format = {engine::ViewType::Scientific, 3};
  settings.Window = {10, 20, 300, 200, false};
  settings.MainFont = {"Courier", 12, 255, false, true};
  settings.ViewStates[kLength] = {0, 2, "2"};  // sorted: centimeter to meter
  m_model.ApplySettings(settings);

  EXPECT_EQ(m_model.IndexTabs()[0], "Time");
  EXPECT_EQ(m_model.TabIndex(), 1);
  EXPECT_EQ(m_model.CurrentCategory(), kLength);
  EXPECT_TRUE(m_model.SortedUnitLists());
  EXPECT_EQ(SelectedInput(), "centimeter");
  EXPECT_EQ(SelectedOutput(), "meter");
  EXPECT_EQ(m_model.InputText(), "2");
  EXPECT_EQ(m_model.OutputText(), "2.00E-002");
  EXPECT_EQ(m_model.Window().Window, (WindowBounds{10, 20, 300, 200, false}));
  EXPECT_EQ(m_model.Window().MainFont, (FontSpec{"Courier", 12, 255, false, true}));
  EXPECT_EQ(m_model.Window().TabFont, (FontSpec{"Small Fonts", 7, 0, false}));
  EXPECT_EQ(m_model.Settings().ViewStates[kLength], (CategoryViewState{0, 2, "2"}));
}

}  // namespace
}  // namespace quantivo::model
