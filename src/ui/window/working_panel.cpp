#include "ui/window/working_panel.h"

#include <qdrawutil.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>
#include <algorithm>

#include "ui/dialogs/dialog_parts.h"
#include "ui/qt_convert.h"
#include "ui/window/unit_list_view.h"
#include "ui/window/working_area_layout.h"

namespace quantivo::ui {
namespace {

Bounds BoundsOf(const QWidget* widget) {
  const QRect r = widget->geometry();
  return {r.x(), r.y(), r.width(), r.height()};
}

void SetBounds(QWidget* widget, const Bounds& b) {
  widget->setGeometry(b.Left, b.Top, b.Width, b.Height);
}

}  // namespace

QFont DisplayFont(const model::FontSpec& stored) {
  QFont font = ToQFont(stored);
  const double large = LargeDesktopPointSize();
  if (large > font.pointSizeF()) font.setPointSizeF(large);
  return font;
}

// The controls at their design places; the layout moves them as the panel's size
// changes.
WorkingPanel::WorkingPanel(QWidget* parent) : QFrame(parent) {
  txt_In = new QLineEdit(this);
  txt_In->setObjectName(QStringLiteral("txt_In"));
  txt_In->setGeometry(24, 24, 145, 24);
  lst_In = new UnitListView(this);
  lst_In->setObjectName(QStringLiteral("lst_In"));
  lst_In->setGeometry(64, 56, 105, 185);
  lab = new QLabel(QString(QChar(0x2192)), this);  // a right-pointing arrow
  lab->setObjectName(QStringLiteral("lab"));
  lab->setGeometry(184, 24, 26, 26);
  lab->setAlignment(Qt::AlignCenter);
  QFont arrowFont = lab->font();
  arrowFont.setPixelSize(24);
  lab->setFont(arrowFont);
  txt_Out = new QLineEdit(this);
  txt_Out->setObjectName(QStringLiteral("txt_Out"));
  txt_Out->setGeometry(224, 24, 145, 24);
  txt_Out->setReadOnly(true);
  txt_Out->setFocusPolicy(Qt::ClickFocus);  // skipped by the Tab key
  lst_Out = new UnitListView(this);
  lst_Out->setObjectName(QStringLiteral("lst_Out"));
  lst_Out->setGeometry(264, 56, 105, 185);
  lab2 = new QLabel(tr("Decimal to Convert to a Fraction"), this);
  lab2->setObjectName(QStringLiteral("lab2"));
  lab2->setGeometry(24, 56, 141, 185);
  lab2->setWordWrap(true);
  lab2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lab2->hide();
  // What the selected pair of units does, under the lists, while the user wants it.
  lab_Factor = new QLabel(this);
  lab_Factor->setObjectName(QStringLiteral("lab_Factor"));
  lab_Factor->setTextInteractionFlags(Qt::TextSelectableByMouse);
  lab_Factor->hide();
  setTabOrder(txt_In, lst_In);
  setTabOrder(lst_In, lst_Out);
  NameForScreenReaders();
}

// What a screen reader says of each control; the boxes and lists have no captions
// of their own on the screen.
void WorkingPanel::NameForScreenReaders() {
  const struct {
    QWidget* Control;
    const char* Name;
  } kNames[] = {
      {txt_In, QT_TR_NOOP("Value to convert")},
      {txt_Out, QT_TR_NOOP("Result")},
      {lst_In, QT_TR_NOOP("Convert from")},
      {lst_Out, QT_TR_NOOP("Convert to")},
      {lab, QT_TR_NOOP("to")},
      {lab_Factor, QT_TR_NOOP("Conversion factor")},
  };
  for (const auto& named : kNames) named.Control->setAccessibleName(tr(named.Name));
}

void WorkingPanel::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  On_Resize();
}

void WorkingPanel::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  // A lowered bevel inside a border of 10 pixels.
  QPainter painter(this);
  qDrawShadePanel(&painter, rect().adjusted(10, 10, -10, -10), palette(), true, 1);
}

