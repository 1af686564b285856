#include "ui/window/category_tabs.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFontInfo>
#include <QPainter>
#include <QPointer>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <map>
#include <vector>

#include "ui/qt_convert.h"
#include "ui/window/working_panel.h"

namespace quantivo::ui {
namespace {

// The tab strip is its own class so that a screen reader is told of it by the
// interfaces below, and so that it measures its captions once.
class CategoryTabBar : public QTabBar {
  Q_OBJECT
 public:
  using QTabBar::QTabBar;

 protected:
  // A strip lays out every tab again at each change it is told of (each tab taken in,
  // a caption, the font, the current tab, a resize, being shown), and measures each
  // caption twice by laying its text out in full: some 600 measurements at start for
  // 23 tabs. A tab's size is kept while all that a style is told of it stands: its
  // caption, whether it is first, last or between, the current tab beside it or it,
  // the focus and the window's activity; the font and the style clear them all.
  QSize tabSizeHint(int index) const override {
    if (index < 0 || index >= count()) return QTabBar::tabSizeHint(index);
    const int current = currentIndex();
    const int last = count() - 1;
    const Sized asked{tabText(index),
                      (index == 0 ? 1 : 0) + (index == last ? 2 : 0),
                      index - current,
                      hasFocus(),
                      isActiveWindow(),
                      m_measuringLeast,
                      {}};
    m_sizes.resize(static_cast<std::size_t>(2 * count()));
    Sized& kept = m_sizes[static_cast<std::size_t>(2 * index + (m_measuringLeast ? 1 : 0))];
    if (!kept.Size.isValid() || !kept.SameTab(asked)) {
      kept = asked;
      kept.Size = QTabBar::tabSizeHint(index);
    }
    return kept.Size;
  }
  QSize minimumTabSizeHint(int index) const override {
    m_measuringLeast = true;
    const QSize size = QTabBar::minimumTabSizeHint(index);
    m_measuringLeast = false;
    return size;
  }
  void changeEvent(QEvent* event) override {
    // Before the strip lays its tabs out again for the change.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
      m_sizes.clear();
    }
    QTabBar::changeEvent(event);
  }

  void focusInEvent(QFocusEvent* event) override {
    QTabBar::focusInEvent(event);
    // The focus is on the selected tab, which a screen reader reads after the strip's
    // name: told after the strip's own news, which follows this.
    QTimer::singleShot(0, this, [this] {
      if (!hasFocus() || currentIndex() < 0 || !QAccessible::isActive()) return;
      QAccessibleEvent focus(this, QAccessible::Focus);
      focus.setChild(currentIndex());
      QAccessible::updateAccessibility(&focus);
    });
  }

  void paintEvent(QPaintEvent* event) override {
    QTabBar::paintEvent(event);
    // The keyboard's place: a ring inside the selected tab that stands out from the
    // strip in any theme, where the style's own mark may be a faint tint.
    if (!hasFocus() || currentIndex() < 0) return;
    QPainter painter(this);
    constexpr int kRing = 2;
    QPen pen(FocusMarkColour(palette()), kRing);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal inset = 1 + kRing / 2.0;
    painter.drawRect(QRectF(tabRect(currentIndex())).adjusted(inset, inset, -inset, -inset));
  }

 private:
  struct Sized {
    QString Caption;
    int Ends;  // 1 first, 2 last, 3 both
    int FromCurrent;
    bool Focus;
    bool Active;
    bool Least;
    QSize Size;
    // Only the current tab and its neighbours are told where the current one is.
    bool SameTab(const Sized& o) const {
      const auto near = [](int from) { return from < -1 ? -2 : from > 1 ? 2 : from; };
      return Caption == o.Caption && Ends == o.Ends && near(FromCurrent) == near(o.FromCurrent) &&
             Focus == o.Focus && Active == o.Active && Least == o.Least;
    }
  };
  mutable std::vector<Sized> m_sizes;
  mutable bool m_measuringLeast = false;
};

// One category's tab as a screen reader sees it: its caption, selected while its
// category shows, focused while the strip has the focus there; pressed, it shows.
class CategoryTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  CategoryTabAccessible(QTabBar* tabs, int index) : m_tabs(tabs), m_index(index) {}

