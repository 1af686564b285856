#include "ui/dialog_parts.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "ui/choice_list.h"

namespace quantivo::ui {
namespace {

// The pixel height of a dialog's text at its design places.
constexpr int kDesignTextPixels = 11;
// Desktop fonts up to this size leave every design size as it is.
constexpr double kDesignDesktopPoints = 10;

// Moves and sizes every control below `parent` by `factor`, each relative to its own
// parent, which grows with it.
void ScaleChildren(QWidget* parent, double factor) {
  for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isWindow()) continue;
    const QRect r = child->geometry();
    child->setGeometry(qRound(r.x() * factor), qRound(r.y() * factor), qRound(r.width() * factor),
                       qRound(r.height() * factor));
    ScaleChildren(child, factor);
  }
}

// Grows a dialog made for 11-pixel text to its larger font the first time it shows.
class DesktopFontFitter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show || m_done) return false;
    m_done = true;
    auto* dialog = static_cast<QDialog*>(watched);
    const double factor = QFontInfo(dialog->font()).pixelSize() / double(kDesignTextPixels);
    if (factor > 1) {
      ScaleChildren(dialog, factor);
      dialog->setFixedSize(qRound(dialog->width() * factor), qRound(dialog->height() * factor));
      CentreOnScreen(dialog, dialog->screen());
    }
    return false;
  }

 private:
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
  // Labels and buttons are drawn 11 pixels high, which the fixed places are made for,
  // unless the desktop asks for larger text.
  QFont font = dialog->font();
  if (const double large = LargeDesktopPointSize(); large > 0) {
    font.setPointSizeF(large);
    dialog->installEventFilter(new DesktopFontFitter(dialog));
  } else {
    font.setPixelSize(kDesignTextPixels);
  }
  dialog->setFont(font);
  // In the middle of the screen that holds the main window, not over the window.
  CentreOnScreen(dialog, dialog->parentWidget() != nullptr ? dialog->parentWidget()->screen()
                                                           : QGuiApplication::primaryScreen());
}

void CentreOnScreen(QWidget* window, const QScreen* screen) {
  if (screen == nullptr) return;
  QRect place(QPoint(), window->size());
  place.moveCenter(screen->availableGeometry().center());
  window->move(place.topLeft());
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
  button->setToolTip(QStringLiteral("Help"));
  button->setAccessibleName(QStringLiteral("Help"));
  button->setAutoDefault(false);
  button->setGeometry(left, top, 25, 27);
  QObject::connect(button, &QPushButton::clicked, dialog, [showHelpTopic, keyword] {
    if (showHelpTopic) showHelpTopic(keyword);
  });
  return button;
}

QListWidget* AddCategoryList(QDialog* dialog, const QString& caption, const QFont& listFont) {
  auto* label = new QLabel(caption, dialog);
  label->setObjectName(QStringLiteral("Label1"));
  label->move(8, 8);
  label->adjustSize();
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
