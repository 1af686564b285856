#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QTableWidget>
#include <QTest>

#include "model/converter_model.h"
#include "support/ui_test_support.h"
#include "ui/core_texts.h"
#include "ui/interface_language.h"

namespace quantivo::ui {
namespace {

// The first language the program ships wins; English before it keeps the texts as
// they are written.
TEST(InterfaceTranslation, TakesTheFirstShippedLanguageUnlessEnglishComesFirst) {
  EXPECT_EQ(InterfaceTranslation({"en-US", "de-DE"}).Language(), "");
  EXPECT_EQ(InterfaceTranslation({"C"}).Language(), "");
  EXPECT_EQ(InterfaceTranslation({"es-ES", "de-DE"}).Language(), "de");
  EXPECT_EQ(InterfaceTranslation({"fr-CA", "de"}).Language(), "fr");
}

// The real window built under the German translation the build made.
class GermanWindowTest : public OpenWindowTest {
 protected:
  // Made before the fixture opens the window.
  InterfaceTranslation m_german{{"de-DE"}};
};

TEST_F(GermanWindowTest, MenusAndLabelsAreGerman) {
  ASSERT_EQ(m_german.Language(), "de");
  EXPECT_EQ(Action("mnu_Exit1")->text(), "B&eenden!");
  EXPECT_EQ(Find<QMenu>("mnu_Edit1")->title(), "&Bearbeiten");
  EXPECT_EQ(Find<QMenu>("mnu_Options1")->title(), "&Optionen");
  EXPECT_EQ(Action("mnu_CopyResult1")->text(), "E&rgebnis kopieren");
  EXPECT_EQ(lab2->text(), "In einen Bruch umzuwandelnde Dezimalzahl");
  EXPECT_EQ(txt_In->accessibleName(), "Umzurechnender Wert");
  // Category and unit names stay English.
  EXPECT_EQ(TabSet1->tabText(0), "Length");
}

TEST_F(GermanWindowTest, OutputBoxAndTableShowMessagesInGerman) {
  ClickUnit(lst_In, "meter");
  ClickUnit(lst_Out, "foot");
  txt_In->setFocus();
  QTest::keyClicks(txt_In, "1..2");
  EXPECT_EQ(txt_Out->text(), "ungültige Zahl [3]");
  Action("mnu_ConversionTable1")->trigger();
  const auto* table = Find<QTableWidget>("tbl_Table");
  ASSERT_GT(table->rowCount(), 0);
  EXPECT_EQ(table->item(0, 1)->text(), "ungültige Zahl [3]");
  EXPECT_EQ(table->item(0, 0)->text(), "kilometer");
}

TEST_F(GermanWindowTest, CoreTextsAreGermanWithTheirPathsAndNumbers) {
  EXPECT_EQ(ShownMessage(model::kCannotInvert),
            "Diese Art von Umrechnung lässt sich nicht umkehren.");
  EXPECT_EQ(ShownMessage("Unable to write to /tmp/a b/QUANTIVO.INI"),
            "In /tmp/a b/QUANTIVO.INI kann nicht geschrieben werden");
  EXPECT_EQ(ShownMessage("something else"), "something else");
  EXPECT_EQ(ShownOutputText("invalid base-7 number"), "ungültige Zahl zur Basis 7");
  EXPECT_EQ(ShownOutputText("1.5"), "1.5");
  EXPECT_EQ(ShownFactorText("From Roman numerals to base 16\nFrom base 16 to Roman numerals"),
            "Von römischen Zahlen nach Basis 16\nVon Basis 16 nach römischen Zahlen");
}

}  // namespace
}  // namespace quantivo::ui
