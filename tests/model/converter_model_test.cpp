#include "model/converter_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/convert_by_name.h"

namespace quantivo::model {
namespace {

using catalogue::UnitCatalogue;

constexpr int kLength = 0;
constexpr int kArea = 1;
constexpr int kTemperature = 13;
constexpr int kFractions = 17;

// Records, for every change of the input text the model makes, whether a
// conversion could have run then.
class InputChangeRecorder : public ShownValuesObserver {
 public:
  explicit InputChangeRecorder(const ConverterModel& model) : m_model(model) {}
  void ShownValuesChanged(unsigned parts) override {
    ++Notifications;
    if (parts & kInputText) InputChangeOverrides.push_back(m_model.CategoryOverride());
  }
  int Notifications = 0;
  std::vector<int> InputChangeOverrides;

 private:
  const ConverterModel& m_model;
};

class ConverterModelTest : public testing::Test {
 protected:
  int Unit(std::string_view name) const {
    return test::PositionOf(m_catalogue, m_model.CurrentCategory(), name);
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

  UnitCatalogue m_catalogue;
  ConverterModel m_model{m_catalogue, engine::NumberLocale{}};
};

TEST_F(ConverterModelTest, StartsOnTheFirstTabInCatalogueOrder) {
  ASSERT_EQ(m_model.IndexTabs().size(), 23u);
  EXPECT_EQ(m_model.IndexTabs()[0], "Length");
  EXPECT_EQ(m_model.IndexTabs()[12], "Flow");
  EXPECT_EQ(m_model.IndexTabs()[22], "Thermal Conductivity");
  EXPECT_EQ(m_model.TabIndex(), 0);
  EXPECT_EQ(m_model.CategoryOverride(), -1);
  EXPECT_EQ(m_model.InputList().Entries.size(), 38u);
  EXPECT_EQ(SelectedInput(), "kilometer");  // view states start at position 0
  EXPECT_EQ(m_model.InputText(), "");
  EXPECT_EQ(m_model.OutputText(), "");
  EXPECT_TRUE(m_model.InputListVisible());
  EXPECT_EQ(m_model.Format.View, engine::ViewType::AutoFormat);
  EXPECT_EQ(m_model.Window, (WindowBounds{0, 0, 610, 450, false}));
  EXPECT_EQ(m_model.MainFont, (FontSpec{"Arial", 10, 0, true}));
  EXPECT_EQ(m_model.TabFont, (FontSpec{"Small Fonts", 7, 0, false}));
}

TEST_F(ConverterModelTest, EachCategoryRemembersWhatItShowed) {
  Enter("meter", "foot", "5");
  EXPECT_EQ(m_model.OutputText(), "16.40419948");
  ASSERT_TRUE(m_model.SelectTab(kArea));
  EXPECT_EQ(m_model.InputList().Entries[0], "kilometer²");
  EXPECT_EQ(m_model.InputText(), "");
  Enter("acre", "meter²", "2");
  EXPECT_EQ(m_model.OutputText(), "8093.74522");

  ASSERT_TRUE(m_model.SelectTab(kLength));
  EXPECT_EQ(m_model.InputText(), "5");
  EXPECT_EQ(SelectedInput(), "meter");
  EXPECT_EQ(SelectedOutput(), "foot");
  EXPECT_EQ(m_model.OutputText(), "16.40419948");  // converted at once
  EXPECT_EQ(m_model.ViewState(kArea), (CategoryViewState{20, 3, "2"}));
}

// The input text restored by a switch raises a change that must convert nothing:
// otherwise it would be stored into the category being left.
TEST_F(ConverterModelTest, SwitchConvertsOnlyAtItsEnd) {
  Enter("meter", "foot", "5");
  m_model.SelectTab(kArea);
  Enter("acre", "meter²", "2");
  InputChangeRecorder recorder(m_model);
  m_model.SetObserver(&recorder);
  m_model.SelectTab(kLength);
  m_model.SelectTab(kArea);
  m_model.SetObserver(nullptr);
  EXPECT_EQ(recorder.InputChangeOverrides, (std::vector<int>{-99, -99}));
  EXPECT_EQ(m_model.ViewState(kLength), (CategoryViewState{3, 19, "5"}));
  EXPECT_EQ(m_model.ViewState(kArea), (CategoryViewState{20, 3, "2"}));
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

  // A caption that names no category shows Length and keeps Length's state.
  m_model.SetTabCaption(1, "volume");
  m_model.SelectTab(1);
  EXPECT_EQ(m_model.CurrentCategory(), kLength);
  EXPECT_EQ(m_model.InputList().Entries.size(), 38u);
}

TEST_F(ConverterModelTest, SetCategoryOrderAlwaysSwitchesToTheFirstTab) {
  m_model.SelectTab(kArea);
  m_model.SetCategoryOrder(m_model.IndexTabs());
  EXPECT_EQ(m_model.TabIndex(), 0);
  EXPECT_EQ(m_model.InputList().Entries[0], "kilometer");
}

TEST_F(ConverterModelTest, StoredPositionBeyondTheListSelectsNothing) {
  m_model.SetViewState(kLength, {40, 3, "1"});
  m_model.SelectTab(kArea);
  m_model.SelectTab(kLength);
  EXPECT_EQ(m_model.InputList().Selected, -1);
  EXPECT_EQ(m_model.OutputText(), "");
  EXPECT_EQ(m_model.ViewState(kLength), (CategoryViewState{-1, 3, "1"}));
}

// The state mirrors the controls whatever the conversion gives.
TEST_F(ConverterModelTest, StateIsStoredEvenForMessages) {
  Enter("meter", "foot", "1,5");
  EXPECT_EQ(m_model.OutputText(), "invalid number [2]");
  EXPECT_EQ(m_model.ViewState(kLength), (CategoryViewState{3, 19, "1,5"}));
  m_model.ClickOutputList(-1);
  EXPECT_EQ(m_model.OutputText(), "");
  EXPECT_EQ(m_model.ViewState(kLength), (CategoryViewState{3, -1, "1,5"}));
}

TEST_F(ConverterModelTest, SortingForgetsEveryCategory) {
  Enter("meter", "foot", "5");
  m_model.SelectTab(kFractions);
  m_model.ClickOutputList(1);
  m_model.SetInputText("0.5");
  m_model.SelectTab(kArea);
  Enter("acre", "meter²", "2");

  m_model.SetSortedUnitLists(true);
  EXPECT_TRUE(m_model.SortedUnitLists());
  EXPECT_EQ(m_model.InputText(), "");
  EXPECT_EQ(m_model.InputList().Selected, -1);
  EXPECT_EQ(m_model.OutputList().Selected, -1);
  EXPECT_EQ(m_model.InputList().Entries[0], "acre");
  for (int i = 0; i < UnitCatalogue::CategoryCount; ++i) {
    SCOPED_TRACE(i);
    const CategoryViewState& state = m_model.ViewState(i);
    EXPECT_EQ(state.FormatOut, -1);
    EXPECT_EQ(state.ValueIn, "");
    // Fractions keeps its hidden input position.
    EXPECT_EQ(state.FormatIn, i == kFractions ? 0 : -1);
  }
  m_model.SelectTab(kLength);
  EXPECT_EQ(m_model.InputList().Entries[0], "angstrom");

  m_model.SetSortedUnitLists(false);
  EXPECT_EQ(m_model.InputList().Entries[0], "kilometer");
  EXPECT_EQ(m_model.InputList().Selected, -1);
}

TEST_F(ConverterModelTest, ResetViewStatesLeavesFractionsInputPosition) {
  m_model.SetViewState(kFractions, {1, 1, "0.5"});
  m_model.ResetViewStates();
  EXPECT_EQ(m_model.ViewState(kFractions), (CategoryViewState{1, -1, ""}));
  EXPECT_EQ(m_model.ViewState(kLength), (CategoryViewState{-1, -1, ""}));
}

TEST_F(ConverterModelTest, SelectTabRefusesPositionsBeyondTheTabs) {
  EXPECT_FALSE(m_model.SelectTab(23));
  EXPECT_FALSE(m_model.SelectTab(-2));
  EXPECT_EQ(m_model.TabIndex(), 0);
  EXPECT_TRUE(m_model.SelectTab(22));
  EXPECT_EQ(m_model.CurrentCategory(), 22);
}

// With no tab selected every conversion stays suppressed.
TEST_F(ConverterModelTest, NoTabSelectedConvertsNothing) {
  Enter("meter", "foot", "5");
  ASSERT_TRUE(m_model.SelectTab(-1));
  EXPECT_EQ(m_model.CategoryOverride(), -99);
  m_model.SetInputText("7");
  m_model.ClickInputList(0);
  EXPECT_EQ(m_model.OutputText(), "16.40419948");
  EXPECT_EQ(m_model.ViewState(kLength), (CategoryViewState{3, 19, "5"}));
}

TEST_F(ConverterModelTest, SameInputTextRaisesNothing) {
  m_model.SetInputText("5");
  InputChangeRecorder recorder(m_model);
  m_model.SetObserver(&recorder);
  m_model.SetInputText("5");
  EXPECT_EQ(recorder.Notifications, 0);
  m_model.SetInputText("6");
  EXPECT_EQ(recorder.InputChangeOverrides, (std::vector<int>{-1}));
  m_model.SetObserver(nullptr);
}

TEST_F(ConverterModelTest, ResultFormatAppliesAtTheNextConversion) {
  Enter("kilometer", "meter", "1234.5");
  EXPECT_EQ(m_model.OutputText(), "1234500");
  m_model.Format = {engine::ViewType::FixedWithCommas, 2};
  m_model.MainChange();
  EXPECT_EQ(m_model.OutputText(), "1,234,500.00");
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
  m_model.Format = {engine::ViewType::FixedWithCommas, 4};
  Enter("kilometer", "meter", "1.2345678");
  ASSERT_EQ(m_model.OutputText(), "1,234.5678");
  m_model.InvertConversion();
  EXPECT_EQ(m_model.InputText(), "1234.5678");
  m_model.Format = {engine::ViewType::Fixed, 2};
  Enter("meter", "foot", "1");
  ASSERT_EQ(m_model.OutputText(), "3.28");
  m_model.InvertConversion();
  EXPECT_EQ(m_model.InputText(), "3.28");
}

TEST_F(ConverterModelTest, InvertReadsMessagesAndEmptyResultsAsZero) {
  Enter("meter", "millimeter", "");
  m_model.InvertConversion();
  EXPECT_EQ(m_model.InputText(), "0");
  EXPECT_EQ(m_model.OutputText(), "0");
  Enter("meter", "millimeter", "1E4932");
  ASSERT_EQ(m_model.OutputText(), "result too large");
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
      {16, 3, 0, "You cannot invert this type of conversion."},
      {16, -1, -1, "You cannot invert this type of conversion."},  // the category first
      {kFractions, 0, 1, "You cannot invert this type of conversion."},
      {kLength, -1, 3, "Both units must be selected before you can invert the conversion."},
      {kTemperature, 0, -1, "Both units must be selected before you can invert the conversion."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.message);
    m_model.SelectTab(c.tab);
    m_model.ClickInputList(c.inputUnit);
    m_model.ClickOutputList(c.outputUnit);
    m_model.SetInputText("10");
    const CategoryViewState before = m_model.ViewState(c.tab);
    EXPECT_EQ(m_model.InvertConversion(), std::optional<std::string>(c.message));
    EXPECT_EQ(m_model.ViewState(c.tab), before);
    EXPECT_EQ(m_model.InputText(), "10");
  }
}

TEST_F(ConverterModelTest, ClearAllGoesToTheFirstTabWithNothingSelected) {
  Enter("meter", "foot", "5");
  m_model.SelectTab(4);
  Enter("day", "hour", "2");
  m_model.ClearAll();
  EXPECT_EQ(m_model.TabIndex(), 0);
  EXPECT_EQ(m_model.InputList().Selected, -1);
  EXPECT_EQ(m_model.OutputList().Selected, -1);
  EXPECT_EQ(m_model.InputText(), "");
  EXPECT_EQ(m_model.OutputText(), "");
  m_model.SelectTab(4);
  EXPECT_EQ(m_model.InputText(), "");
  EXPECT_EQ(m_model.InputList().Selected, -1);
}

}  // namespace
}  // namespace quantivo::model
