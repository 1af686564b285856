#include <gtest/gtest.h>

#include <QDir>
#include <QKeySequence>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

#include "support/ui_test_support.h"
#include "ui/interface_language.h"

namespace quantivo::ui {
namespace {

// The captions of `items` that share their access letter with another item, or have
// none, one line a letter: "mnu_Edit1 T: Cu&t, Clear Input &Text Box".
QString Clashes(const QString& where, const QList<QAction*>& items) {
  QMap<QString, QStringList> byLetter;
  for (const QAction* item : items) {
    if (item->isSeparator()) continue;
    // The letter as Qt takes it from the caption, after Alt or in an open menu.
    const QString letter = QKeySequence::mnemonic(item->text()).toString().remove("Alt+");
    byLetter[letter].append(item->text());
  }
  QString lines;
  for (auto letter = byLetter.cbegin(); letter != byLetter.cend(); ++letter) {
    if (letter.value().size() == 1 && !letter.key().isEmpty()) continue;
    lines += where + ' ' + letter.key() + ": " + letter.value().join(", ") + '\n';
  }
  return lines;
}

// The menu bar's own captions, then every menu's.
QString MenuClashes(const QMenuBar* bar) {
  QString lines = Clashes("menu bar", bar->actions());
  for (const QMenu* menu : bar->findChildren<QMenu*>()) {
    lines += Clashes(menu->objectName(), menu->actions());
  }
  return lines;
}

// The real menus in English and in every language the build ships: each item of a
// menu has a letter no other item of it has, but for one English pair of the Edit menu.
TEST(MenuAccessKeys, EachItemOfAMenuHasALetterOfItsOwnInEveryLanguage) {
  QStringList languages = QDir(TranslationsPath()).entryList({"quantivo_*.qm"}, QDir::Files);
  languages.replaceInStrings(QRegularExpression("^quantivo_|\\.qm$"), "");
  ASSERT_TRUE(languages.contains("de") && languages.contains("fr"))
      << languages.join(' ').toStdString();
  const QTemporaryDir folder;
  for (const QString& language : QStringList{"en"} + languages) {
    SCOPED_TRACE(language.toStdString());
    const InterfaceTranslation translation({language});
    ASSERT_EQ(translation.Language(), language == "en" ? "" : language);
    RecordedMessages messages;
    const Tfrm_Converter window(QFile::encodeName(folder.filePath("QUANTIVO.INI")).toStdString(),
                                messages);
    EXPECT_EQ(MenuClashes(window.menuBar()).toStdString(),
              language == "en" ? "mnu_Edit1 T: Cu&t, Clear Input &Text Box\n" : "");
  }
}

}  // namespace
}  // namespace quantivo::ui
