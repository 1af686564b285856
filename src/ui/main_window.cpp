#include "ui/main_window.h"

#include <qdrawutil.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <exception>

#include "engine/convert_text.h"
#include "engine/input_text.h"
#include "engine/message.h"
#include "model/settings_file.h"
#include "ui/about_dialog.h"
#include "ui/arrange_units_dialog.h"
#include "ui/choice_list.h"
#include "ui/choose_units_dialog.h"
#include "ui/conversion_table_window.h"
#include "ui/core_texts.h"
#include "ui/dialog_parts.h"
#include "ui/find_unit_popup.h"
#include "ui/number_format_dialog.h"
#include "ui/qt_convert.h"
#include "ui/result_announcer.h"

namespace quantivo::ui {
namespace {

using model::ConverterModel;

// The working area below the menu bar at design: the panel, 602 x 386, over the tab
// strip.
constexpr QSize kDesignWorkingArea(602, 404);
// The smallest working area at which the boxes, both lists (three units high, over
// a scroll bar) and the tab strip still show.
constexpr QSize kMinimumWorkingArea(320, 200);

// A stored font as the window shows it: no smaller than the desktop's font where the
// desktop asks for large text. What is stored stays as the user chose it.
QFont DisplayFont(const model::FontSpec& stored) {
  QFont font = ToQFont(stored);
  const double large = LargeDesktopPointSize();
  if (large > font.pointSizeF()) font.setPointSizeF(large);
  return font;
}

Bounds BoundsOf(const QWidget* widget) {
  const QRect r = widget->geometry();
  return {r.x(), r.y(), r.width(), r.height()};
}

void SetBounds(QWidget* widget, const Bounds& b) {
  widget->setGeometry(b.Left, b.Top, b.Width, b.Height);
}

void MirrorList(QListWidget* list, const model::UnitList& shown, bool entriesChanged) {
  const QSignalBlocker blocker(list);
  if (entriesChanged) {
    list->clear();
    for (const std::string_view name : shown.Entries) list->addItem(ToQString(name));
  }
  // A list shows its selected unit, or its top when there is none, whatever the
  // category before it showed.
  if (shown.Selected < 0) {
    list->setCurrentRow(-1);
    list->clearSelection();
    list->scrollToTop();
  } else {
    list->setCurrentRow(shown.Selected);
    list->scrollToItem(list->currentItem());
  }
}

// The screen whose available area shows the top strip of the frame, where it is
// grabbed to be moved; nothing when none does. In 64 bits, as a stored position may
// be anywhere in the range of int.
const QScreen* ScreenShowingTop(long long left, long long top, long long width) {
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->availableGeometry();
    if (left <= area.right() && left + width > area.left() && top <= area.bottom() &&
        top + 32 > area.top()) {
      return screen;
    }
  }
  return nullptr;
}

}  // namespace

// The menus in menu-bar order, after Exit!. Captions are English, marked for
// translation in the context "Menus".
struct MenuDefinition {
  const char* Name;
  const char* Caption;
  MenuCommand AboutToShow;
};

// What a menu item is besides a command: the Edit menu's rule runs before its own
// command, and a checkable one shows a check mark.
constexpr unsigned kPlainItem = 0;
constexpr unsigned kEditRule = 1u << 0;
constexpr unsigned kCheckable = 1u << 1;

// One menu item: its menu (a position in the menu list), object name, caption,
// shortcut and command. A row without a command is a separator.
struct MenuItem {
  int Menu;
  const char* Name;
  const char* Caption;
  QKeyCombination Keys;
  MenuCommand Run;
  unsigned Roles = kPlainItem;
  QAction* Tfrm_Converter::*Member = nullptr;
};

constexpr QKeyCombination kNoKeys;

void WorkingPanel::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  emit Resized();
}

void WorkingPanel::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  // A lowered bevel inside a border of 10 pixels.
  QPainter painter(this);
  qDrawShadePanel(&painter, rect().adjusted(10, 10, -10, -10), palette(), true, 1);
}

Tfrm_Converter::Tfrm_Converter(std::string settingsPath, WindowMessages& messages, QWidget* parent)
    : QMainWindow(parent), m_settingsPath(std::move(settingsPath)), m_messages(messages) {
  CreateControls();
  CreateMenus();
  FormCreate();
}

Tfrm_Converter::~Tfrm_Converter() {
  // The focus moves while the window is taken down; by then there is nothing to track.
  disconnect(m_focusChanges);
  FormDestroy();
}

void Tfrm_Converter::FormCreate() {
  setWindowTitle(QStringLiteral("Quantivo"));
  m_locale = SystemNumberLocale();
  m_calculators = {QStringLiteral("gnome-calculator"),
                   QStringLiteral("kcalc"),
                   QStringLiteral("qalculate-qt"),
                   QStringLiteral("qalculate-gtk"),
                   QStringLiteral("speedcrunch"),
                   QStringLiteral("galculator"),
                   QStringLiteral("xcalc")};
  m_model = std::make_unique<ConverterModel>(catalogue::UnitCatalogue(), m_locale);
  try {
    model::LoadSettingsFile(*m_model, m_settingsPath, m_messages);
  } catch (const std::exception& error) {
    m_messages.ShowUnexpectedError(error.what());
  }
  m_model->SetObserver(this);
  ShownValuesChanged(model::ShownParts::All());
  mnu_SortUnitLists1->setChecked(m_model->SortedUnitLists());
  mnu_ShowConversionFactor1->setChecked(m_model->ShowConversionFactor);
  mnu_StayOnTop1->setChecked(m_model->StayOnTop);
  if (m_model->StayOnTop) setWindowFlag(Qt::WindowStaysOnTopHint, true);
  ApplyFonts();
  ApplyWindowBounds();
  txt_In->setFocus();
}

void Tfrm_Converter::FormDestroy() {
  if (!m_model) return;
  m_model->SetObserver(nullptr);
  SaveSettings();
}

void Tfrm_Converter::SaveSettings() {
  // Once, at the first of: the window closing, Exit, the window going away.
  if (m_saved || !m_model) return;
  m_saved = true;
  try {
    RecordWindowBounds();
    model::SaveSettingsFile(*m_model, m_settingsPath, m_messages);
  } catch (const std::exception& error) {
    m_messages.ShowUnexpectedError(error.what());
  }
}

