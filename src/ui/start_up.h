#pragma once

#include <future>
#include <thread>

namespace quantivo::ui {

/// Puts the application's own style behind one that hands out, unread, the icons of
/// buttons that show only now and then: the menu bar's and tool bars' extension
/// arrows (which show when a window is narrower than its menus; reading them loads
/// every image-format plugin to learn which of them reads the format) and a text
/// box's clear button (which shows once the box holds text; finding it asks the
/// desktop's icon theme, thousands of file look-ups). Each icon is read the first
/// time it is drawn or measured. Call once, after the application object exists and
/// before any window is made.
void DeferStyleIcons();

/// Builds the list of the desktop's fonts on a second thread while the program
/// starts: fontconfig's set-up (its configuration files and caches) at once, since
/// it needs nothing of Qt, and the font list once the application object exists.
/// The first text box to look for its font then finds the list ready rather than
/// building it on the window's thread; the list is guarded by Qt's own lock. Joined
/// when the object goes, on every way out of the scope that holds it.
class FontListBuilder {
 public:
  /// Made before the application object.
  FontListBuilder();
  ~FontListBuilder();
  FontListBuilder(const FontListBuilder&) = delete;
  FontListBuilder& operator=(const FontListBuilder&) = delete;

  /// The application object exists: the font list may be built.
  void ApplicationReady();
  /// Waits for the thread; called before the application object goes.
  void Join();

 private:
  std::promise<bool> m_application;
  bool m_told = false;
  std::thread m_thread;
};

}  // namespace quantivo::ui
