#include "model/custom_units_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "model/converter_model.h"
#include "model/profile_file.h"
#include "model/settings_file.h"
#include "support/recorded_messages.h"
#include "support/temporary_folder.h"

namespace quantivo::model {
namespace {

using catalogue::CustomUnit;
using catalogue::CustomUnitLists;
using catalogue::UnitCatalogue;

constexpr int kLength = 0;
constexpr int kTemperature = 13;

// A definition checked in Length, whose only unit of the user's own is "step" (st): ""
// when it is taken, else the refusal in English.
std::string Checked(const CustomUnitText& text, int category = kLength) {
  UnitCatalogue catalogue;
  CustomUnitLists units(static_cast<std::size_t>(catalogue.CategoryCount()));
  units[kLength] = {
      CheckCustomUnit(catalogue, kLength, {"step", "st", "60", "centimeter"}, -1).Unit.value()};
  catalogue.SetCustomUnits(units);
  const CheckedUnit checked = CheckCustomUnit(catalogue, category, text, -1);
  return checked.Unit ? "" : engine::EnglishText(checked.Refusal);
}

TEST(CustomUnitsFile, DefinitionsAndRefusals) {
  struct Case {
    CustomUnitText Text;
    const char* Refusal;
  };
  const Case cases[] = {
      {{" metric foot ", "mft, MFT", "300", "millimeter"}, ""},
      {{"pace", "", "2.5E-1", "cm"}, ""},  // a table unit by its symbol
      {{"", "x", "1", "meter"}, "the unit has no name"},
      {{"Meter", "", "1", "meter"}, "\"Meter\" is already a name in this category"},
      {{"klick", "KM", "1", "kilometer"}, "\"KM\" is already a name in this category"},
      {{"metres2", "", "1", "meter"}, ""},
      {{"STEP", "", "1", "meter"}, "\"STEP\" is already a name in this category"},
      {{"stride", "ST", "1", "meter"}, "\"ST\" is already a name in this category"},
      {{"a=b", "", "1", "meter"},
       "\"a=b\" cannot be written in the units file: a name holds no "
       "\",\", \"=\", \";\" or control character and does not begin with "
       "\"[\" or \"#\""},
      {{"# x", "", "1", "meter"},
       "\"# x\" cannot be written in the units file: a name holds no "
       "\",\", \"=\", \";\" or control character and does not begin with "
       "\"[\" or \"#\""},
      {{"bag", "", "0", "meter"}, "\"0\" is not a positive number"},
      {{"bag", "", "-1", "meter"}, "\"-1\" is not a positive number"},
      {{"bag", "", "1,5", "meter"}, "\"1,5\" is not a positive number"},
      {{"bag", "", "1E5000", "meter"}, "\"1E5000\" is not a positive number"},
      {{"bag", "", "1E-4940", "kilometer"}, "\"1E-4940\" is not a positive number"},
      {{"bag", "", "1", "kilogram"}, "\"kilogram\" is not a unit of this category's table"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text.Name);
    EXPECT_EQ(Checked(c.Text), c.Refusal);
  }
  EXPECT_EQ(Checked({"warm", "", "1", "Celsius"}, kTemperature),
            "Temperature takes no units of your own: only categories converted by a factor do");
}

TEST(CustomUnitsFile, LinesThatCannotBeReadAreReportedByNumber) {
  const UnitCatalogue catalogue;
  const UnitsFileContents contents = ReadCustomUnits(
      "; mine\n"
      "[length]\r\n"
      "step, st = 60 centimeter\n"
      "stride = 2 steps\n"
      "pace = 75\n"
      "[Nowhere]\n"
      "x = 1 meter\n"
      "[Temperature]\n"
      "[DryVolume]\n"
      "sack, sk = 2 bushel",
      catalogue);
  std::vector<std::string> problems;
  for (const UnitsFileProblem& problem : contents.Problems) {
    problems.push_back(std::to_string(problem.Line) + " " + engine::EnglishText(problem.What));
  }
  EXPECT_EQ(problems, (std::vector<std::string>{
                          "4 line 4: \"steps\" is not a unit of this category's table",
                          "5 line 5: a unit is written as name = value unit, as in step = 60 "
                          "centimeter",
                          "6 line 6: [Nowhere] is not the name of a category's section",
                          "8 line 8: Temperature takes no units of your own: only categories "
                          "converted by a factor do"}));
  ASSERT_EQ(contents.Units[kLength].size(), 1u);
  EXPECT_EQ(contents.Units[kLength][0],
            (CustomUnit{"step", {"st"}, "60", "centimeter", contents.Units[kLength][0].Factor}));
  EXPECT_EQ(contents.Units[3][0].Name, "sack");  // Volume - Dry
}

// The dialog's changes, saved into a file a person also edits.
TEST(CustomUnitsFile, SavingKeepsEveryLineItDoesNotChange) {
  const std::string text =
      "; my units\n"
      "[Length]\n"
      "step = 60 centimeter\n"
      "span = 9 inch   ; by hand\n"
      "bad line\n"
      "\n"
      "[Other]\n"
      "kept = as it is";
  UnitCatalogue catalogue;
  catalogue.SetCustomUnits(ReadCustomUnits(text, catalogue).Units);
  CustomUnitLists units(static_cast<std::size_t>(catalogue.CategoryCount()));
  const auto define = [&](CustomUnitText unit) {
    return CheckCustomUnit(catalogue, kLength, unit, -1).Unit.value();
  };
  units[kLength] = {define({"pace", "", "75", "centimeter"}),  // step renamed in its place
                    catalogue.CustomUnits(kLength)[1], define({"rope", "", "20", "foot"})};
  units[6] = {CheckCustomUnit(catalogue, 6, {"bag", "", "50", "kilogram"}, -1).Unit.value()};
  EXPECT_EQ(WriteCustomUnits(text, catalogue, units),
            "; my units\n"
            "[Length]\n"
            "pace = 75 centimeter\n"
            "span = 9 inch   ; by hand\n"
            "bad line\n"
            "rope = 20 foot\n"
            "\n"
            "[Other]\n"
            "kept = as it is\n"
            "\n"
            "[Mass]\n"
            "bag = 50 kilogram\n");

  // Removed, while a line written by hand since the file was read stays.
  units[kLength].erase(units[kLength].begin());
  EXPECT_EQ(WriteCustomUnits(text + "\n[Length]\nhand = 1 foot\n", catalogue, units),
            "; my units\n"
            "[Length]\n"
            "span = 9 inch   ; by hand\n"
            "bad line\n"
            "\n"
            "[Other]\n"
            "kept = as it is\n"
            "[Length]\n"
            "hand = 1 foot\n"
            "rope = 20 foot\n"
            "\n"
            "[Mass]\n"
            "bag = 50 kilogram\n");
}

TEST(CustomUnitsFile, LineEndsOfOldMacsAreReadAndKept) {
  const std::string text = "[Length]\rstep = 60 centimeter\r";
  CustomUnitLists units = ReadCustomUnits(text, UnitCatalogue()).Units;
  units[kLength].push_back({"pace", {}, "75", "centimeter", 1});
  EXPECT_EQ(WriteCustomUnits(text, UnitCatalogue(), units),
            "[Length]\rstep = 60 centimeter\rpace = 75 centimeter\r");
}

// A settings or units file in UTF-16, with its mark or without, is reported when read
// and never replaced.
TEST(TextInUtf16, IsReportedAndKept) {
  const test::TemporaryFolder folder;
  const std::string path = (folder.Path() / "file.ini").string();
  for (const std::string& text :
       {std::string("\xFF\xFE[\0Q\0]\0", 8), std::string("\0[\0Q\0]", 6)}) {
    std::ofstream(path, std::ios::binary) << text;
    test::RecordedMessages messages;
    ConverterModel model(UnitCatalogue(), {});
    LoadSettingsFile(model, path, messages);
    EXPECT_FALSE(SaveSettingsFile(model, path, messages));
    EXPECT_EQ(LoadCustomUnitsFile(path, model.Catalogue(), messages), CustomUnitLists());
    EXPECT_FALSE(SaveCustomUnitsFile(path, model.Catalogue(), {}, messages));
    const std::string read = "Unable to read " + path, written = "Unable to write to " + path;
    EXPECT_EQ(messages.Errors, (std::vector<std::string>{read, written, read, written}));
    EXPECT_EQ(test::Contents(path), text);
  }
}

class CustomUnitSelection : public testing::Test {
 protected:
  CustomUnitSelection() : model(UnitCatalogue(), {}) {}
  void Define(std::vector<CustomUnitText> texts) {
    CustomUnitLists units(static_cast<std::size_t>(model.Catalogue().CategoryCount()));
    const UnitCatalogue tables;
    for (const CustomUnitText& text : texts) {
      units[kLength].push_back(CheckCustomUnit(tables, kLength, text, -1).Unit.value());
    }
    model.SetCustomUnits(units);
  }
  std::string Selected(const UnitList& list) const {
    return list.Selected < 0 ? "none" : std::string(list.Entries[list.Selected]);
  }
  ConverterModel model;
};

TEST_F(CustomUnitSelection, FollowsTheUnitByItsNameAndNeverAnother) {
  Define({{"step", "", "60", "centimeter"}, {"bag", "", "1", "meter"}});
  ASSERT_EQ(model.InputList().Entries.size(), 40u);
  model.ClickInputList(38);
  model.ClickOutputList(3);  // meter
  model.SetInputText("10");
  EXPECT_EQ(model.OutputText(), "6");
  model.SetSortedUnitLists(true);  // forgets the selections, and sorts the two among themselves
  EXPECT_EQ(model.InputList().Entries[38], "bag");
  model.ClickInputList(39);  // step
  Define({{"aaa", "", "1", "meter"}, {"step", "", "60", "centimeter"}});
  EXPECT_EQ(Selected(model.InputList()), "step");
  Define({{"aaa", "", "1", "meter"}, {"stride", "", "60", "centimeter"}});  // renamed
  EXPECT_EQ(Selected(model.InputList()), "none");
  EXPECT_EQ(model.InputList().Entries.size(), 40u);
}

// The lists show the model's own name lists: new units empty them before those are
// rebuilt, and a switch to no tab fills nothing in their place.
TEST_F(CustomUnitSelection, NewUnitsWithNoTabLeaveTheListsEmpty) {
  Define({{"step", "", "60", "centimeter"}});
  ASSERT_TRUE(model.SelectTab(-1));
  EXPECT_EQ(model.InputList().Entries.size(), 39u);
  Define({{"bag", "", "1", "meter"}});
  EXPECT_EQ(model.InputList().Entries.size(), 0u);
  EXPECT_EQ(model.OutputList().Entries.size(), 0u);
  ASSERT_TRUE(model.SelectTab(0));
  EXPECT_EQ(model.InputList().Entries[38], "bag");
}

TEST_F(CustomUnitSelection, SettingsKeepTheSelectedUnitByItsName) {
  Define({{"step", "", "60", "centimeter"}});
  model.ClickOutputList(38);
  ProfileFile file;
  SaveSettings(model, file);
  EXPECT_EQ(file.ReadString("Length", "FormatOut", ""), "38");
  EXPECT_EQ(file.ReadString("Length", "FormatOutUnit", ""), "step");

  struct Case {
    std::vector<CustomUnitText> Units;
    const char* Selected;
  };
  const Case cases[] = {
      {{{"step", "", "60", "centimeter"}}, "step"},
      {{}, "none"},                                  // a program without the units file
      {{{"pace", "", "75", "centimeter"}}, "none"},  // the file edited in between
      {{{"pace", "", "75", "centimeter"}, {"step", "", "60", "centimeter"}}, "step"},
  };
  for (const Case& c : cases) {
    test::RecordedMessages messages;
    Define(c.Units);
    LoadSettings(model, file, messages);
    EXPECT_EQ(Selected(model.OutputList()), c.Selected);
  }
}

}  // namespace
}  // namespace quantivo::model