void Tfrm_Converter::closeEvent(QCloseEvent* event) {
  // Saved while the window is still there, so that a failure is told over it and
  // with the message loop running.
  SaveSettings();
  QMainWindow::closeEvent(event);
}

void Tfrm_Converter::CreateControls() {
  auto* central = new QWidget(this);
  central->setMinimumSize(kMinimumWorkingArea);
  setCentralWidget(central);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  Notebook1 = new QStackedWidget(central);
  Notebook1->setObjectName(QStringLiteral("Notebook1"));
  auto* page = new QWidget(Notebook1);
  page->setObjectName(QStringLiteral("Units"));
  Notebook1->addWidget(page);
  auto* pageLayout = new QVBoxLayout(page);
  pageLayout->setContentsMargins(0, 0, 0, 0);
  pan = new WorkingPanel(page);
  pan->setObjectName(QStringLiteral("pan"));
  pageLayout->addWidget(pan);

  TabSet1 = new QTabBar(central);
  TabSet1->setObjectName(QStringLiteral("TabSet1"));
  TabSet1->setShape(QTabBar::RoundedSouth);
  TabSet1->setExpanding(false);
  TabSet1->setUsesScrollButtons(true);
  TabSet1->setElideMode(Qt::ElideNone);
  layout->addWidget(Notebook1, 1);
  layout->addWidget(TabSet1);

  CreateWorkingControls();
  ConnectControls();
  qApp->installEventFilter(this);
}

// The two boxes and their lists on the panel, at their design places; the layout
// moves them as the panel's size changes.
void Tfrm_Converter::CreateWorkingControls() {
  txt_In = new QLineEdit(pan);
  txt_In->setObjectName(QStringLiteral("txt_In"));
  txt_In->setGeometry(24, 24, 145, 24);
  lst_In = new ChoiceList(pan);
  lst_In->setObjectName(QStringLiteral("lst_In"));
  lst_In->setGeometry(64, 56, 105, 185);
  lab = new QLabel(QString(QChar(0x2192)), pan);  // a right-pointing arrow
  lab->setObjectName(QStringLiteral("lab"));
  lab->setGeometry(184, 24, 26, 26);
  lab->setAlignment(Qt::AlignCenter);
  QFont arrowFont = lab->font();
  arrowFont.setPixelSize(24);
  lab->setFont(arrowFont);
  txt_Out = new QLineEdit(pan);
  txt_Out->setObjectName(QStringLiteral("txt_Out"));
  txt_Out->setGeometry(224, 24, 145, 24);
  txt_Out->setReadOnly(true);
  txt_Out->setFocusPolicy(Qt::ClickFocus);  // skipped by the Tab key
  lst_Out = new ChoiceList(pan);
  lst_Out->setObjectName(QStringLiteral("lst_Out"));
  lst_Out->setGeometry(264, 56, 105, 185);
  lab2 = new QLabel(tr("Decimal to Convert to a Fraction"), pan);
  lab2->setObjectName(QStringLiteral("lab2"));
  lab2->setGeometry(24, 56, 141, 185);
  lab2->setWordWrap(true);
  lab2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lab2->hide();
  // What the selected pair of units does, under the lists, while the user wants it.
  lab_Factor = new QLabel(pan);
  lab_Factor->setObjectName(QStringLiteral("lab_Factor"));
  lab_Factor->setTextInteractionFlags(Qt::TextSelectableByMouse);
  lab_Factor->hide();
  // Every entry is one line of the same font: measuring one lays out the rest, which
  // saves measuring 79 names before the first paint.
  for (QListWidget* list : {lst_In, lst_Out}) list->setUniformItemSizes(true);
  setTabOrder(txt_In, lst_In);
  setTabOrder(lst_In, lst_Out);
  NameForScreenReaders();
  m_resultAnnouncer = new ResultAnnouncer(this);
}

// What a screen reader says of each control; the boxes and lists have no captions
// of their own on the screen.
void Tfrm_Converter::NameForScreenReaders() {
  const struct {
    QWidget* Control;
    const char* Name;
  } kNames[] = {
      {txt_In, QT_TR_NOOP("Value to convert")},      {txt_Out, QT_TR_NOOP("Result")},
      {lst_In, QT_TR_NOOP("Convert from")},          {lst_Out, QT_TR_NOOP("Convert to")},
      {TabSet1, QT_TR_NOOP("Categories")},           {lab, QT_TR_NOOP("to")},
      {lab_Factor, QT_TR_NOOP("Conversion factor")},
  };
  for (const auto& named : kNames) named.Control->setAccessibleName(tr(named.Name));
}

void Tfrm_Converter::ConnectControls() {
  // A text box's turn ends when another control of the window takes the focus,
  // whatever came between: a menu, the menu bar's keyboard mode, another window.
  // Those take the focus without ending it, as they move it to no control.
  m_focusChanges =
      connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (now != nullptr && now != txt_In && now != txt_Out && now->window() == this &&
            qobject_cast<QMenuBar*>(now) == nullptr) {
          Txt_Exit();
        }
        // The selection a box dropped when the menu bar took the keys comes back
        // with them.
        if (old == menuBar() && now != nullptr && now == m_selectionBeforeMenu.Box &&
            m_selectionBeforeMenu.Start >= 0) {
          m_selectionBeforeMenu.Box->setSelection(m_selectionBeforeMenu.Start,
                                                  m_selectionBeforeMenu.Length);
          m_selectionBeforeMenu = {};
        }
      });

  connect(pan, &WorkingPanel::Resized, this, &Tfrm_Converter::On_Resize);
  connect(txt_In, &QLineEdit::textChanged, this, [this](const QString& text) {
    m_model->SetInputText(engine::InputFromBoxText(ToStdString(text), m_locale.Decimal));
    BoundUndoHistory();
  });
  connect(lst_In, &QListWidget::currentRowChanged, this,
          [this](int row) { m_model->ClickInputList(row); });
  connect(lst_Out, &QListWidget::currentRowChanged, this,
          [this](int row) { m_model->ClickOutputList(row); });
  // A click on a tab and a change made with the keyboard both go through the tab
  // strip's selection rule.
  connect(TabSet1, &QTabBar::tabBarClicked, this, [this](int index) {
    if (index >= 0) m_model->SelectTab(index);
  });
  connect(TabSet1, &QTabBar::currentChanged, this, [this](int index) {
    if (index >= 0) m_model->SelectTab(index);
  });
}

