#include "ui/tools/find_unit_popup.h"

#include <QAction>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

#include "ui/qt_convert.h"
#include "ui/window/announcer.h"
#include "ui/window/choice_list.h"
#include "ui/window/unit_list_view.h"
#include "ui/window/window_placement.h"

namespace quantivo::ui {
namespace {

// Room for a long caption with the other name found, "kilogram/centimeter² (kg/cm²) -
// Pressure", and a dozen rows; longer ones scroll.
constexpr int kWidthInCharacters = 52;
constexpr int kHeightInLines = 18;

bool IsListKey(int key) {
  return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
         key == Qt::Key_PageDown;
}

}  // namespace

FindUnitPopup::FindUnitPopup(const catalogue::UnitCatalogue& catalogue, TabOrderFunction tabOrder,
                             QWidget* parent)
    : QDialog(parent), m_catalogue(catalogue), m_tabOrder(std::move(tabOrder)) {
  setObjectName(QStringLiteral("frm_FindUnit"));
  setWindowTitle(tr("Find Unit"));
  setWindowModality(Qt::WindowModal);

  txt_Find = new QLineEdit(this);
  txt_Find->setObjectName(QStringLiteral("txt_Find"));
  txt_Find->setAccessibleName(tr("Find unit"));
  txt_Find->setPlaceholderText(tr("Unit or category name"));
  txt_Find->setClearButtonEnabled(true);
  // The box's clear button shows an icon alone; a screen reader says what it does.
  for (QToolButton* clear : txt_Find->findChildren<QToolButton*>()) {
    clear->setAccessibleName(tr("Clear"));
  }
  txt_Find->installEventFilter(this);
  connect(txt_Find, &QLineEdit::textChanged, this, &FindUnitPopup::txt_FindChange);

  // Rows are worded only when drawn: a query may find hundreds of the user's own units.
  lst_Matches = new ChoiceBehaviour<QListView>(this);
  lst_Matches->setObjectName(QStringLiteral("lst_Matches"));
  lst_Matches->setAccessibleName(tr("Matching units"));
  lst_Matches->setUniformItemSizes(true);
  m_matches = new UnitNamesModel(lst_Matches);
  lst_Matches->setModel(m_matches);
  connect(lst_Matches, &QListView::doubleClicked, this, &FindUnitPopup::lst_MatchesDblClick);
  m_announcer = new Announcer(this, 200);
  ConfirmPlaceWhenShown(this);

  btn_Input = new QPushButton(tr("Use for &Input"), this);
  btn_Input->setObjectName(QStringLiteral("btn_Input"));
  btn_Input->setToolTip(tr("Enter, or a double click"));
  btn_Input->setDefault(true);
  btn_Output = new QPushButton(tr("Use for &Output"), this);
  btn_Output->setObjectName(QStringLiteral("btn_Output"));
  btn_Output->setToolTip(tr("Shift+Enter"));
  connect(btn_Input, &QPushButton::clicked, this, &FindUnitPopup::btn_InputClick);
  connect(btn_Output, &QPushButton::clicked, this, &FindUnitPopup::btn_OutputClick);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btn_Input);
  buttons->addWidget(btn_Output);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(txt_Find);
  layout->addWidget(lst_Matches);
  layout->addLayout(buttons);

  const QFontMetrics metrics = fontMetrics();
  resize(metrics.averageCharWidth() * kWidthInCharacters, metrics.height() * kHeightInLines);
  txt_FindChange();
}

void FindUnitPopup::showEvent(QShowEvent* event) {
  // A window system's show (a restore) finds everything as it was left.
  if (!event->spontaneous()) {
    m_order = m_tabOrder ? m_tabOrder() : std::vector<int>{};
    if (m_search) {
      m_search->Refresh();
    } else {
      m_search.emplace(m_catalogue);
    }
    {
      const QSignalBlocker blocker(txt_Find);
      txt_Find->clear();
    }
    m_said.clear();
    txt_FindChange();
    txt_Find->setFocus();
  }
  QDialog::showEvent(event);
}

void FindUnitPopup::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  // The clear button shows with the first letter typed; its icon, which asks the
  // desktop's icon theme, is read once the popup has been drawn, before anyone types.
  if (!m_drawn) {
    m_drawn = true;
    QTimer::singleShot(0, this, &FindUnitPopup::ReadClearButtonIcon);
  }
}

void FindUnitPopup::ReadClearButtonIcon() {
  // The clear button is an action of the box's own.
  for (const QAction* action : txt_Find->findChildren<QAction*>()) {
    (void)action->icon().actualSize(QSize(16, 16));
  }
}

void FindUnitPopup::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
    Choose(modifiers == Qt::ShiftModifier);
    return;
  }
  QDialog::keyPressEvent(event);
}

bool FindUnitPopup::eventFilter(QObject* watched, QEvent* event) {
  // The arrows move through the matches while the caret stays in the box.
  if (watched == txt_Find && event->type() == QEvent::KeyPress &&
      IsListKey(static_cast<QKeyEvent*>(event)->key())) {
    QCoreApplication::sendEvent(lst_Matches, event);
    AnnounceMatch();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void FindUnitPopup::txt_FindChange() {
  // More matches than the tables have units come only from units of the user's own;
  // the best of them are listed, and a longer query finds the rest.
  constexpr std::size_t kMostShown = 500;
  auto hits = std::make_shared<std::vector<catalogue::UnitHit>>();
  if (m_search) *hits = m_search->Find(m_order, ToStdString(txt_Find->text()), kMostShown);
  m_hits = hits;
  m_matches->SetRows(static_cast<int>(hits->size()), [this, hits](int row) {
    return Caption((*hits)[static_cast<std::size_t>(row)]);
  });
  if (!hits->empty()) {
    lst_Matches->selectionModel()->setCurrentIndex(m_matches->index(0),
                                                   QItemSelectionModel::ClearAndSelect);
  }
  btn_Input->setEnabled(!hits->empty());
  btn_Output->setEnabled(!hits->empty());
  AnnounceMatch();
}

void FindUnitPopup::AnnounceMatch() {
  m_announcer->Changed([this]() -> QString {
    const QModelIndex current = lst_Matches->currentIndex();
    QString match;
    if (current.isValid()) {
      match = current.data().toString();
    } else if (!txt_Find->text().trimmed().isEmpty()) {
      match = tr("No matching units");
    }
    if (match == m_said) return {};
    m_said = match;
    return match;
  });
}

QString FindUnitPopup::Caption(const catalogue::UnitHit& hit) const {
  const QString caption = ToQString(catalogue::HitCaption(m_catalogue, hit));
  // A unit of the user's own is marked as theirs.
  return m_catalogue.Category(hit.Category).IsCustomUnit(hit.Position)
             ? tr("%1 (your own)").arg(caption)
             : caption;
}

void FindUnitPopup::lst_MatchesDblClick() {
  Choose(false);
}

void FindUnitPopup::btn_InputClick() {
  Choose(false);
}

void FindUnitPopup::btn_OutputClick() {
  Choose(true);
}

void FindUnitPopup::Choose(bool forOutput) {
  const int row = lst_Matches->currentIndex().row();
  if (!m_hits || row < 0 || row >= static_cast<int>(m_hits->size())) return;
  const catalogue::UnitHit hit = (*m_hits)[static_cast<std::size_t>(row)];
  if (!catalogue::HasInputUnit(m_catalogue.Category(hit.Category).Kind)) forOutput = true;
  accept();
  emit UnitChosen(hit.Category, hit.Position, forOutput);
}

}  // namespace quantivo::ui
