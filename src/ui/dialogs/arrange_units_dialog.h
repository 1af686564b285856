#pragma once

#include <QDialog>
#include <QStringList>

#include "ui/dialogs/dialog_parts.h"

class QListWidget;
class QToolButton;

namespace quantivo::ui {

/// "Arrange Category Order": the tabs in their order, moved one place at a time,
/// sorted, or reset to the built-in order; OK applies the list's order.
class Tfrm_ArrangeUnits : public QDialog {
  Q_OBJECT
 public:
  /// `builtIn` is the categories' own order, which Reset restores.
  Tfrm_ArrangeUnits(const QStringList& captions, QStringList builtIn, const QFont& listFont,
                    const ShowHelpTopicFunction& showHelpTopic, QWidget* parent = nullptr);

  /// The entries of the list in their order.
  QStringList Captions() const;

 private:
  void lst_UnitsClick();
  void btn_MoveUpClick();
  void btn_MoveDnClick();
  void btn_ResetClick();
  void cmd_SortClick();
  void Exchange(int from, int to);
  void Fill(const QStringList& captions);

  QStringList m_builtIn;
  QListWidget* lst_Units = nullptr;
  QToolButton* btn_MoveUp = nullptr;
  QToolButton* btn_MoveDn = nullptr;
  QToolButton* cmd_Sort = nullptr;
};

}  // namespace quantivo::ui
