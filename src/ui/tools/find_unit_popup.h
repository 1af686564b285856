#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "catalogue/unit_catalogue.h"
#include "catalogue/unit_search.h"

class QLineEdit;
class QListView;
class QPushButton;

namespace quantivo::ui {

class Announcer;
class UnitNamesModel;

/// The category indices in the order of the tabs, as the window shows them now.
using TabOrderFunction = std::function<std::vector<int>()>;

/// "Find Unit": a search box over every unit of every tab and the matches under it,
/// "unit name - Category", best first, the first one selected. Enter takes the
/// selected unit for the input list, Shift+Enter for the output list, a double click
/// for the input list; Escape closes it and changes nothing. Show it with open(): it
/// opens with an empty box, and its names are read afresh from the tables each time,
/// so a sort while it was closed is followed. The focus stays in the box: a screen
/// reader hears the selected match once the typing or the arrows pause.
class FindUnitPopup : public QDialog {
  Q_OBJECT
 public:
  /// Builds the controls only; the names are folded when it is first shown. The
  /// catalogue must outlive the popup.
  FindUnitPopup(const catalogue::UnitCatalogue& catalogue, TabOrderFunction tabOrder,
                QWidget* parent = nullptr);

 signals:
  /// A unit was chosen: its category index and its list position in the category's
  /// current table order; `forOutput` for the output list. A unit of a category with
  /// no input list always goes to the output list. The popup has closed by then.
  void UnitChosen(int category, int position, bool forOutput);

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void txt_FindChange();
  void lst_MatchesDblClick();
  void btn_InputClick();
  void btn_OutputClick();
  /// Closes and reports the selected match; nothing happens without one.
  void Choose(bool forOutput);
  /// Reads the search box's clear button icon, which the style hands out unread.
  void ReadClearButtonIcon();
  /// A match as its row shows it, made when the row is drawn or read.
  QString Caption(const catalogue::UnitHit& hit) const;
  /// Has the selected match said once the box and the list settle.
  void AnnounceMatch();

  const catalogue::UnitCatalogue& m_catalogue;
  TabOrderFunction m_tabOrder;
  std::optional<catalogue::UnitSearch> m_search;
  std::vector<int> m_order;
  // One a row of lst_Matches; its rows keep the hits they were made from until the next.
  std::shared_ptr<const std::vector<catalogue::UnitHit>> m_hits;
  bool m_drawn = false;

  QLineEdit* txt_Find = nullptr;
  QListView* lst_Matches = nullptr;
  UnitNamesModel* m_matches = nullptr;
  Announcer* m_announcer = nullptr;
  QString m_said;  // the match said last
  QPushButton* btn_Input = nullptr;
  QPushButton* btn_Output = nullptr;
};

}  // namespace quantivo::ui
