#include "ui/dialogs/custom_units_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "engine/typed_value.h"
#include "model/custom_units_file.h"
#include "ui/core_texts.h"
#include "ui/dialogs/message_boxes.h"
#include "ui/qt_convert.h"

namespace quantivo::ui {
namespace {

QString CategoryCaption(const catalogue::UnitCatalogue& catalogue, int category) {
  return ToQString(catalogue.Category(category).DisplayName);
}

// A unit's other names as they are typed: "st, stp".
QString OtherNamesText(const catalogue::CustomUnit& unit) {
  QStringList others;
  for (const std::string& other : unit.OtherNames) others.append(ToQString(other));
  return others.join(QStringLiteral(", "));
}

// A unit as its list shows it: "step = 60 centimeter (st)".
QString DefinitionLine(const catalogue::CustomUnit& unit) {
  QString line = QStringLiteral("%1 = %2 %3")
                     .arg(ToQString(unit.Name), ToQString(unit.Value), ToQString(unit.Base));
  if (!unit.OtherNames.empty()) line += QStringLiteral(" (%1)").arg(OtherNamesText(unit));
  return line;
}

}  // namespace

struct Tfrm_CustomUnit::Checked {
  model::CheckedUnit Result;
  QWidget* Field = nullptr;  // where to correct a refusal
};

Tfrm_CustomUnit::Tfrm_CustomUnit(const catalogue::UnitCatalogue& catalogue, int category,
                                 int replacing, engine::NumberLocale locale,
                                 WindowMessages& messages, QWidget* parent)
    : QDialog(parent),
      m_catalogue(catalogue),
      m_category(category),
      m_replacing(replacing),
      m_locale(std::move(locale)),
      m_messages(messages) {
  setObjectName(QStringLiteral("frm_CustomUnit"));
  setWindowTitle(replacing < 0 ? tr("Add Unit: %1").arg(CategoryCaption(catalogue, category))
                               : tr("Edit Unit: %1").arg(CategoryCaption(catalogue, category)));
  auto* form = new QFormLayout;
  txt_Name = new QLineEdit(this);
  txt_Name->setObjectName(QStringLiteral("txt_Name"));
  form->addRow(tr("&Name:"), txt_Name);
  txt_OtherNames = new QLineEdit(this);
  txt_OtherNames->setObjectName(QStringLiteral("txt_OtherNames"));
  txt_OtherNames->setPlaceholderText(tr("symbols, separated by commas"));
  form->addRow(tr("&Other names:"), txt_OtherNames);

  lbl_One = new QLabel(this);
  txt_Value = new QLineEdit(this);
  txt_Value->setObjectName(QStringLiteral("txt_Value"));
  lbl_One->setBuddy(txt_Value);
  cbo_Base = new QComboBox(this);
  cbo_Base->setObjectName(QStringLiteral("cbo_Base"));
  // A combo box is read by the unit it shows; what it is for comes as its description.
  cbo_Base->setAccessibleDescription(tr("Unit of the table"));
  const catalogue::UnitCategory& unitCategory = catalogue.Category(category);
  for (int p = 0; p < unitCategory.TableUnitCount; ++p) {
    cbo_Base->addItem(ToQString(unitCategory.Units[static_cast<std::size_t>(p)].Name));
  }
  auto* definition = new QHBoxLayout;
  definition->addWidget(txt_Value, 1);
  definition->addWidget(cbo_Base, 2);
  form->addRow(lbl_One, definition);

  lbl_Meaning = new QLabel(this);
  lbl_Meaning->setObjectName(QStringLiteral("lbl_Meaning"));
  lbl_Meaning->setTextFormat(Qt::PlainText);
  lbl_Meaning->setWordWrap(true);
  lbl_Meaning->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &Tfrm_CustomUnit::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &Tfrm_CustomUnit::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(lbl_Meaning);
  layout->addStretch();
  layout->addWidget(buttons);

  const std::vector<catalogue::CustomUnit>& units = catalogue.CustomUnits(category);
  if (replacing >= 0 && replacing < static_cast<int>(units.size())) {
    const catalogue::CustomUnit& unit = units[static_cast<std::size_t>(replacing)];
    txt_Name->setText(ToQString(unit.Name));
    txt_OtherNames->setText(OtherNamesText(unit));
    txt_Value->setText(ToQString(unit.Value));
    cbo_Base->setCurrentText(ToQString(unit.Base));
  }
  for (QLineEdit* edit : {txt_Name, txt_OtherNames, txt_Value})
    connect(edit, &QLineEdit::textChanged, this, &Tfrm_CustomUnit::DefinitionChanged);
  connect(cbo_Base, &QComboBox::currentIndexChanged, this, &Tfrm_CustomUnit::DefinitionChanged);
  DefinitionChanged();
  const int width = fontMetrics().averageCharWidth() * 60;
  resize(std::max(width, sizeHint().width()), sizeHint().height());
}

Tfrm_CustomUnit::Checked Tfrm_CustomUnit::Check() const {
  const model::CustomUnitText text{
      ToStdString(txt_Name->text()), ToStdString(txt_OtherNames->text()),
      engine::TypedNumberText(ToStdString(txt_Value->text()), m_locale),
      ToStdString(cbo_Base->currentText())};
  Checked checked{model::CheckCustomUnit(m_catalogue, m_category, text, m_replacing)};
  switch (checked.Result.Refusal.Code) {
    case engine::MessageCode::UnitValueInvalid:
      checked.Field = txt_Value;
      break;
    case engine::MessageCode::UnitBaseUnknown:
      checked.Field = cbo_Base;
      break;
    case engine::MessageCode::UnitNameTaken:
    case engine::MessageCode::UnitNameUnwritable:
      checked.Field = checked.Result.Refusal.Path == text.Name ? txt_Name : txt_OtherNames;
      break;
    default:
      checked.Field = txt_Name;
  }
  return checked;
}

void Tfrm_CustomUnit::DefinitionChanged() {
  const QString name = txt_Name->text().trimmed();
  lbl_One->setText(tr("&1 %1 =").arg(name.isEmpty() ? tr("unit") : name));
  const Checked checked = Check();
  // The meaning shows once the definition holds; until then nothing stands there.
  lbl_Meaning->setText(checked.Result.Unit
                           ? ToQString(model::DefinitionMeaning(m_catalogue, m_category,
                                                                *checked.Result.Unit, m_locale))
                           : QString());
}

void Tfrm_CustomUnit::accept() {
  const Checked checked = Check();
  if (!checked.Result.Unit) {
    m_messages.ShowWarning(checked.Result.Refusal);
    checked.Field->setFocus();
    return;
  }
  m_unit = checked.Result.Unit;
  QDialog::accept();
}

Tfrm_CustomUnits::Tfrm_CustomUnits(const catalogue::UnitCatalogue& catalogue, int category,
                                   engine::NumberLocale locale, WindowMessages& messages,
                                   ApplyFunction apply, const ShowHelpTopicFunction& showHelpTopic,
                                   QWidget* parent)
    : QDialog(parent),
      m_catalogue(catalogue),
      m_category(category),
      m_locale(std::move(locale)),
      m_messages(messages),
      m_apply(std::move(apply)) {
  setObjectName(QStringLiteral("frm_CustomUnits"));
  setWindowTitle(tr("Custom Units: %1").arg(CategoryCaption(catalogue, category)));
  auto* layout = new QVBoxLayout(this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close | QDialogButtonBox::Help, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &Tfrm_CustomUnits::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this,
          [showHelpTopic] { showHelpTopic(QStringLiteral("CustomUnitsScreen")); });
  if (!catalogue::TakesCustomUnits(catalogue.Category(category).Kind)) {
    auto* none = new QLabel(ShownText({engine::MessageCode::UnitsCategoryTakesNone,
                                       std::string(catalogue.Category(category).DisplayName)}),
                            this);
    none->setObjectName(QStringLiteral("lbl_NoCustomUnits"));
    none->setWordWrap(true);
    layout->addWidget(none);
    layout->addWidget(buttons);
    return;
  }
  auto* caption = new QLabel(tr("&Units of your own:"), this);
  lst_CustomUnits = new QListWidget(this);
  lst_CustomUnits->setObjectName(QStringLiteral("lst_CustomUnits"));
  lst_CustomUnits->setAccessibleName(tr("Units of your own"));
  caption->setBuddy(lst_CustomUnits);
  auto* add = buttons->addButton(tr("&Add..."), QDialogButtonBox::ActionRole);
  add->setObjectName(QStringLiteral("btn_Add"));
  btn_Edit = buttons->addButton(tr("&Edit..."), QDialogButtonBox::ActionRole);
  btn_Edit->setObjectName(QStringLiteral("btn_Edit"));
  btn_Remove = buttons->addButton(tr("&Remove"), QDialogButtonBox::ActionRole);
  btn_Remove->setObjectName(QStringLiteral("btn_Remove"));
  // Enter in the list edits the unit there; no button takes it first.
  for (QAbstractButton* button : buttons->buttons()) {
    if (auto* push = qobject_cast<QPushButton*>(button)) push->setAutoDefault(false);
  }
  connect(add, &QPushButton::clicked, this, &Tfrm_CustomUnits::btn_AddClick);
  connect(btn_Edit, &QPushButton::clicked, this, &Tfrm_CustomUnits::btn_EditClick);
  connect(btn_Remove, &QPushButton::clicked, this, &Tfrm_CustomUnits::btn_RemoveClick);
  connect(lst_CustomUnits, &QListWidget::itemActivated, this, &Tfrm_CustomUnits::btn_EditClick);
  connect(lst_CustomUnits, &QListWidget::currentRowChanged, this, [this](int row) {
    btn_Edit->setEnabled(row >= 0);
    btn_Remove->setEnabled(row >= 0);
  });
  layout->addWidget(caption);
  layout->addWidget(lst_CustomUnits);
  layout->addWidget(buttons);
  FillList(0);
  resize(fontMetrics().averageCharWidth() * 64, fontMetrics().height() * 20);
}

void Tfrm_CustomUnits::FillList(int select) {
  lst_CustomUnits->clear();
  for (const catalogue::CustomUnit& unit : m_catalogue.CustomUnits(m_category))
    lst_CustomUnits->addItem(DefinitionLine(unit));
  lst_CustomUnits->setCurrentRow(std::min(select, lst_CustomUnits->count() - 1));
  btn_Edit->setEnabled(lst_CustomUnits->currentRow() >= 0);
  btn_Remove->setEnabled(lst_CustomUnits->currentRow() >= 0);
}

void Tfrm_CustomUnits::btn_AddClick() {
  Define(-1);
}

void Tfrm_CustomUnits::btn_EditClick() {
  if (lst_CustomUnits->currentRow() >= 0) Define(lst_CustomUnits->currentRow());
}

void Tfrm_CustomUnits::Define(int replacing) {
  Tfrm_CustomUnit dialog(m_catalogue, m_category, replacing, m_locale, m_messages, this);
  if (dialog.exec() != QDialog::Accepted || !dialog.Unit()) return;
  std::vector<catalogue::CustomUnit> units = m_catalogue.CustomUnits(m_category);
  int select = replacing;
  if (replacing < 0) {
    units.push_back(*dialog.Unit());
    select = static_cast<int>(units.size()) - 1;
  } else {
    units[static_cast<std::size_t>(replacing)] = *dialog.Unit();
  }
  Apply(std::move(units), select);
}

void Tfrm_CustomUnits::btn_RemoveClick() {
  const int row = lst_CustomUnits->currentRow();
  if (row < 0) return;
  const std::string& name = m_catalogue.CustomUnits(m_category)[static_cast<std::size_t>(row)].Name;
  if (QMessageBox::question(this, windowTitle(),
                            tr("Remove the unit \"%1\"?").arg(ToQString(name))) != QMessageBox::Yes)
    return;
  std::vector<catalogue::CustomUnit> units = m_catalogue.CustomUnits(m_category);
  units.erase(units.begin() + row);
  Apply(std::move(units), row);
}

void Tfrm_CustomUnits::Apply(std::vector<catalogue::CustomUnit> units, int select) {
  catalogue::CustomUnitLists lists;
  for (int c = 0; c < m_catalogue.CategoryCount(); ++c) lists.push_back(m_catalogue.CustomUnits(c));
  lists[static_cast<std::size_t>(m_category)] = std::move(units);
  if (m_apply(std::move(lists))) FillList(select);
  lst_CustomUnits->setFocus();
}

}  // namespace quantivo::ui
