#pragma once

#include <future>
#include <string>
#include <thread>

class QWidget;

namespace quantivo::ui {

/// Puts the application's own style behind one that leaves out what a start does not
/// need. It hands out, unread, the icons of buttons that show only now and then: the
/// menu bar's and tool bars' extension arrows (which show when a window is narrower
/// than its menus; reading them loads every image-format plugin to learn which of
/// them reads the format) and a text box's clear button (which shows once the box
/// holds text; finding it asks the desktop's icon theme, thousands of file look-ups).
/// Each icon is read the first time it is drawn or measured. And it places the
/// widgets PlaceAtOnce marks without animating them. Call once, after the
/// application object exists and before any window is made.
void InstallStartUpStyle();

/// Marks a widget that never moves in sight of the user, such as a main window's
/// central widget where there are no docks to make room for: the style places it at
/// once rather than through an animation of no length.
void PlaceAtOnce(QWidget* widget);

/// The one line that says the display cannot be opened: the X display `display` names
/// ($DISPLAY), else the Wayland one `waylandDisplay` names; null or empty when unset.
std::string NoDisplayMessage(const char* display, const char* waylandDisplay);

/// Whether the session bus is out of reach: DBUS_SESSION_BUS_ADDRESS (`address`) is
/// unset, the user's runtime folder (`runtimeFolder`, XDG_RUNTIME_DIR) holds no socket
/// "bus" of the user's own, where a systemd session keeps it, and no dbus-launch is
/// installed in `launcherFolders` (a list separated by colons, as PATH is) to start a
/// bus for the display. D-Bus would still fork the whole program at every start to try
/// to start one.
bool SessionBusOutOfReach(const char* address, const char* runtimeFolder,
                          const std::string& launcherFolders);

/// Whether an executable file `name` is in one of `folders`, a list separated by
/// colons as PATH is (an empty entry is the current folder).
bool ExecutableInFolders(const std::string& name, const std::string& folders);

/// While the application object is made (it connects to the display), holds Qt's
/// messages back. Should no display open, Qt gives up with advice to reinstall and an
/// abort; the program says instead, on the standard error, the one line
/// NoDisplayMessage gives and ends with status 1. Made just before the application
/// object; Opened() (or the end of its scope) hands the held messages on, in order, to
/// the handler that was there before.
class DisplayOpening {
 public:
  DisplayOpening();
  ~DisplayOpening();
  DisplayOpening(const DisplayOpening&) = delete;
  DisplayOpening& operator=(const DisplayOpening&) = delete;

  /// The application object exists.
  void Opened();
};

/// Does on a second thread, while the program starts, what the window's thread
/// would otherwise wait for: fontconfig's set-up (its configuration files and
/// caches) at once, since it needs nothing of Qt; then, once the application object
/// exists, Qt's list of fonts (which the first text box asks for) and the connection
/// to the session bus (over which the menu bar, made last, asks whether the desktop
/// shows applications' menus itself). Both are guarded by Qt's own locks. Joined
/// when the object goes, on every way out of the scope that holds it.
class StartUpThread {
 public:
  /// Made before the application object.
  StartUpThread();
  ~StartUpThread();
  StartUpThread(const StartUpThread&) = delete;
  StartUpThread& operator=(const StartUpThread&) = delete;

  /// The application object exists: the rest may be done.
  void ApplicationReady();
  /// Waits for the thread; called before the application object goes.
  void Join();

 private:
  std::promise<bool> m_application;
  bool m_told = false;
  std::thread m_thread;
};

}  // namespace quantivo::ui