void WorkingPanel::On_Resize() {
  const WorkingAreaLayout current{BoundsOf(txt_In),  BoundsOf(lst_In),  BoundsOf(lab),
                                  BoundsOf(txt_Out), BoundsOf(lst_Out), BoundsOf(lab2)};
  const WorkingAreaLayout layout = LayoutWorkingArea(width(), height(), current);
  SetBounds(txt_In, layout.txt_In);
  SetBounds(lst_In, layout.lst_In);
  SetBounds(lab, layout.lab);
  SetBounds(txt_Out, layout.txt_Out);
  SetBounds(lst_Out, layout.lst_Out);
  SetBounds(lab2, layout.lab2);
  PlaceFactorLine();
  // A list made shorter (the factor's line, a smaller window) keeps its selected unit
  // in view.
  for (UnitListView* list : {lst_In, lst_Out}) {
    if (list->currentIndex().isValid()) list->scrollTo(list->currentIndex());
  }
}

void WorkingPanel::ShowFactorLine(bool on) {
  m_factorShown = on;
  On_Resize();
}

void WorkingPanel::SetFactor(const QString& factor) {
  txt_Out->setToolTip(factor);
  if (lab_Factor->text() != factor) lab_Factor->setText(factor);
}

void WorkingPanel::ShowInputText(const QString& text) {
  if (txt_In->text() == text) return;
  const QSignalBlocker blocker(txt_In);
  const bool sameLength = txt_In->text().size() == text.size();
  const int caret = txt_In->cursorPosition();
  txt_In->setText(text);
  if (sameLength) txt_In->setCursorPosition(caret);
}

void WorkingPanel::ShowUnitList(UnitListView* list, const model::UnitList& shown,
                                bool entriesChanged) {
  const QSignalBlocker blocker(list);
  if (entriesChanged) list->SetNames(shown.Entries);
  if (shown.Selected < 0) {
    list->setCurrentRow(-1);
    list->clearSelection();
    list->scrollToTop();
  } else {
    // A unit the user has just clicked is current already: scrolling it whole into
    // view now would put another unit under the pointer, which the click would then
    // select.
    const bool moved = entriesChanged || list->currentRow() != shown.Selected;
    list->setCurrentRow(shown.Selected);
    if (moved) list->scrollTo(list->currentIndex());
  }
}

// The factor's two lines take the foot of the lists' height, across both lists; the
// layout of the design is left as it is while they are off.
void WorkingPanel::PlaceFactorLine() {
  lab_Factor->setVisible(m_factorShown);
  if (!m_factorShown) return;
  const int height = 2 * lab_Factor->fontMetrics().lineSpacing() + 4;
  const int top = lst_In->y() + lst_In->height() - height;
  for (QWidget* above : {static_cast<QWidget*>(lst_In), static_cast<QWidget*>(lst_Out),
                         static_cast<QWidget*>(lab2)}) {
    above->resize(above->width(), std::max(0, top - 4 - above->y()));
  }
  lab_Factor->setGeometry(txt_In->x(), top, lst_Out->x() + lst_Out->width() - txt_In->x(), height);
}

void WorkingPanel::ApplyFonts(const model::FontSpec& mainFont) {
  const QFont font = DisplayFont(mainFont);
  for (QWidget* widget : {static_cast<QWidget*>(txt_In), static_cast<QWidget*>(txt_Out),
                          static_cast<QWidget*>(lst_In), static_cast<QWidget*>(lst_Out),
                          static_cast<QWidget*>(lab2)}) {
    widget->setFont(font);
  }
  ApplyColours(mainFont);
  // The boxes keep their design height of 24 pixels and grow only for a font whose
  // line, with a pixel of margin and the 2-pixel frame above and below, needs more.
  for (QLineEdit* box : {txt_In, txt_Out}) {
    box->resize(box->width(), std::max(24, box->fontMetrics().height() + 6));
  }
  On_Resize();
}

// Only a colour the user picked is applied; the rest comes from the theme. The
// output box is read-only and shows it with the theme's button face behind it.
void WorkingPanel::ApplyColours(const model::FontSpec& mainFont) {
  const QPalette text = TextPalette(mainFont);
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
    if (!mainFont.ColorChosen) {
      output.setColor(group, QPalette::Text, theme.color(group, QPalette::ButtonText));
    }
  }
  txt_Out->setPalette(output);
}

}  // namespace quantivo::ui
