#include "ui/dialogs/dialog_parts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFontInfo>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "ui/window/choice_list.h"
#include "ui/window/window_placement.h"

namespace quantivo::ui {
namespace {

// The pixel height of a dialog's text at its design places.
constexpr int kDesignTextPixels = 11;
// Desktop fonts up to this size leave every design size as it is.
constexpr double kDesignDesktopPoints = 10;

// Moves and sizes every control placed on `parent` by `factor`, and the controls in
// its frames relative to the frame, which grows with them. What a control lays out
// inside itself (a spin box's text, a list's scroll bars) it lays out again. A font
// set in pixels on a control grows by the same factor.
void ScaleChildren(QWidget* parent, double factor) {
  for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isWindow()) continue;
    if (child->testAttribute(Qt::WA_SetFont) && child->font().pixelSize() > 0) {
      QFont font = child->font();
      font.setPixelSize(qRound(font.pixelSize() * factor));
      child->setFont(font);
    }
    const QRect r = child->geometry();
    child->setGeometry(qRound(r.x() * factor), qRound(r.y() * factor), qRound(r.width() * factor),
                       qRound(r.height() * factor));
    const QMetaObject* kind = child->metaObject();
    if (qobject_cast<QGroupBox*>(child) != nullptr || kind == &QFrame::staticMetaObject ||
        kind == &QWidget::staticMetaObject) {
      ScaleChildren(child, factor);
    }
  }
}

// A dialog is built at its design places for 11-pixel text. Where the desktop's text
// is larger, the dialog takes the desktop's font the first time it shows, and every
// place and size grows in proportion.
class DesktopFontFitter : public QObject {
 public:
  DesktopFontFitter(QDialog* dialog, double points) : QObject(dialog), m_points(points) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show || m_done) return false;
    m_done = true;
    auto* dialog = static_cast<QDialog*>(watched);
    QFont font = dialog->font();
    font.setPointSizeF(m_points);
    const double factor = QFontInfo(font).pixelSize() / double(kDesignTextPixels);
    if (factor <= 1) return false;
    dialog->setFont(font);
    ScaleChildren(dialog, factor);
    dialog->setFixedSize(qRound(dialog->width() * factor), qRound(dialog->height() * factor));
    CentreOnScreen(dialog, dialog->screen());
    return false;
  }

 private:
  double m_points;
  bool m_done = false;
};

}  // namespace

double LargeDesktopPointSize() {
  const QFont desktop = QApplication::font();
  const double points =
      desktop.pointSizeF() > 0 ? desktop.pointSizeF() : QFontInfo(desktop).pointSizeF();
  return points > kDesignDesktopPoints ? points : 0;
}

void SetUpDialog(QDialog* dialog, const QString& caption, int width, int height) {
  dialog->setWindowTitle(caption);
  dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  dialog->setWindowModality(Qt::WindowModal);
  dialog->setFixedSize(width, height);
  // Labels and buttons are drawn 11 pixels high, which the fixed places are made for;
  // a larger desktop font is taken when the dialog shows.
  QFont font = dialog->font();
  font.setPixelSize(kDesignTextPixels);
  if (const double large = LargeDesktopPointSize(); large > 0) {
    dialog->installEventFilter(new DesktopFontFitter(dialog, large));
  }
  dialog->setFont(font);
  // In the middle of the screen that holds the main window, not over the window.
  CentreOnScreen(dialog, dialog->parentWidget() != nullptr ? dialog->parentWidget()->screen()
                                                           : QGuiApplication::primaryScreen());
  ConfirmPlaceWhenShown(dialog);
}

QPushButton* AddHelpButton(QDialog* dialog, int left, int top, const QString& keyword,
                           const ShowHelpTopicFunction& showHelpTopic) {
  auto* button = new QPushButton(dialog);
  button->setObjectName(QStringLiteral("btn_Help"));
  // A question mark reads as help on every desktop; not every icon theme has a glyph.
  button->setText(QStringLiteral("?"));
  QFont bold = button->font();
  bold.setBold(true);
  button->setFont(bold);
  const QString help = QCoreApplication::translate("DialogParts", "Help");
  button->setToolTip(help);
  button->setAccessibleName(help);
  button->setAutoDefault(false);
  button->setGeometry(left, top, 25, 27);
  QObject::connect(button, &QPushButton::clicked, dialog, [showHelpTopic, keyword] {
    if (showHelpTopic) showHelpTopic(keyword);
  });
  return button;
}

ButtonRow AddButtonRow(QDialog* dialog, int top, int okLeft, const QString& keyword,
                       const ShowHelpTopicFunction& showHelpTopic,
                       const std::function<void()>& reset) {
  // The buttons are 73 pixels wide with 7 between them.
  constexpr int kStep = 80;
  ButtonRow row;
  row.Help = AddHelpButton(dialog, 8, top, keyword, showHelpTopic);
  const QString cancel = QCoreApplication::translate("DialogParts", "Cancel");
  row.Cancel =
      AddButton(dialog, "btn_Cancel", cancel, okLeft - (reset ? 2 : 1) * kStep, top, 73, 27);
  if (reset) {
    row.Reset = AddButton(dialog, "btn_Reset", QCoreApplication::translate("DialogParts", "Reset"),
                          okLeft - kStep, top, 73, 27);
    QObject::connect(row.Reset, &QPushButton::clicked, dialog, reset);
  }
  row.Ok = AddButton(dialog, "btn_OK", QCoreApplication::translate("DialogParts", "OK"), okLeft,
                     top, 73, 27, true);
  QObject::connect(row.Cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  QObject::connect(row.Ok, &QPushButton::clicked, dialog, &QDialog::accept);
  return row;
}

void SetTabOrder(std::initializer_list<QWidget*> widgets) {
  QWidget* const* previous = nullptr;
  for (QWidget* const* widget = widgets.begin(); widget != widgets.end(); ++widget) {
    if (previous != nullptr) QWidget::setTabOrder(*previous, *widget);
    previous = widget;
  }
}

QListWidget* AddCategoryList(QDialog* dialog, const QString& caption, const QFont& listFont) {
  auto* label = new QLabel(caption, dialog);
  label->setObjectName(QStringLiteral("Label1"));
  // On the list's top edge, in the design's place, so it grows with the dialog.
  label->setGeometry(8, 8, 233, 16);
  label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
  auto* list = new ChoiceList(dialog);
  list->setObjectName(QStringLiteral("lst_Units"));
  list->setGeometry(8, 24, 233, 201);
  list->setFont(listFont);
  return list;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& text, int left, int top,
                       int width, int height, bool isDefault) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(left, top, width, height);
  button->setAutoDefault(false);
  button->setDefault(isDefault);
  return button;
}

}  // namespace quantivo::ui