std::span<const MenuDefinition> Tfrm_Converter::Menus() {
  static const MenuDefinition kMenus[] = {
      {"mnu_Edit1", QT_TRANSLATE_NOOP("Menus", "&Edit"), &Tfrm_Converter::mnu_Edit1Click},
      {"mnu_Options1", QT_TRANSLATE_NOOP("Menus", "&Options"), nullptr},
      {"mnu_Reference1", QT_TRANSLATE_NOOP("Menus", "&Reference"), nullptr},
      {"mnu_Help1", QT_TRANSLATE_NOOP("Menus", "&Help"), nullptr},
  };
  return kMenus;
}

// In menu order.
std::span<const MenuItem> Tfrm_Converter::MenuItems() {
  static const MenuItem kItems[] = {
      {0, "mnu_Cut1", QT_TRANSLATE_NOOP("Menus", "Cu&t"), Qt::CTRL | Qt::Key_X,
       &Tfrm_Converter::mnu_Cut1Click, kEditRule, &Tfrm_Converter::mnu_Cut1},
      {0, "mnu_Copy1", QT_TRANSLATE_NOOP("Menus", "&Copy"), Qt::CTRL | Qt::Key_C,
       &Tfrm_Converter::mnu_Copy1Click, kEditRule, &Tfrm_Converter::mnu_Copy1},
      {0, "mnu_Paste1", QT_TRANSLATE_NOOP("Menus", "&Paste"), Qt::CTRL | Qt::Key_V,
       &Tfrm_Converter::mnu_Paste1Click, kEditRule, &Tfrm_Converter::mnu_Paste1},
      {0, "mnu_CopyResult1", QT_TRANSLATE_NOOP("Menus", "Copy &Result"),
       Qt::CTRL | Qt::SHIFT | Qt::Key_C, &Tfrm_Converter::mnu_CopyResult1Click},
      {0, "mnu_N1", nullptr, kNoKeys, nullptr},
      {0, "mnu_ReverseSelectedUnits1", QT_TRANSLATE_NOOP("Menus", "&Invert Current Conversion"),
       Qt::CTRL | Qt::Key_I, &Tfrm_Converter::mnu_ReverseSelectedUnits1Click, kEditRule},
      {0, "mnu_ClearInputTextBox1", QT_TRANSLATE_NOOP("Menus", "Clear Input &Text Box"),
       Qt::CTRL | Qt::Key_T, &Tfrm_Converter::mnu_ClearInputTextBox1Click, kEditRule},
      {0, "mnu_Reset1", QT_TRANSLATE_NOOP("Menus", "C&lear All Text and List Boxes"), kNoKeys,
       &Tfrm_Converter::mnu_Reset1Click},
      {1, "mnu_Result1", QT_TRANSLATE_NOOP("Menus", "&Result Number Format..."),
       Qt::CTRL | Qt::Key_R, &Tfrm_Converter::mnu_Result1Click},
      {1, "mnu_Fonts1", QT_TRANSLATE_NOOP("Menus", "&Fonts..."), Qt::CTRL | Qt::Key_F,
       &Tfrm_Converter::mnu_Fonts1Click},
      {1, nullptr, nullptr, kNoKeys, nullptr},
      {1, "mnu_ChooseUnitCategory1", QT_TRANSLATE_NOOP("Menus", "Choose &Unit Category..."),
       Qt::CTRL | Qt::Key_U, &Tfrm_Converter::mnu_ChooseUnitCategory1Click},
      {1, "mnu_SortUnitLists1", QT_TRANSLATE_NOOP("Menus", "&Sort Units Alphabetically"),
       Qt::CTRL | Qt::Key_S, &Tfrm_Converter::mnu_SortUnitLists1Click, kCheckable,
       &Tfrm_Converter::mnu_SortUnitLists1},
      {1, "mnu_ArrangeOrderofCategories1", QT_TRANSLATE_NOOP("Menus", "&Arrange Category Order..."),
       Qt::CTRL | Qt::Key_A, &Tfrm_Converter::mnu_ArrangeOrderofCategories1Click},
      {1, "mnu_N2", nullptr, kNoKeys, nullptr},
      {1, "mnu_FindUnit1", QT_TRANSLATE_NOOP("Menus", "&Find Unit..."), Qt::CTRL | Qt::Key_K,
       &Tfrm_Converter::mnu_FindUnit1Click},
      {1, "mnu_ShowConversionFactor1", QT_TRANSLATE_NOOP("Menus", "Show Conversion &Factor"),
       kNoKeys, &Tfrm_Converter::mnu_ShowConversionFactor1Click, kCheckable,
       &Tfrm_Converter::mnu_ShowConversionFactor1},
      {1, "mnu_StayOnTop1", QT_TRANSLATE_NOOP("Menus", "Stay on &Top"), kNoKeys,
       &Tfrm_Converter::mnu_StayOnTop1Click, kCheckable, &Tfrm_Converter::mnu_StayOnTop1},
      {2, "Calculator1", QT_TRANSLATE_NOOP("Menus", "&Calculator"), kNoKeys,
       &Tfrm_Converter::Calculator1Click},
      {2, "mnu_MetricPrefixes1", QT_TRANSLATE_NOOP("Menus", "&Metric Prefixes"), kNoKeys,
       &Tfrm_Converter::mnu_MetricPrefixes1Click},
      {2, "mnu_ConversionTable1", QT_TRANSLATE_NOOP("Menus", "Conversion &Table..."), Qt::Key_F3,
       &Tfrm_Converter::mnu_ConversionTable1Click},
      {3, "mnu_Contents1", QT_TRANSLATE_NOOP("Menus", "&Contents"), Qt::Key_F1,
       &Tfrm_Converter::mnu_Contents1Click},
      {3, "mnu_SearchforHelpOn1", QT_TRANSLATE_NOOP("Menus", "&Search for Help On..."), kNoKeys,
       &Tfrm_Converter::mnu_SearchforHelpOn1Click},
      {3, "mnu_HowtoUseHelp1", QT_TRANSLATE_NOOP("Menus", "&How to Use Help"), kNoKeys,
       &Tfrm_Converter::mnu_HowtoUseHelp1Click},
      {3, nullptr, nullptr, kNoKeys, nullptr},
      {3, "mnu_About1", QT_TRANSLATE_NOOP("Menus", "&About..."), kNoKeys,
       &Tfrm_Converter::mnu_About1Click},
  };
  return kItems;
}

