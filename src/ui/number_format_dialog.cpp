#include "ui/number_format_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>

#include "ui/qt_convert.h"

namespace quantivo::ui {

Tfrm_NumberFormat::Tfrm_NumberFormat(const engine::ResultFormat& format,
                                     engine::NumberLocale locale,
                                     const ShowHelpTopicFunction& showHelpTopic, QWidget* parent)
    : QDialog(parent), m_locale(std::move(locale)) {
  setObjectName(QStringLiteral("frm_NumberFormat"));
  SetUpDialog(this, QStringLiteral("Result Number Format"), 305, 268);

  auto* formats = new QGroupBox(QStringLiteral("Choose Result Number Format"), this);
  formats->setObjectName(QStringLiteral("RadioGroup1"));
  formats->setGeometry(8, 8, 169, 129);
  auto* group = new QButtonGroup(this);
  constexpr struct {
    const char* Name;
    const char* Text;
    int Top;
    int Width;
  } kButtons[] = {{"RadioButton1", "AutoFormat", 32, 113},
                  {"RadioButton2", "Scientific", 56, 113},
                  {"RadioButton3", "Fixed", 80, 113},
                  {"RadioButton4", "Fixed with Commas", 104, 129}};
  for (int i = 0; i < 4; ++i) {
    // The buttons lie over the frame rather than inside it, as one group.
    auto* button = new QRadioButton(QString::fromLatin1(kButtons[i].Text), this);
    button->setObjectName(QString::fromLatin1(kButtons[i].Name));
    button->setGeometry(24, kButtons[i].Top, kButtons[i].Width, 17);
    group->addButton(button, i + 1);
    m_buttons[i] = button;
    connect(button, &QRadioButton::clicked, this, &Tfrm_NumberFormat::RadioButton1Click);
  }

  auto* precision = new QGroupBox(QStringLiteral("Decimal Precision"), this);
  precision->setObjectName(QStringLiteral("GroupBox2"));
  precision->setGeometry(192, 8, 105, 129);
  auto* hint = new QLabel(QStringLiteral("0-9 decimal places may be displayed."), precision);
  hint->setObjectName(QStringLiteral("Label2"));
  hint->setGeometry(16, 32, 77, 49);
  hint->setAlignment(Qt::AlignCenter);
  hint->setWordWrap(true);
  SpinEdit1 = new QSpinBox(precision);
  SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
  SpinEdit1->setGeometry(32, 88, 41, 22);
  SpinEdit1->setRange(0, 9);
  SpinEdit1->setValue(4);
  // Stepped with the arrows only; nothing is typed.
  SpinEdit1->findChild<QLineEdit*>()->setReadOnly(true);
  connect(SpinEdit1, &QSpinBox::valueChanged, this, &Tfrm_NumberFormat::SpinEdit1Change);

  auto* sampleFrame = new QGroupBox(QStringLiteral("Sample"), this);
  sampleFrame->setObjectName(QStringLiteral("GroupBox1"));
  sampleFrame->setGeometry(8, 144, 289, 81);
  Label1 = new QLabel(sampleFrame);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(16, 32, 257, 33);
  QFont sampleFont(QStringLiteral("Arial"));
  sampleFont.setBold(true);
  sampleFont.setPixelSize(19);
  Label1->setFont(sampleFont);

  QPushButton* help =
      AddHelpButton(this, 8, 233, QStringLiteral("NumberFormatScreen"), showHelpTopic);
  QPushButton* cancel = AddButton(this, "btn_Cancel", QStringLiteral("Cancel"), 144, 233, 73, 27);
  QPushButton* ok = AddButton(this, "btn_OK", QStringLiteral("OK"), 224, 233, 73, 27, true);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  setTabOrder(m_buttons[3], cancel);
  setTabOrder(cancel, ok);
  setTabOrder(ok, help);

  // The current format, its button clicked with the spin box still at 4, then the
  // stored precision shown within 0 to 9.
  const int view = static_cast<int>(format.View);
  m_buttons[(view >= 1 && view <= 4 ? view : 1) - 1]->setChecked(true);
  RadioButton1Click();
  SpinEdit1->setValue(std::clamp(format.Precision, 0, 9));
}

engine::ResultFormat Tfrm_NumberFormat::Format() const {
  int view = 1;
  for (int i = 0; i < 4; ++i) {
    if (m_buttons[i]->isChecked()) view = i + 1;
  }
  return {engine::ViewTypeFromNumber(view), SpinEdit1->value()};
}

void Tfrm_NumberFormat::RadioButton1Click() {
  SpinEdit1->setEnabled(!m_buttons[0]->isChecked());
  SpinEdit1Change();
}

void Tfrm_NumberFormat::SpinEdit1Change() {
  Label1->setText(ToQString(engine::FormatResult(kSampleValue, Format(), m_locale)));
}

}  // namespace quantivo::ui
