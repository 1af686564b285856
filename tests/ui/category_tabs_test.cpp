// The tab strip keeps its tabs' sizes between layouts.
#include "ui/window/category_tabs.h"

#include <gtest/gtest.h>

#include <QTabBar>
#include <QWidget>
#include <functional>

namespace quantivo::ui {
namespace {

// After each change a style sizes tabs by, the tabs lie where a plain strip's do.
TEST(CategoryTabs, KeptSizesLayOutAsAPlainStrip) {
  QWidget window;
  QTabBar* kept = CreateCategoryTabs(&window);
  QTabBar plain(&window);
  plain.setShape(kept->shape());
  plain.setExpanding(false);
  plain.setElideMode(kept->elideMode());
  window.show();
  const std::function<void(QTabBar*)> changes[] = {
      [](QTabBar* t) {
        ShowTabs(t, {"Length", "Area", "Volume", "Time", "Mass"}, 0);
      },
      [](QTabBar* t) { t->setCurrentIndex(3); },
      [](QTabBar* t) { t->setTabText(1, QStringLiteral("Surface area")); },
      [](QTabBar* t) { t->setFont(QFont(t->font().family(), t->font().pointSize() + 6)); },
      [](QTabBar* t) {
        ShowTabs(t, {"Length", "Area"}, 1);
      }};
  for (const auto& change : changes) {
    change(kept);
    change(&plain);
    ASSERT_EQ(kept->count(), plain.count());
    for (int i = 0; i < kept->count(); ++i) EXPECT_EQ(kept->tabRect(i), plain.tabRect(i)) << i;
  }
}

}  // namespace
}  // namespace quantivo::ui
