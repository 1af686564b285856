#include "ui/choose_units_dialog.h"

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

  QPushButton* help =
      AddHelpButton(this, 8, 233, QStringLiteral("ChooseUnitCategoryScreen"), showHelpTopic);
  QPushButton* cancel = AddButton(this, "btn_Cancel", tr("Cancel"), 88, 233, 73, 27);
  QPushButton* ok = AddButton(this, "btn_OK", tr("OK"), 168, 233, 73, 27, true);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  setTabOrder(lst_Units, cancel);
  setTabOrder(cancel, ok);
  setTabOrder(ok, help);
  lst_Units->setFocus();
}

int Tfrm_ChooseUnits::SelectedPosition() const {
  return lst_Units->currentRow();
}

void Tfrm_ChooseUnits::lst_UnitsDblClick() {
  accept();
}

}  // namespace quantivo::ui
