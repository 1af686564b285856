#include "ui/help/help_launcher.h"

#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace quantivo::ui {
namespace {

// A dialog's help is narrowed to fit beside it, but no narrower than it reads well.
constexpr int kNarrowestHelp = 480;

}  // namespace

std::optional<Placement> HelpBackFromDialog(QSize now, QSize besideDialog, const HelpFrame& own,
                                            QSize margins, const QRect& area) {
  if (now != besideDialog) return std::nullopt;
  const QSize frame = own.Size + margins;
  return FitFrameToArea(QRect(own.FrameTopLeft.value_or(CentreIn(frame, area)), frame), own.Size,
                        area);
}

HelpViewer& HelpLauncher::Viewer() {
  if (!m_viewer) {
    m_viewer = LoadHelpViewer(HelpCollectionPath());
    QWidget* window = m_viewer->Window();
    auto* close = new QAction(window);
    close->setObjectName(QStringLiteral("act_CloseHelp"));
    close->setShortcut(Qt::Key_Escape);
    close->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(close, &QAction::triggered, window, &QWidget::close);
    window->addAction(close);
  }
  return *m_viewer;
}

void HelpLauncher::Show(const std::function<void(HelpViewer&)>& show) {
  QWidget* dialog = QApplication::activeModalWidget();
  QWidget* help = Viewer().Window();
  if (dialog == help) dialog = nullptr;
  if (dialog == nullptr) {
    PlaceBackFromDialog();
  } else if (help->size() != m_besideDialog) {
    // Where the help stands now is its own, unless a dialog's help put it there. A
    // window that was never shown has no place yet.
    m_own = {help->windowHandle() != nullptr ? std::optional(help->pos()) : std::nullopt,
             help->size()};
    m_besideDialog.reset();
  }
  show(*m_viewer);
  if (dialog != nullptr) PlaceBesideDialog(dialog);
}

void HelpLauncher::ShowTopic(const QString& keyword) {
  Show([&keyword](HelpViewer& viewer) { viewer.ShowHelpTopic(keyword); });
}

void HelpLauncher::Close() {
  if (m_viewer) m_viewer->Window()->close();
}

void HelpLauncher::PlaceBesideDialog(QWidget* dialog) {
  QWidget* help = m_viewer->Window();
  const QScreen* screen = dialog->screen();
  if (screen == nullptr) return;
  const std::optional<Placement> place =
      PlaceHelpBeside(dialog->frameGeometry(), m_own.Size, FrameMargins(help),
                      screen->availableGeometry(), kNarrowestHelp);
  if (!place) {
    // No room beside it: the dialog stays on top.
    dialog->raise();
    dialog->activateWindow();
    return;
  }
  help->resize(place->Size);
  help->move(place->FrameTopLeft);
  m_besideDialog = place->Size;
}

void HelpLauncher::PlaceBackFromDialog() {
  if (!m_besideDialog) return;
  QWidget* help = m_viewer->Window();
  const QSize besideDialog = *m_besideDialog;
  m_besideDialog.reset();
  const QScreen* screen = help->screen();
  if (screen == nullptr) return;
  const std::optional<Placement> place = HelpBackFromDialog(
      help->size(), besideDialog, m_own, FrameMargins(help), screen->availableGeometry());
  if (!place) return;
  help->resize(place->Size);
  help->move(place->FrameTopLeft);
}

}  // namespace quantivo::ui
