#include "ui/help/help_launcher.h"

#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <optional>

#include "ui/window/window_placement.h"

namespace quantivo::ui {
namespace {

// A dialog's help goes beside the dialog, on the side with more room, narrowed to fit
// but no narrower than it reads well; where that cannot be, the dialog stays on top.
void KeepInView(QWidget* dialog, QWidget* help) {
  constexpr int kNarrowestHelp = 480;
  const QScreen* screen = dialog->screen();
  if (screen == nullptr) return;
  const QSize margins = help->frameGeometry().size() - help->size();
  const std::optional<Placement> place = PlaceHelpBeside(
      dialog->frameGeometry(), help->size(), margins, screen->availableGeometry(), kNarrowestHelp);
  if (place) {
    help->resize(place->Size);
    help->move(place->FrameTopLeft);
  } else {
    dialog->raise();
    dialog->activateWindow();
  }
}

}  // namespace

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

void HelpLauncher::ShowTopic(const QString& keyword) {
  QWidget* dialog = QApplication::activeModalWidget();
  Viewer().ShowHelpTopic(keyword);
  if (dialog != nullptr && dialog != Viewer().Window()) KeepInView(dialog, Viewer().Window());
}

void HelpLauncher::Close() {
  if (m_viewer) m_viewer->Window()->close();
}

}  // namespace quantivo::ui