void Tfrm_Converter::CreateMenus() {
  // The captions are in the interface's language; the tables hold them in English.
  auto* exit = menuBar()->addAction(QCoreApplication::translate("Menus", "E&xit!"));
  exit->setObjectName(QStringLiteral("mnu_Exit1"));
  connect(exit, &QAction::triggered, this, &Tfrm_Converter::mnu_Exit1Click);

  QList<QMenu*> menus;
  for (const MenuDefinition& m : Menus()) {
    QMenu* menu = menuBar()->addMenu(QCoreApplication::translate("Menus", m.Caption));
    menu->setObjectName(QString::fromLatin1(m.Name));
    if (m.AboutToShow != nullptr) connect(menu, &QMenu::aboutToShow, this, m.AboutToShow);
    menus.append(menu);
  }
  mnu_Edit1 = menus.front();

  for (const MenuItem& item : MenuItems()) {
    QMenu* menu = menus[item.Menu];
    QAction* action = item.Run == nullptr
                          ? menu->addSeparator()
                          : menu->addAction(QCoreApplication::translate("Menus", item.Caption));
    if (item.Name != nullptr) action->setObjectName(QString::fromLatin1(item.Name));
    if (item.Member != nullptr) this->*item.Member = action;
    if (item.Run == nullptr) continue;
    connect(action, &QAction::triggered, this, item.Run);
    action->setCheckable((item.Roles & kCheckable) != 0);
    if (item.Roles & kEditRule) m_editActions.append(action);
    if (item.Keys != kNoKeys) {
      action->setShortcut(QKeySequence(item.Keys));
      // The window dispatches shortcuts itself, so that the Edit menu's rule runs
      // first and no shortcut ever reaches a text box.
      action->setShortcutContext(Qt::WidgetShortcut);
      m_shortcutActions.append(action);
    }
  }
}

void Tfrm_Converter::ApplyFonts() {
  const QFont mainFont = DisplayFont(m_model->MainFont);
  for (QWidget* widget : {static_cast<QWidget*>(txt_In), static_cast<QWidget*>(txt_Out),
                          static_cast<QWidget*>(lst_In), static_cast<QWidget*>(lst_Out),
                          static_cast<QWidget*>(lab2)}) {
    widget->setFont(mainFont);
  }
  ApplyColours();
  // The boxes keep their design height of 24 pixels and grow only for a font whose
  // line, with a pixel of margin and the 2-pixel frame above and below, needs more.
  for (QLineEdit* box : {txt_In, txt_Out}) {
    box->resize(box->width(), std::max(24, box->fontMetrics().height() + 6));
  }

  const QFont tabFont = DisplayFont(m_model->TabFont);
  TabSet1->setFont(tabFont);
  On_Resize();
  // The tab strip is 9 pixels higher than its font's characters.
  TabSet1->setFixedHeight(9 + QFontInfo(tabFont).pixelSize());
}

// Only a colour the user picked is applied; the rest comes from the theme. The
// output box is read-only and shows it with the theme's button face behind it.
void Tfrm_Converter::ApplyColours() {
  const QPalette text = TextPalette(m_model->MainFont);
  for (QWidget* widget : {static_cast<QWidget*>(txt_In), static_cast<QWidget*>(lst_In),
                          static_cast<QWidget*>(lst_Out), static_cast<QWidget*>(lab2)}) {
    widget->setPalette(text);
  }
  QPalette output = text;
  const QPalette theme = QApplication::palette(this);
  for (const QPalette::ColorGroup group :
       {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    output.setColor(group, QPalette::Base, theme.color(group, QPalette::Button));
    // The button face's own text colour is the one made to be read on it.
    if (!m_model->MainFont.ColorChosen) {
      output.setColor(group, QPalette::Text, theme.color(group, QPalette::ButtonText));
    }
  }
  txt_Out->setPalette(output);
  TabSet1->setPalette(TextPalette(m_model->TabFont));
}

void Tfrm_Converter::ApplyWindowBounds() {
  const model::WindowBounds& bounds = m_model->Window;
  const bool placed = bounds.Placed();
  // The stored size is the outer frame's; without one, the working area has its
  // design size under the menu bar.
  const bool sized = bounds.Sized();
  QSize size = sized ? QSize(bounds.FormWidth, bounds.FormHeight)
                     : kDesignWorkingArea + QSize(0, menuBar()->sizeHint().height());
  const QScreen* onScreen =
      placed ? ScreenShowingTop(bounds.FormLeft, bounds.FormTop, size.width()) : nullptr;
  // Where it was is gone (or never was): the primary screen.
  const QScreen* screen = onScreen != nullptr ? onScreen : QGuiApplication::primaryScreen();
  // A stored size larger than the screen shrinks to it (one far larger would take the
  // window system's memory), and one too small to use grows to the minimum.
  if (screen != nullptr) size = size.boundedTo(screen->availableGeometry().size());
  size = size.expandedTo(minimumSizeHint());
  // The frame's margins are known once it is shown; they come off then.
  m_storedFrame = sized ? size : QSize();
  resize(size);
  if (placed && onScreen != nullptr) {
    move(bounds.FormLeft, bounds.FormTop);
  } else if (placed) {
    CentreOnScreen(this, screen);
  }
  if (bounds.IsMaximized) setWindowState(windowState() | Qt::WindowMaximized);
}

// The window system adds its frame only once the window is shown: a window fitted to
// the screen may then stand out of it by its title bar. Fitted again at its first
// showing, frame and all, the tab strip at its foot stays on the screen.
void Tfrm_Converter::FitFrameToScreen() {
  const QScreen* shownOn = screen();
  if (shownOn == nullptr || isMaximized() || isFullScreen()) return;
  const QRect area = shownOn->availableGeometry();
  const QRect frame = frameGeometry();
  const QSize margins = frame.size() - size();
  const QSize fitted = size().boundedTo(area.size() - margins);
  if (fitted != size()) resize(fitted);
  // A frame that stands out of the screen (a stored place of a window that was
  // larger) moves in.
  const QPoint inside(
      std::clamp(frame.left(), area.left(), area.right() + 1 - fitted.width() - margins.width()),
      std::clamp(frame.top(), area.top(), area.bottom() + 1 - fitted.height() - margins.height()));
  if (inside != frame.topLeft()) move(inside);
}

void Tfrm_Converter::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!m_frameFitted && windowHandle() != nullptr) windowHandle()->installEventFilter(this);
}

