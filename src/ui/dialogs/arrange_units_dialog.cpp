#include "ui/dialogs/arrange_units_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

namespace quantivo::ui {
namespace {

// `spokenName` is what a screen reader calls the button: the short caption says what
// it does only beside the list.
QToolButton* AddFlatButton(QWidget* parent, const char* name, const QString& text,
                           const QString& spokenName, QStyle::StandardPixmap glyph, int top) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(text);
  button->setAccessibleName(spokenName);
  button->setIcon(parent->style()->standardIcon(glyph));
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setGeometry(248, top, 41, 49);
  return button;
}

}  // namespace

Tfrm_ArrangeUnits::Tfrm_ArrangeUnits(const QStringList& captions, QStringList builtIn,
                                     const QFont& listFont,
                                     const ShowHelpTopicFunction& showHelpTopic, QWidget* parent)
    : QDialog(parent), m_builtIn(std::move(builtIn)) {
  setObjectName(QStringLiteral("frm_ArrangeUnits"));
  SetUpDialog(this, tr("Arrange Category Order"), 297, 268);

  lst_Units = AddCategoryList(this, tr("Arrange the Unit Categories in any order:"), listFont);
  lst_Units->setAccessibleName(tr("Category order"));
  connect(lst_Units, &QListWidget::currentRowChanged, this, &Tfrm_ArrangeUnits::lst_UnitsClick);

  btn_MoveUp = AddFlatButton(this, "btn_MoveUp", tr("&Up"), tr("Move up"), QStyle::SP_ArrowUp, 24);
  btn_MoveDn =
      AddFlatButton(this, "btn_MoveDn", tr("&Down"), tr("Move down"), QStyle::SP_ArrowDown, 80);
  cmd_Sort = AddFlatButton(this, "cmd_Sort", tr("&Sort"), tr("Sort alphabetically"),
                           QStyle::SP_FileDialogListView, 176);
  connect(btn_MoveUp, &QToolButton::clicked, this, &Tfrm_ArrangeUnits::btn_MoveUpClick);
  connect(btn_MoveDn, &QToolButton::clicked, this, &Tfrm_ArrangeUnits::btn_MoveDnClick);
  connect(cmd_Sort, &QToolButton::clicked, this, &Tfrm_ArrangeUnits::cmd_SortClick);

  const ButtonRow row = AddButtonRow(this, 233, 216, QStringLiteral("ArrangeCategoryOrderScreen"),
                                     showHelpTopic, [this] { btn_ResetClick(); });
  SetTabOrder({lst_Units, row.Help, row.Cancel, row.Reset, row.Ok});

  Fill(captions);
  lst_Units->setFocus();
}

QStringList Tfrm_ArrangeUnits::Captions() const {
  QStringList captions;
  for (int i = 0; i < lst_Units->count(); ++i) captions.append(lst_Units->item(i)->text());
  return captions;
}

void Tfrm_ArrangeUnits::lst_UnitsClick() {
  const int position = lst_Units->currentRow();
  btn_MoveUp->setEnabled(position > 0);
  btn_MoveDn->setEnabled(position >= 0 && position < lst_Units->count() - 1);
}

void Tfrm_ArrangeUnits::btn_MoveUpClick() {
  Exchange(lst_Units->currentRow(), lst_Units->currentRow() - 1);
}

void Tfrm_ArrangeUnits::btn_MoveDnClick() {
  Exchange(lst_Units->currentRow(), lst_Units->currentRow() + 1);
}

void Tfrm_ArrangeUnits::btn_ResetClick() {
  Fill(m_builtIn);
}

void Tfrm_ArrangeUnits::cmd_SortClick() {
  QStringList captions = Captions();
  std::stable_sort(captions.begin(), captions.end(), [](const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
  });
  Fill(captions);
}

// The selection stays on the category that moved.
void Tfrm_ArrangeUnits::Exchange(int from, int to) {
  if (from < 0 || to < 0 || from >= lst_Units->count() || to >= lst_Units->count()) return;
  const QString moved = lst_Units->item(from)->text();
  lst_Units->item(from)->setText(lst_Units->item(to)->text());
  lst_Units->item(to)->setText(moved);
  lst_Units->setCurrentRow(to);
  lst_UnitsClick();
}

// A refilled list has no entry selected.
void Tfrm_ArrangeUnits::Fill(const QStringList& captions) {
  {
    const QSignalBlocker blocker(lst_Units);
    lst_Units->clear();
    lst_Units->addItems(captions);
    lst_Units->setCurrentRow(-1);
  }
  lst_UnitsClick();
}

}  // namespace quantivo::ui
