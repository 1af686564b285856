#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "catalogue/custom_units.h"
#include "catalogue/unit_catalogue.h"
#include "engine/format_result.h"
#include "ui/dialogs/dialog_parts.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quantivo::ui {

class WindowMessages;

/// One unit of the user's own being defined: its name, its other names, and "1 name ="
/// a value and a unit of the category's table, with a line under them saying what
/// the definition means in two units people know. OK checks the definition and keeps
/// the dialog open, with the reason shown, while it is refused.
class Tfrm_CustomUnit : public QDialog {
  Q_OBJECT
 public:
  /// `replacing` is the position of the unit being edited among the category's units
  /// of the user's own, -1 for a new one.
  Tfrm_CustomUnit(const catalogue::UnitCatalogue& catalogue, int category, int replacing,
                  engine::NumberLocale locale, WindowMessages& messages, QWidget* parent);

  /// The checked unit once OK accepted the dialog.
  const std::optional<catalogue::CustomUnit>& Unit() const { return m_unit; }

  void accept() override;

 private:
  /// The definition's line and the meaning under it, as typed so far.
  void DefinitionChanged();
  struct Checked;
  Checked Check() const;

  const catalogue::UnitCatalogue& m_catalogue;
  int m_category;
  int m_replacing;
  engine::NumberLocale m_locale;
  WindowMessages& m_messages;
  std::optional<catalogue::CustomUnit> m_unit;

  QLineEdit* txt_Name = nullptr;
  QLineEdit* txt_OtherNames = nullptr;
  QLabel* lbl_One = nullptr;
  QLineEdit* txt_Value = nullptr;
  QComboBox* cbo_Base = nullptr;
  QLabel* lbl_Meaning = nullptr;
};

/// "Custom Units": the current category's units of the user's own, in definition
/// order, with Add, Edit and Remove. Each change is handed to `apply`, which saves it
/// and answers whether it took; a category that takes no units of one's own says so.
class Tfrm_CustomUnits : public QDialog {
  Q_OBJECT
 public:
  using ApplyFunction = std::function<bool(catalogue::CustomUnitLists)>;

  Tfrm_CustomUnits(const catalogue::UnitCatalogue& catalogue, int category,
                   engine::NumberLocale locale, WindowMessages& messages, ApplyFunction apply,
                   const ShowHelpTopicFunction& showHelpTopic, QWidget* parent);

 private:
  void btn_AddClick();
  void btn_EditClick();
  void btn_RemoveClick();
  /// Defines a unit anew or again (`replacing` its position, -1 for a new one).
  void Define(int replacing);
  /// Hands the category's units over as `units` and shows them again.
  void Apply(std::vector<catalogue::CustomUnit> units, int select);
  void FillList(int select);

  const catalogue::UnitCatalogue& m_catalogue;
  int m_category;
  engine::NumberLocale m_locale;
  WindowMessages& m_messages;
  ApplyFunction m_apply;

  QListWidget* lst_CustomUnits = nullptr;
  QPushButton* btn_Edit = nullptr;
  QPushButton* btn_Remove = nullptr;
};

}  // namespace quantivo::ui
