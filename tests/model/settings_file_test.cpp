#include "model/settings_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/profile_value.h"
#include "support/recorded_messages.h"
#include "support/temporary_folder.h"
#include "support/unprivileged.h"

namespace quantivo::model {
namespace {

using catalogue::UnitCatalogue;

constexpr int kLength = 0;
constexpr int kTemperature = 13;
constexpr int kFractions = 17;
constexpr int kComputer = 18;

using test::RecordedMessages;
using test::ValueOf;

class SettingsTest : public testing::Test {
 protected:
  void Load(const std::string& text) {
    ProfileFile file;
    file.LoadText(text);
    LoadSettings(m_model, file, m_messages);
  }
  std::string Save(const std::string& existing = "") const {
    ProfileFile file;
    file.LoadText(existing);
    SaveSettings(m_model, file);
    return file.Text();
  }

  ConverterModel m_model{UnitCatalogue(), engine::NumberLocale{}};
  RecordedMessages m_messages;
};

// Whatever the model showed before, an empty file gives the defaults of everything
// but the window's bounds and the fonts' faces, sizes and colours.
TEST_F(SettingsTest, NoFileGivesTheDefaults) {
  std::vector<std::string> reversed = m_model.IndexTabs();
  std::reverse(reversed.begin(), reversed.end());
  m_model.SetCategoryOrder(reversed);
  m_model.SetSortedUnitLists(true);
  m_model.SetFormat({engine::ViewType::Scientific, 9});
  m_model.SelectTab(22);
  m_model.SetViewState(kLength, {3, 19, "5"});
  Load("");
  EXPECT_EQ(m_model.IndexTabs().size(), 23u);
  EXPECT_EQ(m_model.IndexTabs()[0], "Length");
  EXPECT_EQ(m_model.IndexTabs()[13], "Temperature");
  EXPECT_EQ(m_model.IndexTabs()[22], "Thermal Conductivity");
  EXPECT_EQ(m_model.TabIndex(), 0);
  EXPECT_EQ(m_model.InputList().Entries[0], "kilometer");
  EXPECT_EQ(m_model.InputList().Selected, -1);
  EXPECT_EQ(m_model.OutputList().Selected, -1);
  EXPECT_EQ(m_model.InputText(), "");
  EXPECT_EQ(m_model.ViewState(kLength), (CategoryViewState{-1, -1, ""}));
  EXPECT_EQ(m_model.Format().View, engine::ViewType::AutoFormat);
  EXPECT_EQ(m_model.Format().Precision, 4);
  EXPECT_FALSE(m_model.SortedUnitLists());
  EXPECT_EQ(m_model.Window().MainFont, (FontSpec{"Arial", 10, 0, false}));  // regular, not bold
  EXPECT_TRUE(m_messages.Information.empty());
  EXPECT_TRUE(m_messages.Errors.empty());
}

// A fresh file holds its sections and keys in the order they are written.
TEST_F(SettingsTest, FreshFileLayout) {
  Load("");
  const std::string dashes(50, '-');
  std::string expected =
      "[Quantivo]\n"
      "0---------=" +
      dashes +
      "\n"
      "1-WARNING-=MODIFYING ANY PORTION OF THIS INI FILE MAY PREVENT\n"
      "2-WARNING-=Quantivo FROM OPERATING PROPERLY!\n"
      "3---------=" +
      dashes +
      "\n"
      "TabIndex=0\n"
      // A model without a window leaves place and size to the window system.
      "FormTop=-2147483648\n"
      "FormLeft=-2147483648\n"
      "FormWidth=0\n"
      "FormHeight=0\n"
      "IsMaximized=0\n"
      "ViewType=1\n"
      "Precision=4\n"
      "SortedUnitLists=0\n"
      "Font1Name=Arial\n"
      "Font1Size=10\n"
      "Font1Color=0\n"
      "Font1Bold=0\n"
      "Font1Italic=0\n"
      "Font1ColorChosen=0\n"
      "Font2Name=Small Fonts\n"
      "Font2Size=7\n"
      "Font2Color=0\n"
      "Font2Bold=0\n"
      "Font2Italic=0\n"
      "Font2ColorChosen=0\n"
      "ShowConversionFactor=0\n"
      "StayOnTop=0\n"
      "\n\n[IndexTabs]\n"
      "TabCount=23\n"
      "1=Length\n2=Area\n3=Volume\n4=Volume - Dry\n5=Time\n6=Speed\n7=Mass\n8=Density\n"
      "9=Force\n10=Energy\n11=Power\n12=Pressure\n13=Flow\n14=Temperature\n15=Angle\n"
      "16=Light\n17=Numbers\n18=Fractions\n19=Computer\n20=Dynamic Viscosity\n"
      "21=Kinematic Viscosity\n22=Conductivity\n23=Thermal Conductivity\n";
  for (const char* section : {"Length",       "Area",
                              "Volume",       "DryVolume",
                              "Time",         "Speed",
                              "Mass",         "Density",
                              "Force",        "Energy",
                              "Power",        "Pressure",
                              "Temperature",  "Angle",
                              "Light",        "Numbers",
                              "Fractions",    "Flow",
                              "Viscosity1",   "Viscosity2",
                              "Conductivity", "ThermalConductivity",
                              "Computer"}) {
    expected += "\n\n[" + std::string(section) + "]\n";
    if (std::string(section) != "Fractions") expected += "FormatIn=-1\n";
    expected += "FormatOut=-1\nValueIn=\n";
  }
  EXPECT_EQ(Save(), expected);
}

TEST_F(SettingsTest, StaleTabCountKeepsTheBuiltInOrder) {
  Load("[IndexTabs]\nTabCount=22\n1=Area\n2=Length\n");
  ASSERT_EQ(m_messages.Information.size(), 1u);
  EXPECT_EQ(m_messages.Information[0],
            "Because of the addition of new unit categories in this version of Quantivo, any "
            "custom category arranging will need to be redone.");
  EXPECT_EQ(m_model.IndexTabs()[0], "Length");
  const std::string saved = Save("[IndexTabs]\nTabCount=22\n1=Area\n2=Length\n");
  EXPECT_EQ(ValueOf(saved, "IndexTabs", "TabCount"), "23");
  EXPECT_EQ(ValueOf(saved, "IndexTabs", "1"), "Length");
  EXPECT_EQ(ValueOf(saved, "IndexTabs", "2"), "Area");

  m_messages.Information.clear();
  Load(saved);
  EXPECT_TRUE(m_messages.Information.empty());
}

TEST_F(SettingsTest, StoredTabOrderAndSelection) {
  Load(
      "[Quantivo]\nTabIndex=1\n[IndexTabs]\nTabCount=23\n1=Area\n2=Temperature\n3=volume\n"
      "[Temperature]\nFormatIn=0\nFormatOut=1\nValueIn=100\n");
  EXPECT_EQ(m_model.IndexTabs()[0], "Area");
  EXPECT_EQ(m_model.IndexTabs()[2], "volume");  // taken as it is
  EXPECT_EQ(m_model.IndexTabs()[3], "Volume - Dry");
  EXPECT_EQ(m_model.TabIndex(), 1);
  EXPECT_EQ(m_model.CurrentCategory(), kTemperature);
  EXPECT_EQ(m_model.OutputText(), "212");
}

TEST_F(SettingsTest, IntegersInEveryForm) {
  m_model.SetWindowBounds({40, 50, 700, 500, false}, m_model.Window().TableWindow);
  Load(
      "[Quantivo]\nViewType=7\nPrecision=0x0A\nFormWidth=$300\nSortedUnitLists=2\n"
      "FormTop=junk\n");
  EXPECT_EQ(m_model.Format().View, engine::ViewType::AutoFormat);
  EXPECT_EQ(m_model.Format().Precision, 10);
  EXPECT_EQ(m_model.Window().Window.FormWidth, 768);
  EXPECT_EQ(m_model.Window().Window.FormTop, 40);  // the window's current value
  EXPECT_TRUE(m_model.SortedUnitLists());
  const std::string saved = Save();
  EXPECT_EQ(ValueOf(saved, "Quantivo", "ViewType"), "1");
  EXPECT_EQ(ValueOf(saved, "Quantivo", "SortedUnitLists"), "1");
}

TEST_F(SettingsTest, MaximizedWindowIgnoresTheStoredBounds) {
  m_model.SetWindowBounds({40, 50, 700, 500, false}, m_model.Window().TableWindow);
  Load("[Quantivo]\nIsMaximized=1\nFormTop=1\nFormLeft=2\nFormWidth=3\nFormHeight=4\n");
  EXPECT_EQ(m_model.Window().Window, (WindowBounds{40, 50, 700, 500, true}));
  Load("[Quantivo]\nIsMaximized=0\nFormTop=1\nFormLeft=2\nFormWidth=3\nFormHeight=4\n");
  EXPECT_EQ(m_model.Window().Window, (WindowBounds{1, 2, 3, 4, false}));
}

TEST_F(SettingsTest, SortStateComesBeforeThePositions) {
  Load("[Quantivo]\nSortedUnitLists=1\n[Length]\nFormatIn=0\nFormatOut=2\nValueIn=1\n");
  EXPECT_EQ(m_model.InputList().Entries[0], "angstrom");
  EXPECT_EQ(m_model.InputList().Selected, 0);
  EXPECT_EQ(m_model.OutputList().Entries[2], "centimeter");
  EXPECT_EQ(m_model.OutputText(), "1E-8");
}

TEST_F(SettingsTest, ComputerPositions) {
  Load("[Quantivo]\nTabIndex=18\n[Computer]\nFormatIn=1\nFormatOut=5\nValueIn=1\n");
  EXPECT_EQ(m_model.CurrentCategory(), kComputer);
  EXPECT_EQ(m_model.InputList().Selected, 1);
  EXPECT_EQ(m_model.OutputList().Selected, 5);
  EXPECT_EQ(m_model.OutputText(), "0.0625");  // 1 nibble is 1/16 of a quadruple-word
}

TEST_F(SettingsTest, FractionsStoresNoInputPosition) {
  m_model.SetViewState(kFractions, {1, 1, "0.5"});
  const std::string saved = Save();
  EXPECT_EQ(ValueOf(saved, "Fractions", "FormatIn"), "<missing>");
  EXPECT_EQ(ValueOf(saved, "Fractions", "FormatOut"), "1");
  EXPECT_NE(saved.find("[Fractions]\nFormatOut=1\nValueIn=0.5\n"), std::string::npos);
  // A stored FormatIn is not read either: the model keeps its own.
  Load("[Fractions]\nFormatIn=5\nFormatOut=0\nValueIn=0.25\n");
  EXPECT_EQ(m_model.ViewState(kFractions), (CategoryViewState{1, 0, "0.25"}));
}

// What a cut leaves must read back the same after a save.
TEST_F(SettingsTest, CutValuesSurviveASaveUnchanged) {
  const std::string file = "[Quantivo]\nFont1Name=" + std::string(30, 'A') +
                           " B\nFont2Name=" + std::string(40, '\x80') + "\n[Length]\nValueIn=1" +
                           std::string(1030, ' ') + "2\n";
  Load(file);
  EXPECT_EQ(m_model.Window().MainFont.Name, std::string(30, 'A'));
  EXPECT_EQ(m_model.Window().TabFont.Name, "Small Fonts");  // nothing left once cut
  EXPECT_EQ(m_model.ViewState(kLength).ValueIn, "1");
  const std::string saved = Save(file);
  ConverterModel again(UnitCatalogue(), engine::NumberLocale{});
  ProfileFile profile;
  profile.LoadText(saved);
  LoadSettings(again, profile, m_messages);
  EXPECT_EQ(again.Window().MainFont, m_model.Window().MainFont);
  EXPECT_EQ(again.Window().TabFont, m_model.Window().TabFont);
  EXPECT_EQ(again.ViewState(kLength), m_model.ViewState(kLength));
}

TEST_F(SettingsTest, FontsKeepOnlyBoldAndItalic) {
  m_model.SetFonts({"Courier", 12, 255, false, false, true, true}, m_model.Window().TabFont);
  Load("[Quantivo]\nFont1Name=" + std::string(40, 'F') +
       "\nFont1Italic=1\nFont2Name=\n"
       "Font2Size=$0C\nFont2Color=0x00FF00\nFont2Bold=1\n");
  EXPECT_EQ(m_model.Window().MainFont,
            (FontSpec{std::string(31, 'F'), 12, 255, false, true, false, false, true}));
  EXPECT_EQ(m_model.Window().TabFont,
            (FontSpec{"Small Fonts", 12, 0xFF00, true, false, false, false, true}));
}

// Only a colour the user picked is shown; the default one is the theme's. A file
// from before the choice was stored had black for the default.
TEST_F(SettingsTest, AColourCountsAsPickedWhenStoredSoOrOtherThanBlack) {
  constexpr struct {
    const char* keys;
    bool chosen;
  } kCases[] = {
      {"Font1Color=0\n", false},
      {"Font1Color=255\n", true},
      {"Font1Color=0\nFont1ColorChosen=1\n", true},
      {"Font1Color=255\nFont1ColorChosen=0\n", false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.keys);
    Load(std::string("[Quantivo]\n") + c.keys);
    EXPECT_EQ(m_model.Window().MainFont.ColorChosen, c.chosen);
    EXPECT_NE(Save().find(c.chosen ? "Font1ColorChosen=1" : "Font1ColorChosen=0"),
              std::string::npos);
  }
}

// A stored size the window cannot be used at is fitted, and saved fitted.
TEST_F(SettingsTest, FontSizesAreFittedToAUsableRange) {
  constexpr struct {
    const char* stored;
    int size;
  } kCases[] = {{"0", 6},   {"-12", 6}, {"5", 6},           {"6", 6},
                {"72", 72}, {"73", 72}, {"2147483647", 72}, {"$FFFFFFFF", 6}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.stored);
    Load(std::string("[Quantivo]\nFont1Size=") + c.stored + "\nFont2Size=" + c.stored + "\n");
    EXPECT_EQ(m_model.Window().MainFont.Size, c.size);
    EXPECT_EQ(m_model.Window().TabFont.Size, c.size);
    EXPECT_EQ(ValueOf(Save(), "Quantivo", "Font1Size"), std::to_string(c.size));
  }
}

// The tab strip refuses the stored tab: the first tab is shown and nothing else of
// the file is lost.
TEST_F(SettingsTest, TabIndexOutOfBoundsKeepsEverythingElse) {
  Load(
      "[Quantivo]\nTabIndex=30\nViewType=2\nSortedUnitLists=1\nFormWidth=800\n"
      "[Length]\nFormatIn=3\nFormatOut=19\nValueIn=5\n");
  EXPECT_EQ(m_messages.Errors, (std::vector<std::string>{"Tab index out of bounds"}));
  EXPECT_EQ(m_model.TabIndex(), 0);
  EXPECT_EQ(m_model.Format().View, engine::ViewType::Scientific);
  EXPECT_TRUE(m_model.SortedUnitLists());
  EXPECT_EQ(m_model.Window().Window.FormWidth, 800);
  EXPECT_EQ(m_model.ViewState(kLength), (CategoryViewState{3, 19, "5"}));
  EXPECT_EQ(m_model.InputText(), "5");
}

TEST_F(SettingsTest, SavingKeepsWhatTheProgramDoesNotKnow) {
  const std::string existing =
      "; my notes\n[Quantivo]\nPrecision=7\nMine=1\n[Plugins]\nx=y\n[Length]\nValueIn=9\n";
  m_model.SetFormat({engine::ViewType::AutoFormat, 3});
  const std::string saved = Save(existing);
  EXPECT_EQ(saved.rfind("; my notes\n", 0), 0u);
  EXPECT_NE(saved.find("[Quantivo]\nPrecision=3\nMine=1\n0---------="), std::string::npos);
  EXPECT_EQ(ValueOf(saved, "Plugins", "x"), "y");
  EXPECT_LT(saved.find("[Plugins]"), saved.find("[IndexTabs]"));
}

// Every field survives a save and a load into a fresh model.
TEST_F(SettingsTest, RoundTripOfEveryField) {
  ConverterModel changed(UnitCatalogue(), engine::NumberLocale{});
  changed.SetSortedUnitLists(true);
  std::vector<std::string> order = changed.IndexTabs();
  std::reverse(order.begin(), order.end());
  changed.SetCategoryOrder(order);
  for (int i = 0; i < 23; ++i) {
    changed.SetViewState(i, {i % 3, (i * 7) % 5, "1." + std::to_string(i) + " é"});
  }
  changed.SelectTab(4);
  changed.SetFormat({engine::ViewType::Scientific, 12});
  changed.SetWindowBounds({-20, 30, 1024, 768, true}, {10, -40, 300, 400, false},
                          {100, 200, 640, 480, false});
  changed.SetFonts({"DejaVu Sans", 14, 0x123456, true, true}, {"Noto Sans", 8, -1, false, true});
  changed.SetShowConversionFactor(true);
  changed.SetStayOnTop(true);

  ProfileFile file;
  SaveSettings(changed, file);
  LoadSettings(m_model, file, m_messages);

  EXPECT_TRUE(m_messages.Information.empty());
  EXPECT_TRUE(m_messages.Errors.empty());
  EXPECT_EQ(m_model.IndexTabs(), changed.IndexTabs());
  EXPECT_EQ(m_model.TabIndex(), 4);
  EXPECT_TRUE(m_model.SortedUnitLists());
  EXPECT_EQ(m_model.Format().View, engine::ViewType::Scientific);
  EXPECT_EQ(m_model.Format().Precision, 12);
  // A maximized window opens over its normal frame, not the screen-sized one.
  EXPECT_EQ(m_model.Window().Window, (WindowBounds{100, 200, 640, 480, true}));
  EXPECT_EQ(m_model.Window().MainFont, changed.Window().MainFont);
  EXPECT_EQ(m_model.Window().TabFont, changed.Window().TabFont);
  EXPECT_TRUE(m_model.Window().ShowConversionFactor);
  EXPECT_TRUE(m_model.Window().StayOnTop);
  EXPECT_EQ(m_model.Window().TableWindow, (WindowBounds{10, -40, 300, 400, false}));
  for (int i = 0; i < 23; ++i) {
    SCOPED_TRACE(i);
    CategoryViewState expected = changed.ViewState(i);
    if (i == kFractions) expected.FormatIn = 0;  // not stored; a fresh model's own
    EXPECT_EQ(m_model.ViewState(i), expected);
  }
  EXPECT_EQ(m_model.InputText(), changed.InputText());
  EXPECT_EQ(m_model.Output(), changed.Output());

  changed.SetWindowBounds({-20, 30, 1024, 768, false}, changed.Window().TableWindow);
  SaveSettings(changed, file);
  LoadSettings(m_model, file, m_messages);
  EXPECT_EQ(m_model.Window().Window, (WindowBounds{-20, 30, 1024, 768, false}));
}

// Read whole and written whole, a file the program wrote comes out byte for byte, an
// unplaced window's bounds included.
TEST_F(SettingsTest, ReadingAndWritingAWrittenFileGivesItsText) {
  ConverterModel changed(UnitCatalogue(), engine::NumberLocale{});
  changed.SetSortedUnitLists(true);
  std::vector<std::string> order = changed.IndexTabs();
  std::rotate(order.begin(), order.begin() + 5, order.end());
  changed.SetCategoryOrder(order);
  changed.SelectTab(7);
  changed.SetFormat({engine::ViewType::FixedWithCommas, 2});
  changed.SetWindowBounds({-20, 30, 1024, 768, false}, changed.Window().TableWindow);
  changed.SetFonts({"DejaVu Sans", 14, 0x123456, true, true}, {"Noto Sans", 8, -1, false, true});
  for (int i = 0; i < 23; ++i) changed.SetViewState(i, {i % 4, i % 3, std::to_string(i)});

  for (const ConverterModel* model : {&m_model, &changed}) {
    SCOPED_TRACE(model == &m_model ? "fresh" : "changed");
    ProfileFile written;
    SaveSettings(*model, written);
    StoredSettings settings;
    ReadSettings(written, model->Catalogue(), settings, m_messages);
    ProfileFile again;
    WriteSettings(settings, model->Catalogue(), again);
    EXPECT_EQ(again.Text(), written.Text());
  }
  EXPECT_TRUE(m_messages.Shown.empty());
}

// On disk: a fresh folder, a file that cannot be replaced, and one that is a folder.
class SettingsFileTest : public SettingsTest {
 protected:
  void SetUp() override { ASSERT_FALSE(m_folder.empty()); }
  static std::string Contents(const std::string& path) { return test::Contents(path); }

