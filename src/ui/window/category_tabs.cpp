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
  const int count = static_cast<int>(captions.size());
  // A tab strip measures every caption again after each tab it takes in, while a
  // caption set on a hidden strip only marks its layout out of date: new tabs come in
  // without captions and take them below, measured once when the strip is shown.
  while (tabs->count() < count) tabs->addTab(QString());
  while (tabs->count() > count) tabs->removeTab(tabs->count() - 1);
  for (int i = 0; i < count; ++i) {
    const QString caption = ToQString(captions[i]);
    if (tabs->tabText(i) != caption) tabs->setTabText(i, caption);
  }
  if (selected >= 0) tabs->setCurrentIndex(selected);
}

}  // namespace quantivo::ui
