#pragma once

#include <QDialog>
#include <QStringList>

#include "ui/dialogs/dialog_parts.h"

class QListWidget;

namespace quantivo::ui {

/// "Choose Category": the tabs in their order, the current one selected; OK, Enter
/// or a double-click picks one.
class Tfrm_ChooseUnits : public QDialog {
  Q_OBJECT
 public:
  Tfrm_ChooseUnits(const QStringList& captions, int selected, const QFont& listFont,
                   const ShowHelpTopicFunction& showHelpTopic, QWidget* parent = nullptr);

  /// The position selected in the list, -1 for none.
  int SelectedPosition() const;

 private:
  void lst_UnitsDblClick();

  QListWidget* lst_Units = nullptr;
};

}  // namespace quantivo::ui
