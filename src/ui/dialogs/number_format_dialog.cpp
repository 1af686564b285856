#include "ui/dialogs/number_format_dialog.h"

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
namespace {

// The four formats, in the order of their view types.
constexpr struct {
  const char* Name;
  const char* Text;
  int Top;
  int Width;
} kFormatButtons[] = {
    {"RadioButton1", QT_TRANSLATE_NOOP("quantivo::ui::Tfrm_NumberFormat", "AutoFormat"), 32, 113},
    {"RadioButton2", QT_TRANSLATE_NOOP("quantivo::ui::Tfrm_NumberFormat", "Scientific"), 56, 113},
    {"RadioButton3", QT_TRANSLATE_NOOP("quantivo::ui::Tfrm_NumberFormat", "Fixed"), 80, 113},
    {"RadioButton4",
     //: Fixed decimals with the thousands grouped by the desktop's separator.
     QT_TRANSLATE_NOOP("quantivo::ui::Tfrm_NumberFormat", "Fixed with Commas"), 104, 129}};

QGroupBox* AddGroupBox(QWidget* parent, const char* name, const QString& title, int left, int top,
                       int width, int height) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(left, top, width, height);
  return box;
}

}  // namespace

Tfrm_NumberFormat::Tfrm_NumberFormat(const engine::ResultFormat& format,
                                     engine::NumberLocale locale,
                                     const ShowHelpTopicFunction& showHelpTopic, QWidget* parent)
    : QDialog(parent), m_locale(std::move(locale)) {
  setObjectName(QStringLiteral("frm_NumberFormat"));
  SetUpDialog(this, tr("Result Number Format"), 305, 268);
  CreateFormatButtons();
  CreatePrecisionBox();
  CreateSampleBox();
  CreateDialogButtons(showHelpTopic);
  ShowFormat(format);
}

void Tfrm_NumberFormat::CreateFormatButtons() {
  QGroupBox* frame =
      AddGroupBox(this, "RadioGroup1", tr("Choose Result Number Format"), 8, 8, 169, 129);
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < 4; ++i) {
    // Inside the frame, so that a screen reader names their group with its title;
    // the places are the dialog's, less the frame's corner.
    auto* button = new QRadioButton(tr(kFormatButtons[i].Text), frame);
    button->setObjectName(QString::fromLatin1(kFormatButtons[i].Name));
    // A caption longer than the design's (in another language) takes the room the
    // frame has beside it.
    const int left = 24 - frame->x();
    const int room = std::max(kFormatButtons[i].Width, frame->width() - left - 4);
    const int width = std::clamp(button->sizeHint().width(), kFormatButtons[i].Width, room);
    button->setGeometry(left, kFormatButtons[i].Top - frame->y(), width, 17);
    group->addButton(button, i + 1);
    m_buttons[i] = button;
    connect(button, &QRadioButton::clicked, this, &Tfrm_NumberFormat::RadioButton1Click);
  }
}

void Tfrm_NumberFormat::CreatePrecisionBox() {
  QGroupBox* precision = AddGroupBox(this, "GroupBox2", tr("Decimal Precision"), 192, 8, 105, 129);
  auto* hint = new QLabel(tr("0-9 decimal places may be displayed."), precision);
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
}

void Tfrm_NumberFormat::CreateSampleBox() {
  QGroupBox* sampleFrame = AddGroupBox(this, "GroupBox1", tr("Sample"), 8, 144, 289, 81);
  Label1 = new QLabel(sampleFrame);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(16, 32, 257, 33);
  QFont sampleFont(QStringLiteral("Arial"));
  sampleFont.setBold(true);
  sampleFont.setPixelSize(19);
  Label1->setFont(sampleFont);
}

void Tfrm_NumberFormat::CreateDialogButtons(const ShowHelpTopicFunction& showHelpTopic) {
  const ButtonRow row =
      AddButtonRow(this, 233, 224, QStringLiteral("NumberFormatScreen"), showHelpTopic);
  SetTabOrder({m_buttons[3], SpinEdit1, row.Cancel, row.Ok, row.Help});
}

void Tfrm_NumberFormat::ShowFormat(const engine::ResultFormat& format) {
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
