#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <cstddef>

#include "engine/conversion_factor.h"
#include "engine/message.h"
#include "support/convert_by_name.h"
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

// A damaged translation file where the program once looked for its translations is
// not read: German still shows German.
TEST(InterfaceTranslation, ADamagedFileIsNotRead) {
  QFile german(QStringLiteral(":/translations/quantivo_de.qm"));
  ASSERT_TRUE(german.open(QIODevice::ReadOnly));
  const QByteArray whole = german.readAll();
  const QTemporaryDir folder;
  qputenv("QUANTIVO_TRANSLATIONS", folder.path().toUtf8());
  for (const QByteArray& damaged : {whole.left(whole.size() / 2), QByteArray(4096, '\xa5')}) {
    QFile file(folder.filePath(QStringLiteral("quantivo_de.qm")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(damaged) == damaged.size());
    file.close();
    const InterfaceTranslation translation({"de-DE"});
    EXPECT_EQ(QCoreApplication::translate("Menus", "&Edit"), "&Bearbeiten");
  }
  qunsetenv("QUANTIVO_TRANSLATIONS");
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
  const auto* table = Find<QTableView>("tbl_Table");
  ASSERT_GT(table->model()->rowCount(), 0);
  EXPECT_EQ(CellText(table, 0, 1), "ungültige Zahl [3]");
  EXPECT_EQ(CellText(table, 0, 0), "kilometer");
}

TEST_F(GermanWindowTest, CoreTextsAreGermanWithTheirPathsAndNumbers) {
  using engine::MessageCode;
  EXPECT_EQ(ShownText({MessageCode::CannotInvert}),
            "Diese Art von Umrechnung lässt sich nicht umkehren.");
  EXPECT_EQ(ShownText({MessageCode::UnableToWrite, "/tmp/a b/QUANTIVO.INI"}),
            "In /tmp/a b/QUANTIVO.INI kann nicht geschrieben werden");
  EXPECT_EQ(ShownOutputText(engine::Message{MessageCode::InvalidBaseNumber, 7}),
            "ungültige Zahl zur Basis 7");
  EXPECT_EQ(ShownOutputText(std::string("1.5")), "1.5");
  const catalogue::UnitCatalogue catalogue;
  const int numbers = catalogue.FindCategory("Numbers");
  EXPECT_EQ(ShownFactorText(engine::ConversionFactorText(
                catalogue, numbers, test::PositionOf(catalogue, numbers, "Roman numeral"),
                test::PositionOf(catalogue, numbers, "base-16"), {}, {})),
            "Von römischen Zahlen nach Basis 16\nVon Basis 16 nach römischen Zahlen");
}

// Every message the core and the window report has its German and French text.
TEST(CoreTexts, EveryCodeIsTranslated) {
  for (const char* language : {"de", "fr"}) {
    QTranslator catalogue;
    ASSERT_TRUE(catalogue.load(QLocale(QString::fromLatin1(language)), QStringLiteral("quantivo"),
                               QStringLiteral("_"), TranslationsPath()))
        << language;
    for (std::size_t code = 0; code < engine::kMessageCodeCount; ++code) {
      const char* source = SourceText(static_cast<engine::MessageCode>(code));
      EXPECT_FALSE(catalogue.translate("CoreTexts", source).isEmpty())
          << language << ": " << source;
    }
  }
}

}  // namespace
}  // namespace quantivo::ui