void Tfrm_Converter::RecordWindowBounds() {
  // A window never shown (ended while a box was shown at start) has no place of its
  // own: what was read stays, unplaced and unsized included.
  if (!m_frameFitted) return;
  // The outer frame, as the window is placed and sized by its frame.
  const QRect frame = frameGeometry();
  m_model->Window = {frame.top(), frame.left(), frame.width(), frame.height(), isMaximized()};
  if (m_table != nullptr) {
    // Placed by its frame, as move() places it, and sized inside it, as resize() sizes it.
    const QPoint place = m_table->frameGeometry().topLeft();
    m_model->TableWindow = {place.y(), place.x(), m_table->width(), m_table->height(), false};
  }
}

void Tfrm_Converter::On_Resize() {
  const WorkingAreaLayout current{BoundsOf(txt_In),  BoundsOf(lst_In),  BoundsOf(lab),
                                  BoundsOf(txt_Out), BoundsOf(lst_Out), BoundsOf(lab2)};
  const WorkingAreaLayout layout = LayoutWorkingArea(pan->width(), pan->height(), current);
  SetBounds(txt_In, layout.txt_In);
  SetBounds(lst_In, layout.lst_In);
  SetBounds(lab, layout.lab);
  SetBounds(txt_Out, layout.txt_Out);
  SetBounds(lst_Out, layout.lst_Out);
  SetBounds(lab2, layout.lab2);
  PlaceFactorLine();
}

// The factor's two lines take the foot of the lists' height, across both lists; the
// layout of the design is left as it is while they are off.
void Tfrm_Converter::PlaceFactorLine() {
  const bool shown = m_model && m_model->ShowConversionFactor;
  lab_Factor->setVisible(shown);
  if (!shown) return;
  const int height = 2 * lab_Factor->fontMetrics().lineSpacing() + 4;
  const int top = lst_In->y() + lst_In->height() - height;
  for (QWidget* above : {static_cast<QWidget*>(lst_In), static_cast<QWidget*>(lst_Out),
                         static_cast<QWidget*>(lab2)}) {
    above->resize(above->width(), std::max(0, top - 4 - above->y()));
  }
  lab_Factor->setGeometry(txt_In->x(), top, lst_Out->x() + lst_Out->width() - txt_In->x(), height);
}

// What follows from the shown values besides the controls that mirror them: the
// factor of the selected units.
void Tfrm_Converter::ShowDerivedViews(model::ShownParts parts) {
  using model::ShownPart;
  // The factor depends on the units alone, the table on the input as well; neither on
  // the result, which each keystroke reports apart from its input.
  const model::ShownParts units = ShownPart::InputListEntries | ShownPart::InputListSelection |
                                  ShownPart::OutputListEntries | ShownPart::OutputListSelection |
                                  ShownPart::Tabs;
  if (parts.Any(units)) {
    const QString factor = ShownFactorText(m_model->ConversionFactor());
    txt_Out->setToolTip(factor);
    if (lab_Factor->text() != factor) lab_Factor->setText(factor);
  }
  if (parts.Any(units | ShownPart::InputText) && m_table != nullptr && m_table->isVisible()) {
    ShowTable();
  }
}

// The input in every unit of the category, the output unit marked.
void Tfrm_Converter::ShowTable() {
  const ConverterModel& model = *m_model;
  const int category = model.CurrentCategory();
  const std::vector<engine::ConversionResult> results =
      engine::ConvertToEveryUnit(model.Catalogue(), category, model.InputList().Selected,
                                 model.InputText(), model.Format(), model.Locale());
  const std::vector<std::string_view>& units = model.UnitNameList(category);
  std::vector<std::pair<std::string, std::string>> rows;
  rows.reserve(units.size());
  for (std::size_t i = 0; i < units.size() && i < results.size(); ++i) {
    rows.emplace_back(units[i], ToStdString(ShownOutputText(results[i])));
  }
  // What is converted: the input and its unit, or the category while there is none.
  QString caption = ToQString(engine::BoxTextFromInput(model.InputText(), m_locale.Decimal));
  const model::UnitList& input = model.InputList();
  if (input.Selected >= 0 && model.InputListVisible()) {
    caption += QLatin1Char(' ') + ToQString(input.Entries[input.Selected]);
  }
  if (caption.trimmed().isEmpty()) {
    caption = ToQString(model.Catalogue().Category(category).DisplayName);
  }
  m_table->ShowRows(rows, model.OutputList().Selected, caption.trimmed());
}

