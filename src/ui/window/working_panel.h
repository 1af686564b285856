#pragma once

#include <QFont>
#include <QFrame>
#include <QString>

#include "model/converter_model.h"

class QLabel;
class QLineEdit;

namespace quantivo::ui {

class UnitListView;

/// A stored font as the window shows it: no smaller than the desktop's font where the
/// desktop asks for large text. What is stored stays as the user chose it.
QFont DisplayFont(const model::FontSpec& stored);

/// The bevelled panel of the working area: the two boxes and their lists, the arrow
/// between them, the Fractions label in the input list's place and the conversion
/// factor's line. It lays them out whenever its size changes.
class WorkingPanel : public QFrame {
  Q_OBJECT
 public:
  /// Creates the controls at their design places.
  explicit WorkingPanel(QWidget* parent);

  /// Lays the controls out for the panel's size.
  void On_Resize();
  /// The boxes and lists in the main font, their colours the user's or the theme's.
  void ApplyFonts(const model::FontSpec& mainFont);
  void ApplyColours(const model::FontSpec& mainFont);
  /// The factor's line under the lists, on or off.
  void ShowFactorLine(bool on);
  /// The factor of the selected units, in the output box's tooltip and the line.
  void SetFactor(const QString& factor);
  /// The input box's text as the model has it; letters turned to upper case keep the
  /// caret where it was.
  void ShowInputText(const QString& text);
  /// A unit list's entries (when they changed) and its selected unit, or its top
  /// when there is none, whatever the category before it showed. The list views the
  /// entries until it is shown new ones.
  static void ShowUnitList(UnitListView* list, const model::UnitList& shown, bool entriesChanged);

  QLineEdit* txt_In = nullptr;
  UnitListView* lst_In = nullptr;
  QLabel* lab = nullptr;
  QLineEdit* txt_Out = nullptr;
  UnitListView* lst_Out = nullptr;
  QLabel* lab2 = nullptr;
  QLabel* lab_Factor = nullptr;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void NameForScreenReaders();
  void PlaceFactorLine();

  bool m_factorShown = false;
};

}  // namespace quantivo::ui