  test::TemporaryFolder m_temporary;
  const std::filesystem::path& m_folder = m_temporary.Path();
  const std::string m_path = (m_folder / "config" / kSettingsFileName).string();
};

TEST_F(SettingsFileTest, MissingFileLoadsDefaultsAndSaveCreatesIt) {
  LoadSettingsFile(m_model, m_path, m_messages);
  EXPECT_EQ(m_model.InputList().Selected, -1);
  m_model.SetInputText("12");
  ASSERT_TRUE(SaveSettingsFile(m_model, m_path, m_messages));
  EXPECT_TRUE(m_messages.Errors.empty());
  EXPECT_EQ(ValueOf(Contents(m_path), "Length", "ValueIn"), "12");
  // Nothing is left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder / "config"),
                          std::filesystem::directory_iterator()),
            1);
}

// A folder the user may not write in. Root may write anywhere, so under root the save
// runs as nobody.
TEST_F(SettingsFileTest, FailedSaveReportsAndKeepsTheOldFile) {
  std::filesystem::create_directories(m_folder / "config");
  const std::string old = "[Quantivo]\nPrecision=7\n[Mine]\nkeep=1\n";
  std::ofstream(m_path) << old;
  std::filesystem::permissions(
      m_folder / "config", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const std::optional<std::string> reported = test::RunUnprivileged(m_folder, [this] {
    const bool saved = SaveSettingsFile(m_model, m_path, m_messages);
    std::string text = saved ? "saved" : "refused";
    for (const std::string& error : m_messages.Errors) text += "\n" + error;
    return text;
  });
  EXPECT_EQ(reported, "refused\nUnable to write to " + m_path);
  EXPECT_EQ(Contents(m_path), old);
}

// A write that fails part-way, as on a full disk: the file size limit stops it.
TEST_F(SettingsFileTest, WriteFailingPartWayKeepsTheOldFile) {
  std::filesystem::create_directories(m_folder / "config");
  const std::string old = "[Quantivo]\nPrecision=7\n[Mine]\nkeep=1\n";
  std::ofstream(m_path) << old;
  rlimit limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
  const rlimit small{200, limit.rlim_max};
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool saved = SaveSettingsFile(m_model, m_path, m_messages);
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_FALSE(saved);
  EXPECT_EQ(m_messages.Errors, (std::vector<std::string>{"Unable to write to " + m_path}));
  EXPECT_EQ(Contents(m_path), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder / "config"),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(SettingsFileTest, AFolderInPlaceOfTheFile) {
  std::filesystem::create_directories(m_path);
  LoadSettingsFile(m_model, m_path, m_messages);
  EXPECT_EQ(m_model.TabIndex(), 0);
  EXPECT_FALSE(SaveSettingsFile(m_model, m_path, m_messages));
  EXPECT_EQ(m_messages.Errors,
            (std::vector<std::string>{"Unable to read " + m_path, "Unable to write to " + m_path}));
  EXPECT_TRUE(std::filesystem::is_directory(m_path));
}

// Started from the home folder with a settings file that is a link loop: nothing in
// the current folder may go, and the save says it failed.
TEST_F(SettingsFileTest, ALinkLoopTouchesNothing) {
  const std::filesystem::path home = m_folder / "home";
  std::filesystem::create_directories(home);
  std::filesystem::create_directories(m_folder / "config");
  std::filesystem::create_symlink(kSettingsFileName, m_path);
  for (const char* name : {".bashrc", ".zshenv", ".pypirc"}) {
    std::ofstream(home / name) << "export X=1\n";
    std::filesystem::last_write_time(
        home / name, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  }
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(home);
  LoadSettingsFile(m_model, m_path, m_messages);
  const bool saved = SaveSettingsFile(m_model, m_path, m_messages);
  std::filesystem::current_path(before);
  EXPECT_FALSE(saved);
  EXPECT_EQ(m_messages.Errors,
            (std::vector<std::string>{"Unable to read " + m_path, "Unable to write to " + m_path}));
  for (const char* name : {".bashrc", ".zshenv", ".pypirc"}) {
    EXPECT_TRUE(std::filesystem::exists(home / name)) << name;
  }
  EXPECT_TRUE(std::filesystem::is_symlink(m_path));
}

// A file that is there but cannot be read is reported at start, the program goes on
// with the defaults, and the save at exit does not replace it.
TEST_F(SettingsFileTest, AnUnreadableFileIsReportedAtStartAndKept) {
  std::filesystem::create_directories(m_folder / "config");
  ASSERT_EQ(::mkfifo(m_path.c_str(), 0600), 0);
  LoadSettingsFile(m_model, m_path, m_messages);
  EXPECT_EQ(m_model.TabIndex(), 0);
  EXPECT_EQ(m_messages.Errors, (std::vector<std::string>{"Unable to read " + m_path}));
  EXPECT_FALSE(SaveSettingsFile(m_model, m_path, m_messages));
  EXPECT_EQ(m_messages.Errors.back(), "Unable to write to " + m_path);
  EXPECT_TRUE(std::filesystem::is_fifo(m_path));
}

TEST(SettingsFilePath, FollowsTheBaseDirectoryRules) {
  struct Case {
    const char* xdgConfigHome;
    const char* home;
    const char* path;
  };
  const Case kCases[] = {
      {"/x/config", "/home/u", "/x/config/Quantivo/QUANTIVO.INI"},
      {"/x/config/", "/home/u", "/x/config/Quantivo/QUANTIVO.INI"},
      {nullptr, "/home/u", "/home/u/.config/Quantivo/QUANTIVO.INI"},
      {"", "/home/u", "/home/u/.config/Quantivo/QUANTIVO.INI"},
      {"relative", "/home/u", "/home/u/.config/Quantivo/QUANTIVO.INI"},
      {nullptr, nullptr, "/.config/Quantivo/QUANTIVO.INI"},
      {nullptr, "/", "/.config/Quantivo/QUANTIVO.INI"},
      // Bytes that are no UTF-8 stay as they are, so reading and writing reach one file.
      {"/x/conf\xFF\xFEig", "/home/u", "/x/conf\xFF\xFEig/Quantivo/QUANTIVO.INI"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.xdgConfigHome != nullptr ? c.xdgConfigHome : "(unset)");
    EXPECT_EQ(SettingsFilePath(c.xdgConfigHome, c.home), c.path);
  }
}

TEST(PickHomeFolder, AnAbsoluteHomeElseThePasswordDatabasesElseTheRoot) {
  const struct {
    const char *home, *passwordHome, *picked;
  } kCases[] = {
      {"/home/u", "/home/p", "/home/u"}, {nullptr, "/home/p", "/home/p"},
      {"", "/home/p", "/home/p"},        {"relative/u", "/home/p", "/home/p"},
      {"~", "/home/p", "/home/p"},       {nullptr, nullptr, "/"},
      {"relative/u", "", "/"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.home != nullptr ? c.home : "(unset)");
    EXPECT_EQ(PickHomeFolder(c.home, c.passwordHome), c.picked);
  }
}

TEST_F(SettingsFileTest, SaveKeepsTheFileModeAndUnknownKeys) {
  std::filesystem::create_directories(m_folder / "config");
  std::ofstream(m_path) << "[Mine]\nkeep=1\n";
  ::chmod(m_path.c_str(), 0640);
  ASSERT_TRUE(SaveSettingsFile(m_model, m_path, m_messages));
  struct stat info {};
  ASSERT_EQ(::stat(m_path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(ValueOf(Contents(m_path), "Mine", "keep"), "1");
}

}  // namespace
}  // namespace quantivo::model