void Tfrm_Converter::ShownValuesChanged(model::ShownParts parts) {
  using model::ShownPart;
  const ConverterModel& model = *m_model;
  if (parts.Any(ShownPart::InputListEntries | ShownPart::InputListSelection)) {
    MirrorList(lst_In, model.InputList(), parts.Any(ShownPart::InputListEntries));
  }
  if (parts.Any(ShownPart::OutputListEntries | ShownPart::OutputListSelection)) {
    MirrorList(lst_Out, model.OutputList(), parts.Any(ShownPart::OutputListEntries));
  }
  if (parts.Any(ShownPart::InputText)) {
    const QString text = ToQString(engine::BoxTextFromInput(model.InputText(), m_locale.Decimal));
    if (txt_In->text() != text) {
      const QSignalBlocker blocker(txt_In);
      // Letters turned to upper case keep the caret where it was.
      const bool sameLength = txt_In->text().size() == text.size();
      const int caret = txt_In->cursorPosition();
      txt_In->setText(text);
      if (sameLength) txt_In->setCursorPosition(caret);
    }
  }
  if (parts.Any(ShownPart::OutputText)) txt_Out->setText(ShownOutputText(model.Output()));
  if (parts.Any(ShownPart::InputListVisible)) {
    lst_In->setVisible(model.InputListVisible());
    lab2->setVisible(!model.InputListVisible());
  }
  if (parts.Any(ShownPart::Tabs)) MirrorTabs();
  // A new result is told to a screen reader wherever the focus is.
  if (parts.Any(ShownPart::OutputText | ShownPart::OutputListEntries |
                ShownPart::OutputListSelection)) {
    // A message in the result's place is read without the unit, in whatever language
    // it is shown.
    const QListWidgetItem* unit = lst_Out->currentItem();
    const bool message = model.Output().Failure.has_value();
    m_resultAnnouncer->ResultShown(txt_Out->text(),
                                   unit != nullptr && !message ? unit->text() : QString());
  }
  ShowDerivedViews(parts);
}

// The input box keeps every edit for Undo, without limit; a person who types all day
// would see the memory grow. After this many edits the history starts again.
void Tfrm_Converter::BoundUndoHistory() {
  constexpr int kUndoSteps = 1000;
  if (++m_inputEdits < kUndoSteps) return;
  m_inputEdits = 0;
  const QSignalBlocker blocker(txt_In);
  const int caret = txt_In->cursorPosition();
  const int selectionStart = txt_In->selectionStart();
  const int selectionLength = txt_In->selectionLength();
  txt_In->setText(txt_In->text());  // clears the history, keeps the text
  if (selectionStart >= 0) {
    txt_In->setSelection(selectionStart, selectionLength);
  } else {
    txt_In->setCursorPosition(caret);
  }
}

void Tfrm_Converter::MirrorTabs() {
  const QSignalBlocker blocker(TabSet1);
  const std::vector<std::string>& captions = m_model->IndexTabs();
  for (int i = 0; i < static_cast<int>(captions.size()); ++i) {
    const QString caption = ToQString(captions[i]);
    if (i < TabSet1->count()) {
      if (TabSet1->tabText(i) != caption) TabSet1->setTabText(i, caption);
    } else {
      TabSet1->addTab(caption);
    }
  }
  while (TabSet1->count() > static_cast<int>(captions.size()))
    TabSet1->removeTab(TabSet1->count() - 1);
  if (m_model->TabIndex() >= 0) TabSet1->setCurrentIndex(m_model->TabIndex());
}

bool Tfrm_Converter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  // A new theme brings new colours, told to the application alone: the output box's
  // background follows it.
  if (type == QEvent::ApplicationPaletteChange && watched == qApp && m_model) ApplyColours();
  // Escape in one of the menus closes it and gives the keys back to the control that
  // had them. Left to itself, the menu bar would stay in its keyboard mode, take the
  // next key typed and take the input box's selection with it.
  if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    auto* menu = qobject_cast<QMenu*>(watched);
    if (menu != nullptr && menu->parentWidget() == menuBar()) {
      menu->hide();
      // A menu opened from the keyboard leaves the menu bar holding the keys: it lets
      // them go at an Escape of its own.
      if (menuBar()->hasFocus()) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(menuBar(), &escape);
      }
      return true;
    }
  }
  if (type == QEvent::Expose && watched == windowHandle() && !m_frameFitted &&
      windowHandle()->isExposed()) {
    m_frameFitted = true;
    windowHandle()->removeEventFilter(this);
    // The stored size was the frame's: the margins the window system added come off.
    if (m_storedFrame.isValid() && !isMaximized()) {
      resize(m_storedFrame - (frameGeometry().size() - size()));
    }
    FitFrameToScreen();
    return false;
  }
  if (type == QEvent::ShortcutOverride || type == QEvent::KeyPress) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && widget->window() == this) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (type == QEvent::ShortcutOverride) {
        // Menu shortcuts come back as key presses, handled below, so that a text
        // box never takes them as its own (Ctrl+A does not select the text).
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : m_shortcutActions) {
          if (action->shortcut() == pressed) {
            event->accept();
            return true;
          }
        }
        if (CategoryStep(key->keyCombination()) != 0) {
          event->accept();
          return true;
        }
      } else {
        if (DispatchShortcut(key)) return true;
        if (const int step = CategoryStep(key->keyCombination()); step != 0) {
          StepCategory(step);
          return true;
        }
        if (watched == txt_In && Key_Press(key)) return true;
      }
    }
  } else if ((watched == txt_In || watched == txt_Out) && type == QEvent::FocusIn) {
    Txt_Enter(static_cast<QLineEdit*>(watched));
  } else if ((watched == txt_In || watched == txt_Out) && type == QEvent::FocusOut &&
             static_cast<QFocusEvent*>(event)->reason() == Qt::MenuBarFocusReason) {
    // A box drops its selection when the menu bar takes the keys (Alt, or a menu
    // opened from the keyboard): it is kept here, before the box sees the event.
    auto* box = static_cast<QLineEdit*>(watched);
    m_selectionBeforeMenu = {box, box->selectionStart(), box->selectedText().size()};
  }
  return QMainWindow::eventFilter(watched, event);
}

// Ctrl+Page Down and Ctrl+Page Up step through the tabs: +1, -1, or 0 for any other
// key.
int Tfrm_Converter::CategoryStep(QKeyCombination keys) {
  if (keys == (Qt::CTRL | Qt::Key_PageDown)) return 1;
  if (keys == (Qt::CTRL | Qt::Key_PageUp)) return -1;
  return 0;
}

// The next or previous tab in tab order, wrapping at either end, as a click on it
// would select it.
void Tfrm_Converter::StepCategory(int step) {
  const int count = static_cast<int>(m_model->IndexTabs().size());
  if (count == 0) return;
  const int current = m_model->TabIndex();
  // With no tab selected, the first step goes to either end.
  const int next =
      current < 0 ? (step > 0 ? 0 : count - 1) : ((current + step) % count + count) % count;
  m_model->SelectTab(next);
}

