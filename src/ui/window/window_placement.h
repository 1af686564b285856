#pragma once

#include <QEvent>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <span>

#include "model/converter_model.h"

class QScreen;
class QWidget;

namespace quantivo::ui {

// Where windows go, worked out on rectangles alone: an area is a screen's free
// area, a frame is a window's outer frame, margins are what the window system adds
// around the client size (the frame's size less the window's).

/// A window's outer frame placed at `frameTopLeft`, its client area `size`.
struct Placement {
  QPoint FrameTopLeft;
  QSize Size;

  friend bool operator==(const Placement&, const Placement&) = default;
};

/// The first area that shows the top strip of a frame at (left, top), `width` wide,
/// where the frame is grabbed to be moved; -1 when none does. In 64 bits, as a
/// stored place may be anywhere in the range of int.
int AreaShowingTop(long long left, long long top, long long width, std::span<const QRect> areas);

/// The size a window opens at from a stored one: no larger than the area (one far
/// larger would take the window system's memory), no smaller than the minimum.
QSize FitStoredSize(QSize stored, QSize area, QSize minimum);

/// Where a window opens from its stored frame: its size and, unless the window
/// system is to place it, its top left.
struct OpeningPlace {
  QSize Size;
  std::optional<QPoint> TopLeft;

  friend bool operator==(const OpeningPlace&, const OpeningPlace&) = default;
};

/// The stored frame made a place to open at: the stored size (the design size when
/// none is stored) fitted to the area that shows its top strip, or to the primary
/// area when none does; the stored place when an area shows it, the middle of the
/// primary area when the place shows nowhere.
OpeningPlace StoredBoundsToGeometry(const model::WindowBounds& stored, QSize design, QSize minimum,
                                    std::span<const QRect> areas, const QRect& primary);

/// Stored bounds as they are kept for a window that has not opened: the size fitted
/// as StoredBoundsToGeometry fits it (no floor), the place as stored.
model::WindowBounds FitStoredBounds(model::WindowBounds stored, std::span<const QRect> areas,
                                    const QRect& primary);

/// A shown window fitted, frame and all, into the area: its client size shrinks to
/// what the area leaves after the margins, and a frame that stands out moves in.
Placement FitFrameToArea(const QRect& frame, QSize size, const QRect& area);

/// A window beside another's frame: to its right with `gap` pixels between, or to
/// its left where the area has no room on the right; narrowed to fit the area and
/// kept inside it.
Placement PlaceBeside(const QRect& beside, QSize size, QSize margins, const QRect& area, int gap);

/// A help window beside a dialog's frame on the side with more room, narrowed to fit
/// but no narrower than `narrowest`; nothing where it cannot be that wide.
std::optional<Placement> PlaceHelpBeside(const QRect& dialog, QSize size, QSize margins,
                                         const QRect& area, int narrowest);

/// The top left that puts a window of `size` in the middle of the area.
QPoint CentreIn(QSize size, const QRect& area);

// The same with the screens and windows of the desktop.

/// The free areas of the desktop's screens, and the primary screen's (empty without
/// a screen).
QList<QRect> ScreenAreas();
QRect PrimaryArea();
/// Places a window of its present size in the middle of the screen's free area.
void CentreOnScreen(QWidget* window, const QScreen* screen);

/// What the window system's frame adds round a window's inside: nothing before the
/// window first shows.
QSize FrameMargins(const QWidget* window);

/// Some window managers (icewm) put a dialog a few pixels from where it asked to go
/// when it shows, without telling it: the program, and a magnifier or screen reader
/// asking it, would take the dialog to be where it asked. Each time `window` shows,
/// its frame asks for its place again once drawn, which the window manager answers.
void ConfirmPlaceWhenShown(QWidget* window);

/// How a window is to stand once the window system has framed it.
struct FrameRequest {
  /// Where its frame goes; none: where the window system put it.
  std::optional<QPoint> FrameTopLeft;
  /// The stored outer size, the frame's; invalid: the window keeps its size.
  QSize Frame;
  /// Maximised then, over the normal frame.
  bool Maximized = false;
};

/// The window system adds a window's frame only once it shows: a window fitted to the
/// screen may then stand out of it by its title bar, and one placed before may have
/// had its inside put where its frame was to go. When the window first shows, this
/// puts its frame where it was asked for, takes the frame's margins off a stored
/// frame size, fits the window, frame and all, into the free area, and maximises it
/// when asked. From then on it follows the window's normal frame, the one a maximised
/// window goes back to.
class FrameFitter : public QObject {
  Q_OBJECT
 public:
  FrameFitter(QWidget* window, FrameRequest request);
  /// Whether the window has shown and been fitted.
  bool Fitted() const { return m_fitted; }
  /// The window's last frame while neither maximised nor full screen.
  QRect NormalFrame() const { return m_normal; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Fit();
  void FollowNormalFrame(QEvent::Type type);

  QWidget* m_window;
  FrameRequest m_request;
  bool m_fitted = false;
  QRect m_normal;
};

}  // namespace quantivo::ui
