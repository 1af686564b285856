#include "ui/dialogs/choose_units_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace quantivo::ui {

Tfrm_ChooseUnits::Tfrm_ChooseUnits(const QStringList& captions, int selected, const QFont& listFont,
                                   const ShowHelpTopicFunction& showHelpTopic, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("frm_ChooseUnits"));
  SetUpDialog(this, tr("Choose Category"), 249, 269);

  lst_Units = AddCategoryList(this, tr("Choose a Unit Category:"), listFont);
  lst_Units->setAccessibleName(tr("Unit categories"));
  lst_Units->addItems(captions);
  lst_Units->setCurrentRow(selected);
  connect(lst_Units, &QListWidget::itemDoubleClicked, this, &Tfrm_ChooseUnits::lst_UnitsDblClick);

  const ButtonRow row =
      AddButtonRow(this, 233, 168, QStringLiteral("ChooseUnitCategoryScreen"), showHelpTopic);
  SetTabOrder({lst_Units, row.Cancel, row.Ok, row.Help});
  lst_Units->setFocus();
}

int Tfrm_ChooseUnits::SelectedPosition() const {
  return lst_Units->currentRow();
}

void Tfrm_ChooseUnits::lst_UnitsDblClick() {
  accept();
}

}  // namespace quantivo::ui
