#include "ui/window/category_tabs.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QSignalBlocker>
#include <QTabBar>

#include "ui/qt_convert.h"
#include "ui/window/working_panel.h"

namespace quantivo::ui {

QTabBar* CreateCategoryTabs(QWidget* parent) {
  auto* tabs = new QTabBar(parent);
  tabs->setObjectName(QStringLiteral("TabSet1"));
  tabs->setAccessibleName(QCoreApplication::translate("CategoryTabs", "Categories"));
  tabs->setShape(QTabBar::RoundedSouth);
  tabs->setExpanding(false);
  tabs->setUsesScrollButtons(true);
  tabs->setElideMode(Qt::ElideNone);
  return tabs;
}

void ApplyTabFont(QTabBar* tabs, const model::FontSpec& stored) {
  const QFont font = DisplayFont(stored);
  tabs->setFont(font);
  tabs->setFixedHeight(9 + QFontInfo(font).pixelSize());
  tabs->setPalette(TextPalette(stored));
}

void ShowTabs(QTabBar* tabs, const std::vector<std::string>& captions, int selected) {
  const QSignalBlocker blocker(tabs);
  for (int i = 0; i < static_cast<int>(captions.size()); ++i) {
    const QString caption = ToQString(captions[i]);
    if (i < tabs->count()) {
      if (tabs->tabText(i) != caption) tabs->setTabText(i, caption);
    } else {
      tabs->addTab(caption);
    }
  }
  while (tabs->count() > static_cast<int>(captions.size())) tabs->removeTab(tabs->count() - 1);
  if (selected >= 0) tabs->setCurrentIndex(selected);
}

}  // namespace quantivo::ui
