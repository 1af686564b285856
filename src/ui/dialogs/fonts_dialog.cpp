#include "ui/dialogs/fonts_dialog.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <map>

#include "ui/qt_convert.h"
#include "ui/window/working_panel.h"

namespace quantivo::ui {
namespace {

QPushButton* AddChangeButton(QWidget* parent, const char* name) {
  QPushButton* button = AddButton(parent, name, Tfrm_Fonts::tr("Change..."), 168, 35, 89, 27);
  button->setIcon(parent->style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  return button;
}

// Accepts its dialog on Return or Enter reaching the object it watches.
class ReturnAccepts : public QObject {
 public:
  explicit ReturnAccepts(QDialog* dialog) : QObject(dialog), m_dialog(dialog) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
      if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
          modifiers == Qt::NoModifier) {
        m_dialog->accept();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QDialog* m_dialog;
};

// The system's font dialog names the controls its labels point at, not the others: the
// face and style boxes over their lists, the size list under its box. Each takes the
// name of the label over its column.
void NameFontControls(QFontDialog* fonts) {
  auto* grid = qobject_cast<QGridLayout*>(fonts->layout());
  if (grid == nullptr) return;
  // Where `widget` stands in the grid: its row and column; -1 for neither.
  const auto placeOf = [grid](QWidget* widget) {
    int row = -1, column = -1, rows = 0, columns = 0;
    const int index = grid->indexOf(widget);
    if (index >= 0) grid->getItemPosition(index, &row, &column, &rows, &columns);
    return std::pair(row, column);
  };
  // Each column's topmost label that names a control (the face's column also has the
  // writing system's label, at its foot).
  std::map<int, std::pair<int, QString>> names;
  for (QLabel* label : fonts->findChildren<QLabel*>()) {
    const auto [row, column] = placeOf(label);
    const auto known = names.find(column);
    if (label->buddy() != nullptr && (known == names.end() || row < known->second.first)) {
      names[column] = {row, QString(label->text()).remove('&')};
    }
  }
  for (int i = 0; i < grid->count(); ++i) {
    QWidget* control = grid->itemAt(i)->widget();
    const bool field = qobject_cast<QLineEdit*>(control) != nullptr ||
                       qobject_cast<QAbstractItemView*>(control) != nullptr;
    const auto name = names.find(placeOf(control).second);
    if (field && control->accessibleName().isEmpty() && name != names.end()) {
      control->setAccessibleName(name->second.second);
    }
  }
}

void ShowColour(QPushButton* button, const QColor& colour) {
  QPixmap swatch(16, 16);
  swatch.fill(colour);
  button->setIcon(QIcon(swatch));
}

}  // namespace

std::optional<model::FontSpec> ChooseFontWithDialog(const model::FontSpec& seed, QWidget* parent) {
  QDialog chooser(parent);
  chooser.setWindowTitle(Tfrm_Fonts::tr("Font"));
  chooser.setWindowModality(Qt::WindowModal);
  auto* layout = new QVBoxLayout(&chooser);
  // The system's font dialog, embedded, gives face, style, size and the effects;
  // the colour comes from the button below it.
  auto* fonts = new QFontDialog(ToQFont(seed), &chooser);
  fonts->setWindowFlags(Qt::Widget);
  fonts->setOptions(QFontDialog::NoButtons);
  NameFontControls(fonts);
  // Escape and Return inside it end the embedded dialog, which would only hide it:
  // they end the chooser instead, as in any dialog.
  QObject::connect(fonts, &QDialog::accepted, &chooser, &QDialog::accept);
  QObject::connect(fonts, &QDialog::rejected, &chooser, &QDialog::reject);
  // Return that no control inside takes (the size box, the effects' check boxes)
  // would do nothing there, the buttons being outside it: it accepts, as OK does.
  fonts->installEventFilter(new ReturnAccepts(&chooser));
  layout->addWidget(fonts);
  // A font of the default colour shows in the theme's text colour until one is picked.
  bool picked = seed.ColorChosen;
  QColor colour = picked ? ToQColor(seed.Color) : chooser.palette().color(QPalette::WindowText);
  auto* colourButton = new QPushButton(Tfrm_Fonts::tr("&Colour..."), &chooser);
  ShowColour(colourButton, colour);
  QObject::connect(colourButton, &QPushButton::clicked, &chooser, [&] {
    const QColor chosen = QColorDialog::getColor(colour, &chooser);
    if (chosen.isValid()) {
      colour = chosen;
      picked = true;
      ShowColour(colourButton, colour);
    }
  });
  layout->addWidget(colourButton, 0, Qt::AlignLeft);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &chooser);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  // Named here, so that they follow the interface's language without Qt's own
  // translations installed.
  buttons->button(QDialogButtonBox::Ok)->setText(Tfrm_Fonts::tr("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(Tfrm_Fonts::tr("Cancel"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &chooser, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &chooser, &QDialog::reject);
  layout->addWidget(buttons);
  if (chooser.exec() != QDialog::Accepted) return std::nullopt;
  model::FontSpec font = FromQFont(fonts->currentFont(), picked ? FromQColor(colour) : seed.Color);
  font.ColorChosen = picked;
  return font;
}

Tfrm_Fonts::Tfrm_Fonts(model::FontSpec mainFont, model::FontSpec tabFont,
                       ChooseFontFunction chooseFont, WindowMessages& messages,
                       const ShowHelpTopicFunction& showHelpTopic, QWidget* parent)
    : QDialog(parent),
      m_mainFont(std::move(mainFont)),
      m_tabFont(std::move(tabFont)),
      m_chooseFont(std::move(chooseFont)),
      m_messages(messages) {
  setObjectName(QStringLiteral("frm_Fonts"));
  SetUpDialog(this, tr("Fonts"), 297, 237);

  const auto addGroup = [this](const char* name, const QString& title, int top, QLabel*& sample,
                               const char* buttonName) {
    auto* group = new QGroupBox(title, this);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(8, top, 281, 89);
    sample = new QLabel(tr("Sample Text - 12345"), group);
    sample->setGeometry(14, 24, 137, 49);
    return AddChangeButton(group, buttonName);
  };
  QPushButton* change1 = addGroup("GroupBox1", tr("Text and List Boxes"), 8, Label1, "btn_Font1");
  Label1->setObjectName(QStringLiteral("Label1"));
  QPushButton* change2 = addGroup("GroupBox2", tr("Index Tab Font"), 104, Label2, "btn_Font2");
  Label2->setObjectName(QStringLiteral("Label2"));
  // Both buttons read "Change..."; a screen reader says which font each changes.
  change1->setAccessibleName(tr("Change the text and list box font"));
  change2->setAccessibleName(tr("Change the index tab font"));
  connect(change1, &QPushButton::clicked, this, &Tfrm_Fonts::btn_Font1Click);
  connect(change2, &QPushButton::clicked, this, &Tfrm_Fonts::btn_Font2Click);

  const ButtonRow row = AddButtonRow(this, 201, 216, QStringLiteral("FontsScreen"), showHelpTopic,
                                     [this] { btn_ResetClick(); });
  SetTabOrder({change1, change2, row.Cancel, row.Reset, row.Ok, row.Help});

  ShowSample(Label1, m_mainFont);
  ShowSample(Label2, m_tabFont);
}

void Tfrm_Fonts::btn_Font1Click() {
  ChangeFont(m_mainFont, Label1);
}

void Tfrm_Fonts::btn_Font2Click() {
  ChangeFont(m_tabFont, Label2);
}

void Tfrm_Fonts::btn_ResetClick() {
  m_mainFont = model::DefaultMainFont();
  m_tabFont = model::DefaultTabFont();
  ShowSample(Label1, m_mainFont);
  ShowSample(Label2, m_tabFont);
}

void Tfrm_Fonts::ChangeFont(model::FontSpec& font, QLabel* sample) {
  std::optional<model::FontSpec> chosen = m_chooseFont ? m_chooseFont(font, this) : std::nullopt;
  if (!chosen) return;
  // The fonts the program keeps have neither underline nor strike-out: one warning
  // even when both are taken away.
  const bool taken = chosen->Underline || chosen->StrikeOut;
  chosen->Underline = false;
  chosen->StrikeOut = false;
  if (taken) m_messages.ShowWarning({engine::MessageCode::NoStrikeoutOrUnderline});
  font = *chosen;
  ShowSample(sample, font);
}

void Tfrm_Fonts::ShowSample(QLabel* sample, const model::FontSpec& font) {
  // As large as the window shows it, which a large desktop font makes larger.
  sample->setFont(DisplayFont(font));
  sample->setPalette(TextPalette(font));
}

}  // namespace quantivo::ui
