#pragma once

#include <QString>
#include <memory>

#include "ui/help/help_viewer.h"

namespace quantivo::ui {

/// The one help window, loaded on first use. It has no parent, so a dialog that is
/// modal to the main window leaves it usable; Escape closes it.
class HelpLauncher {
 public:
  /// The help window, loaded now if it was not yet.
  HelpViewer& Viewer();
  /// The help window once a help command has opened it; nullptr before.
  HelpViewer* Opened() const { return m_viewer.get(); }
  /// Opens the topic whose identifier is the keyword. Asked from a dialog, the help
  /// goes beside the dialog, so it never hides the dialog it is for.
  void ShowTopic(const QString& keyword);
  /// Closes the help window, if open: the program is ending.
  void Close();

 private:
  std::unique_ptr<HelpViewer> m_viewer;
};

}  // namespace quantivo::ui