  bool isValid() const override { return m_tabs != nullptr && m_index < m_tabs->count(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return parent() != nullptr ? parent()->window() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(m_tabs.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  void setText(QAccessible::Text, const QString&) override {}

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !isValid()) return {};
    QString caption = m_tabs->tabText(m_index);
    return caption.remove(QLatin1Char('&'));
  }

  QRect rect() const override {
    if (!isValid()) return {};
    const QRect shown = m_tabs->tabRect(m_index);
    return QRect(m_tabs->mapToGlobal(shown.topLeft()), shown.size());
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) {
      state.invalid = true;
      return state;
    }
    state.focusable = true;
    state.selectable = true;
    const bool current = m_tabs->currentIndex() == m_index;
    state.selected = current;
    state.focused = current && m_tabs->hasFocus();
    // Scrolled out of the strip.
    state.invisible = !m_tabs->isVisible() || !m_tabs->rect().intersects(m_tabs->tabRect(m_index));
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction() && isValid()) m_tabs->setCurrentIndex(m_index);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<QTabBar> m_tabs;
  int m_index;
};

// The strip as a list of page tabs named "Categories" (a tab strip is otherwise
// named after its current tab), the tabs first, then its scroll buttons.
class CategoryTabsAccessible : public QAccessibleWidget {
 public:
  explicit CategoryTabsAccessible(QTabBar* tabs)
      : QAccessibleWidget(tabs, QAccessible::PageTabList) {}
  ~CategoryTabsAccessible() override {
    for (const auto& [index, id] : m_tabs) QAccessible::deleteAccessibleInterface(id);
  }

  QAccessibleInterface* child(int index) const override {
    const int count = Tabs()->count();
    if (index < 0) return nullptr;
    if (index >= count) {
      const QList<QToolButton*> buttons = ScrollButtons();
      return index - count < buttons.size()
                 ? QAccessible::queryAccessibleInterface(buttons[index - count])
                 : nullptr;
    }
    auto found = m_tabs.find(index);
    if (found == m_tabs.end()) {
      auto* tab = new CategoryTabAccessible(Tabs(), index);
      found = m_tabs.emplace(index, QAccessible::registerAccessibleInterface(tab)).first;
    }
    return QAccessible::accessibleInterface(found->second);
  }

  int childCount() const override {
    return Tabs()->count() + static_cast<int>(ScrollButtons().size());
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr) return -1;
    if (child->object() != nullptr) {
      const int button = ScrollButtons().indexOf(child->object());
      return button < 0 ? -1 : Tabs()->count() + button;
    }
    for (const auto& [index, id] : m_tabs) {
      if (QAccessible::accessibleInterface(id) == child) return index;
    }
    return -1;
  }

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? Tabs()->accessibleName() : QAccessibleWidget::text(t);
  }

  QAccessibleInterface* focusChild() const override {
    const int current = Tabs()->currentIndex();
    return Tabs()->hasFocus() && current >= 0 ? child(current) : nullptr;
  }

 private:
  QTabBar* Tabs() const { return static_cast<QTabBar*>(widget()); }
  QList<QToolButton*> ScrollButtons() const {
    return Tabs()->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly);
  }

  mutable std::map<int, QAccessible::Id> m_tabs;
};

QAccessibleInterface* CategoryTabsFactory(const QString&, QObject* object) {
  auto* tabs = qobject_cast<CategoryTabBar*>(object);
  return tabs != nullptr ? new CategoryTabsAccessible(tabs) : nullptr;
}

}  // namespace

QTabBar* CreateCategoryTabs(QWidget* parent) {
  static const bool kReported = (QAccessible::installFactory(CategoryTabsFactory), true);
  (void)kReported;
  auto* tabs = new CategoryTabBar(parent);
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

#include "category_tabs.moc"
