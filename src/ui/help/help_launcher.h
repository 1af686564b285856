#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "ui/help/help_viewer.h"
#include "ui/window/window_placement.h"

namespace quantivo::ui {

/// The help window's own size, and its frame's place once the window system has
/// placed it: what it had before a dialog's help moved it beside the dialog.
struct HelpFrame {
  std::optional<QPoint> FrameTopLeft;
  QSize Size;
};

/// Where the help window, `now` in size, goes when a topic is asked from the main
/// window after a dialog's help made it `besideDialog` in size: back to its own size
/// and place (the middle of the area when it has none yet), fitted to the area.
/// Nothing when the user has resized it since: their size, and place, stay. (Where
/// the window stands says nothing: window managers move a frame placed by a program.)
std::optional<Placement> HelpBackFromDialog(QSize now, QSize besideDialog, const HelpFrame& own,
                                            QSize margins, const QRect& area);

/// The one help window, loaded on first use. It has no parent, so a dialog that is
/// modal to the main window leaves it usable; Escape closes it.
class HelpLauncher {
 public:
  /// The help window, loaded now if it was not yet.
  HelpViewer& Viewer();
  /// The help window once a help command has opened it; nullptr before.
  HelpViewer* Opened() const { return m_viewer.get(); }
  /// Shows help through `show` (ShowContents, ShowIndex, ...). Asked from a dialog,
  /// the help goes beside the dialog, so it never hides the dialog it is for; asked
  /// from the main window after that, it goes back to its own size and place.
  void Show(const std::function<void(HelpViewer&)>& show);
  /// Opens the topic whose identifier is the keyword, as Show does.
  void ShowTopic(const QString& keyword);
  /// Closes the help window, if open: the program is ending.
  void Close();

 private:
  void PlaceBesideDialog(QWidget* dialog);
  void PlaceBackFromDialog();

  std::unique_ptr<HelpViewer> m_viewer;
  // The size a dialog's help gave the window, while it has it.
  std::optional<QSize> m_besideDialog;
  HelpFrame m_own;
};

}  // namespace quantivo::ui