bool Tfrm_Converter::DispatchShortcut(QKeyEvent* event) {
  const QKeySequence pressed(event->keyCombination());
  for (QAction* action : m_shortcutActions) {
    if (action->shortcut() != pressed) continue;
    if (m_editActions.contains(action)) mnu_Edit1Click();
    if (action->isEnabled()) action->trigger();
    return true;
  }
  return false;
}

bool Tfrm_Converter::Key_Press(QKeyEvent* event) {
  const QString text = event->text();
  const catalogue::ConversionKind kind = m_model->CurrentKind();
  const QString decimal = ToQString(m_locale.Decimal);
  const char32_t decimalChar = decimal.size() == 1 ? decimal.front().unicode() : U'.';
  // Where the decimal separator is not ".", the keypad's decimal key gives it,
  // whichever sign the key bears.
  if (decimal != u"." && (event->modifiers() & Qt::KeypadModifier) &&
      (text == u"." || text == u",") && text != decimal &&
      engine::InputCharacterPasses(kind, decimalChar, decimalChar)) {
    txt_In->insert(decimal);
    return true;
  }
  // A key without a character (arrows, Home, function keys) passes.
  for (const QChar c : text) {
    if (!engine::InputCharacterPasses(kind, c.unicode(), decimalChar)) return true;  // swallowed
  }
  return false;
}

void Tfrm_Converter::Txt_Enter(QLineEdit* box) {
  m_focusFlag = true;
  m_activeTextBox = box;
}

void Tfrm_Converter::Txt_Exit() {
  m_focusFlag = false;
  m_activeTextBox = nullptr;
}

void Tfrm_Converter::mnu_Exit1Click() {
  SaveSettings();
  QCoreApplication::quit();
}

void Tfrm_Converter::mnu_Edit1Click() {
  QLineEdit* box = m_activeTextBox;
  if (!m_focusFlag || box == nullptr) {
    mnu_Cut1->setEnabled(false);
    mnu_Copy1->setEnabled(false);
    mnu_Paste1->setEnabled(false);
    return;
  }
  // In the read-only output box the whole result is what Copy takes.
  if (box->isReadOnly() && !box->hasSelectedText()) box->selectAll();
  mnu_Cut1->setEnabled(box->hasSelectedText() && !box->isReadOnly());
  mnu_Copy1->setEnabled(box->hasSelectedText());
  const QClipboard* clipboard = QGuiApplication::clipboard();
  mnu_Paste1->setEnabled(clipboard->mimeData() != nullptr && clipboard->mimeData()->hasText() &&
                         !box->isReadOnly());
}

void Tfrm_Converter::mnu_Cut1Click() {
  QLineEdit* box = m_activeTextBox;
  if (box == nullptr || !box->hasSelectedText()) return;
  QGuiApplication::clipboard()->setText(box->selectedText());
  box->insert(QString());
}

void Tfrm_Converter::mnu_Copy1Click() {
  QLineEdit* box = m_activeTextBox;
  if (box == nullptr || !box->hasSelectedText()) return;
  QGuiApplication::clipboard()->setText(box->selectedText());
}

// The result reaches the clipboard whatever has the focus, as the output box is
// skipped by the Tab key: without thousands separators, so that it pastes as a number
// into other programs.
void Tfrm_Converter::mnu_CopyResult1Click() {
  const std::optional<std::string> result = m_model->ResultForCopy();
  if (!result) {
    QApplication::beep();
    return;
  }
  QApplication::clipboard()->setText(ToQString(*result));
}

void Tfrm_Converter::mnu_Paste1Click() {
  QLineEdit* box = m_activeTextBox;
  if (box == nullptr) return;
  const QString pasted = QGuiApplication::clipboard()->text();
  // A number as this locale writes it, a copied result for one, is read as that
  // number: its grouping goes, and its decimal separator stays the box's.
  const std::optional<std::string> number =
      engine::LocaleNumberAsInput(ToStdString(pasted), m_locale);
  box->insert(number ? ToQString(engine::BoxTextFromInput(*number, m_locale.Decimal)) : pasted);
}

void Tfrm_Converter::mnu_ReverseSelectedUnits1Click() {
  if (const std::optional<engine::Message> refusal = m_model->InvertConversion()) {
    m_messages.ShowCommandError(*refusal);
  }
}

void Tfrm_Converter::mnu_ClearInputTextBox1Click() {
  m_model->SetInputText({});
}

void Tfrm_Converter::mnu_Reset1Click() {
  m_model->ClearAll();
  txt_In->setFocus();
}

void Tfrm_Converter::mnu_Result1Click() {
  Tfrm_NumberFormat dialog(
      m_model->Format(), m_locale, [this](const QString& k) { ShowHelpTopic(k); }, this);
  if (dialog.exec() != QDialog::Accepted) return;
  m_model->SetFormat(dialog.Format());
  ShowDerivedViews();
}

void Tfrm_Converter::mnu_Fonts1Click() {
  Tfrm_Fonts dialog(
      m_model->MainFont, m_model->TabFont, m_chooseFont, m_messages,
      [this](const QString& k) { ShowHelpTopic(k); }, this);
  if (dialog.exec() != QDialog::Accepted) return;
  m_model->MainFont = dialog.MainFont();
  m_model->TabFont = dialog.TabFont();
  ApplyFonts();
}

void Tfrm_Converter::mnu_ChooseUnitCategory1Click() {
  Tfrm_ChooseUnits dialog(
      TabCaptions(), m_model->TabIndex(), DisplayFont(m_model->MainFont),
      [this](const QString& k) { ShowHelpTopic(k); }, this);
  if (dialog.exec() != QDialog::Accepted) return;
  m_model->SelectTab(dialog.SelectedPosition());
}

void Tfrm_Converter::mnu_SortUnitLists1Click() {
  m_model->SetSortedUnitLists(mnu_SortUnitLists1->isChecked());
}

