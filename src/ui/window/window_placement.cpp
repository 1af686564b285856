#include "ui/window/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QList>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace quantivo::ui {
namespace {

// The strip at the top of a frame by which it is grabbed: about a title bar's height.
constexpr long long kTitleStrip = 32;

// The start along one side that keeps a length inside an area: the wanted start when
// it fits, otherwise the nearer end; the area's start when the length is longer.
int Inside(int wanted, int length, int areaStart, int areaLength) {
  return std::max(areaStart, std::min(wanted, areaStart + areaLength - length));
}

QPoint InsideArea(QPoint wanted, QSize frame, const QRect& area) {
  return {Inside(wanted.x(), frame.width(), area.left(), area.width()),
          Inside(wanted.y(), frame.height(), area.top(), area.height())};
}

}  // namespace

int AreaShowingTop(long long left, long long top, long long width, std::span<const QRect> areas) {
  for (std::size_t i = 0; i < areas.size(); ++i) {
    const QRect& area = areas[i];
    if (left <= area.right() && left + width > area.left() && top <= area.bottom() &&
        top + kTitleStrip > area.top()) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

QSize FitStoredSize(QSize stored, QSize area, QSize minimum) {
  return stored.boundedTo(area).expandedTo(minimum);
}

OpeningPlace StoredBoundsToGeometry(const model::WindowBounds& stored, QSize design, QSize minimum,
                                    std::span<const QRect> areas, const QRect& primary) {
  const QSize size = stored.Sized() ? QSize(stored.FormWidth, stored.FormHeight) : design;
  const int shown =
      stored.Placed() ? AreaShowingTop(stored.FormLeft, stored.FormTop, size.width(), areas) : -1;
  // Where it was is gone (or never was): the primary screen.
  const QRect& area = shown >= 0 ? areas[shown] : primary;
  OpeningPlace place{FitStoredSize(size, area.isEmpty() ? size : area.size(), minimum), {}};
  if (shown >= 0) {
    place.TopLeft = QPoint(stored.FormLeft, stored.FormTop);
  } else if (stored.Placed() && !area.isEmpty()) {
    place.TopLeft = CentreIn(place.Size, area);
  }
  return place;
}

model::WindowBounds FitStoredBounds(model::WindowBounds stored, std::span<const QRect> areas,
                                    const QRect& primary) {
  if (!stored.Sized()) return stored;
  const QSize size = StoredBoundsToGeometry(stored, QSize(), QSize(), areas, primary).Size;
  stored.FormWidth = size.width();
  stored.FormHeight = size.height();
  return stored;
}

Placement FitFrameToArea(const QRect& frame, QSize size, const QRect& area) {
  const QSize margins = frame.size() - size;
  const QSize fitted = size.boundedTo(area.size() - margins);
  return {InsideArea(frame.topLeft(), fitted + margins, area), fitted};
}

Placement PlaceBeside(const QRect& beside, QSize size, QSize margins, const QRect& area, int gap) {
  const QSize fitted = size.boundedTo(area.size() - margins);
  const QSize frame = fitted + margins;
  int left = beside.right() + 1 + gap;
  if (left + frame.width() > area.right() + 1) left = beside.left() - gap - frame.width();
  return {InsideArea({left, beside.top()}, frame, area), fitted};
}

std::optional<Placement> PlaceHelpBeside(const QRect& dialog, QSize size, QSize margins,
                                         const QRect& area, int narrowest) {
  const int right = area.right() - dialog.right();
  const int left = dialog.left() - area.left();
  const int width = std::min(size.width(), std::max(left, right) - margins.width());
  if (width < narrowest) return std::nullopt;
  const QSize fitted(width, std::min(size.height(), area.height() - margins.height()));
  const int x = right >= left ? dialog.right() + 1 : dialog.left() - width - margins.width();
  const int y = Inside(dialog.top(), fitted.height() + margins.height(), area.top(), area.height());
  return Placement{{x, y}, fitted};
}

QPoint CentreIn(QSize size, const QRect& area) {
  QRect place(QPoint(), size);
  place.moveCenter(area.center());
  return place.topLeft();
}

QList<QRect> ScreenAreas() {
  QList<QRect> areas;
  for (const QScreen* screen : QGuiApplication::screens())
    areas.append(screen->availableGeometry());
  return areas;
}

QRect PrimaryArea() {
  const QScreen* primary = QGuiApplication::primaryScreen();
  return primary != nullptr ? primary->availableGeometry() : QRect();
}

FrameFitter::FrameFitter(QWidget* window, FrameRequest request)
    : QObject(window), m_window(window), m_request(request) {
  window->installEventFilter(this);
}

bool FrameFitter::eventFilter(QObject* watched, QEvent* event) {
  QWindow* handle = m_window->windowHandle();
  if (m_fitted) {
    if (watched == m_window) FollowNormalFrame(event->type());
  } else if (event->type() == QEvent::Show && watched == m_window && handle != nullptr) {
    handle->installEventFilter(this);
  } else if (event->type() == QEvent::Expose && watched == handle && handle->isExposed()) {
    m_fitted = true;
    handle->removeEventFilter(this);
    Fit();
  }
  return false;
}

void FrameFitter::FollowNormalFrame(QEvent::Type type) {
  if (type != QEvent::Move && type != QEvent::Resize) return;
  const QScreen* screen = m_window->screen();
  if (screen == nullptr || (m_window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen |
                                                       Qt::WindowMinimized)) != 0) {
    return;
  }
  // A window manager may give a window the screen's size before it says the window is
  // maximised: a frame that covers the free area is no normal one.
  const QRect frame = m_window->frameGeometry();
  const QSize area = screen->availableGeometry().size();
  if (frame.width() < area.width() || frame.height() < area.height()) m_normal = frame;
}

void FrameFitter::Fit() {
  QWidget* window = m_window;
  const QScreen* shownOn = window->screen();
  if (!window->isMaximized() && !window->isFullScreen() && shownOn != nullptr) {
    const QRect frame = window->frameGeometry();
    const QSize margins = FrameMargins(window);
    const QSize size = m_request.Frame.isValid() ? m_request.Frame - margins : window->size();
    const Placement fitted =
        FitFrameToArea(QRect(m_request.FrameTopLeft.value_or(frame.topLeft()), size + margins),
                       size, shownOn->availableGeometry());
    if (fitted.Size != window->size()) window->resize(fitted.Size);
    // move() places a shown window by its frame.
    if (fitted.FrameTopLeft != frame.topLeft()) window->move(fitted.FrameTopLeft);
  }
  if (!window->isMaximized() && !window->isFullScreen()) m_normal = window->frameGeometry();
  // Only now: a window mapped maximised is given that size as its normal one by some
  // window managers (icewm), and restoring it would leave it as large.
  if (m_request.Maximized) window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

QSize FrameMargins(const QWidget* window) {
  return window->frameGeometry().size() - window->size();
}

namespace {

class PlaceConfirmer : public QObject {
 public:
  explicit PlaceConfirmer(QWidget* window) : QObject(window), m_window(window) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    QWindow* handle = m_window->windowHandle();
    if (watched == m_window && event->type() == QEvent::Show && !event->spontaneous() &&
        handle != nullptr) {
      handle->installEventFilter(this);
    } else if (watched == handle && event->type() == QEvent::Expose && handle->isExposed()) {
      handle->removeEventFilter(this);
      // Asked of the window itself: a widget's move() to where it thinks it is does
      // nothing.
      handle->setFramePosition(handle->framePosition());
    }
    return false;
  }

 private:
  QWidget* m_window;
};

}  // namespace

void ConfirmPlaceWhenShown(QWidget* window) {
  new PlaceConfirmer(window);
}

void CentreOnScreen(QWidget* window, const QScreen* screen) {
  if (screen != nullptr) window->move(CentreIn(window->size(), screen->availableGeometry()));
}

}  // namespace quantivo::ui