void Tfrm_Converter::mnu_FindUnit1Click() {
  // Built the first time it is asked for, so the start pays nothing for it.
  if (m_findUnit == nullptr) {
    m_findUnit = new FindUnitPopup(
        m_model->Catalogue(), [this] { return TabCategories(); }, this);
    connect(m_findUnit, &FindUnitPopup::UnitChosen, this, &Tfrm_Converter::ChooseFoundUnit);
  }
  m_findUnit->open();
}

// The categories of the tabs in tab order; a caption that names none is left out.
std::vector<int> Tfrm_Converter::TabCategories() const {
  std::vector<int> categories;
  for (const std::string& caption : m_model->IndexTabs()) {
    const int category = m_model->Catalogue().FindCategory(caption);
    if (category >= 0) categories.push_back(category);
  }
  return categories;
}

// The tab of the found unit's category is selected as a click would select it, so the
// category comes back with its remembered input and other unit; then the unit is
// selected in its list.
void Tfrm_Converter::ChooseFoundUnit(int category, int position, bool forOutput) {
  const std::vector<std::string>& tabs = m_model->IndexTabs();
  for (int tab = 0; tab < static_cast<int>(tabs.size()); ++tab) {
    if (m_model->Catalogue().FindCategory(tabs[tab]) == category) {
      m_model->SelectTab(tab);
      break;
    }
  }
  if (m_model->CurrentCategory() != category) return;
  if (forOutput) {
    m_model->ClickOutputList(position);
  } else {
    m_model->ClickInputList(position);
  }
}

void Tfrm_Converter::mnu_ConversionTable1Click() {
  if (m_table == nullptr) {
    m_table = new ConversionTableWindow(this);
    // Where it was last, when that is on a screen; otherwise beside this window.
    const model::WindowBounds& stored = m_model->TableWindow;
    if (stored.Sized()) m_table->resize(stored.FormWidth, stored.FormHeight);
    if (stored.Placed() &&
        ScreenShowingTop(stored.FormLeft, stored.FormTop, m_table->width()) != nullptr) {
      m_table->PlaceAt(QPoint(stored.FormLeft, stored.FormTop));
    }
  }
  m_table->show();
  m_table->raise();
  m_table->activateWindow();
  ShowDerivedViews();
}

void Tfrm_Converter::mnu_ShowConversionFactor1Click() {
  m_model->ShowConversionFactor = mnu_ShowConversionFactor1->isChecked();
  On_Resize();
}

void Tfrm_Converter::mnu_StayOnTop1Click() {
  m_model->StayOnTop = mnu_StayOnTop1->isChecked();
  // A window's flags change only as it is shown again.
  const bool visible = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, m_model->StayOnTop);
  if (visible) show();
}

void Tfrm_Converter::mnu_ArrangeOrderofCategories1Click() {
  QStringList builtIn;
  for (const std::string_view name : m_model->Catalogue().CategoryNames())
    builtIn.append(ToQString(name));
  Tfrm_ArrangeUnits dialog(
      TabCaptions(), builtIn, DisplayFont(m_model->MainFont),
      [this](const QString& k) { ShowHelpTopic(k); }, this);
  if (dialog.exec() != QDialog::Accepted) return;
  std::vector<std::string> captions;
  for (const QString& caption : dialog.Captions()) captions.push_back(ToStdString(caption));
  m_model->SetCategoryOrder(std::move(captions));
}

void Tfrm_Converter::Calculator1Click() {
  // The first calculator of the desktop that starts; the program does not wait for it.
  for (const QString& program : m_calculators) {
    if (QProcess::startDetached(program, {})) return;
  }
  m_messages.ShowCommandError({engine::MessageCode::UnableToStartCalculator});
}

void Tfrm_Converter::mnu_MetricPrefixes1Click() {
  ShowHelpTopic(QStringLiteral("MetricPrefixes"));
}

void Tfrm_Converter::mnu_Contents1Click() {
  Help().ShowContents();
}

void Tfrm_Converter::mnu_SearchforHelpOn1Click() {
  Help().ShowIndex();
}

void Tfrm_Converter::mnu_HowtoUseHelp1Click() {
  Help().ShowHelpOnHelp();
}

void Tfrm_Converter::mnu_About1Click() {
  Tfrm_About dialog(m_model->Catalogue().TotalUnitCount(), this);
  dialog.exec();
}

void Tfrm_Converter::ShowHelpTopic(const QString& keyword) {
  QWidget* dialog = QApplication::activeModalWidget();
  Help().ShowHelpTopic(keyword);
  if (dialog != nullptr && dialog != Help().Window()) KeepInView(dialog, Help().Window());
}

// A dialog's help goes beside the dialog, on the side with more room, narrowed to fit
// but no narrower than it reads well; where that cannot be, the dialog stays on top,
// so help never hides the dialog it is for.
void Tfrm_Converter::KeepInView(QWidget* dialog, QWidget* help) {
  constexpr int kNarrowestHelp = 480;
  const QScreen* screen = dialog->screen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  const QRect beside = dialog->frameGeometry();
  const QSize margins = help->frameGeometry().size() - help->size();
  const int right = area.right() - beside.right();
  const int left = beside.left() - area.left();
  const int room = std::max(left, right) - margins.width();
  const int width = std::min(help->width(), room);
  const int height = std::min(help->height(), area.height() - margins.height());
  if (width >= kNarrowestHelp) {
    help->resize(width, height);
    const int x = right >= left ? beside.right() + 1 : beside.left() - width - margins.width();
    const int y =
        std::clamp(beside.top(), area.top(), area.bottom() + 1 - height - margins.height());
    help->move(x, y);
  } else {
    dialog->raise();
    dialog->activateWindow();
  }
}

// One help window, opened on first use. It has no parent, so a dialog that is modal
// to the main window leaves it usable.
HelpViewer& Tfrm_Converter::Help() {
  if (!m_helpWindow) m_helpWindow = LoadHelpViewer(HelpCollectionPath());
  return *m_helpWindow;
}

QStringList Tfrm_Converter::TabCaptions() const {
  QStringList captions;
  for (const std::string& caption : m_model->IndexTabs()) captions.append(ToQString(caption));
  return captions;
}

}  // namespace quantivo::ui
