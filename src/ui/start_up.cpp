#include "ui/start_up.h"

#include <fontconfig/fontconfig.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDBusConnection>
#include <QFontDatabase>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <vector>

#include "model/atomic_file.h"

namespace quantivo::ui {
namespace {

// An icon that asks for its pictures only when they are first wanted.
class DeferredIconEngine : public QIconEngine {
 public:
  explicit DeferredIconEngine(std::function<QIcon()> make) : m_make(std::move(make)) {}

  // As an icon made of pictures does it: the best picture for the size in device
  // pixels, drawn into the rectangle.
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const QPaintDevice* device = painter->device();
    const qreal ratio = device != nullptr ? device->devicePixelRatio() : qApp->devicePixelRatio();
    painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
  }
  // The picture for a size in device pixels, never scaled up: asked at a ratio of 1,
  // the icon hands over its own picture unchanged.
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Made().pixmap(size, 1.0, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return pixmap(size, mode, state).size();
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Made().availableSizes(mode, state);
  }
  // The style's arrows and clear button always have a picture (its own, where the
  // icon theme has none): saying so does not read it.
  bool isNull() override { return false; }
  QString key() const override { return QStringLiteral("DeferredIconEngine"); }
  QIconEngine* clone() const override {
    auto* copy = new DeferredIconEngine(m_make);
    copy->m_icon = m_icon;
    copy->m_made = m_made;
    return copy;
  }

 private:
  const QIcon& Made() {
    if (!m_made) {
      m_icon = m_make();
      m_made = true;
    }
    return m_icon;
  }

  std::function<QIcon()> m_make;
  QIcon m_icon;
  bool m_made = false;
};

// The property that marks a widget placed at once.
constexpr char kPlacedAtOnce[] = "quantivoPlacedAtOnce";

class StartUpStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  // A main window places its central widget through an animation of no length at
  // every layout, which is all of Qt's animation machinery at start for a widget
  // that never slides: marked widgets are placed at once.
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returned) const override {
    if (hint == SH_Widget_Animation_Duration && widget != nullptr &&
        widget->property(kPlacedAtOnce).toBool()) {
      return 0;
    }
    return QProxyStyle::styleHint(hint, option, widget, returned);
  }

  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override {
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton &&
        icon != SP_LineEditClearButton) {
      return QProxyStyle::standardIcon(icon, option, widget);
    }
    // The arrow's direction comes from the option, or else from the application;
    // the option does not outlive this call, so its direction is kept.
    const Qt::LayoutDirection direction =
        option != nullptr ? option->direction : QGuiApplication::layoutDirection();
    QPointer<const StartUpStyle> self(this);
    QPointer<const QWidget> owner(widget);
    return QIcon(new DeferredIconEngine([self, owner, icon, direction] {
      if (self.isNull()) return QIcon();
      QStyleOption directed;
      directed.direction = direction;
      return self->QProxyStyle::standardIcon(icon, &directed, owner.data());
    }));
  }
};

// A message held while the display opens, with copies of what its context points to.
struct HeldMessage {
  QtMsgType Type;
  QByteArray File;
  int Line;
  QByteArray Function;
  QByteArray Category;
  QString Text;
};

// A copy's text, or null where the original pointed nowhere.
const char* Data(const QByteArray& copy) {
  return copy.isNull() ? nullptr : copy.constData();
}

std::mutex g_heldLock;
std::vector<HeldMessage> g_held;
QtMessageHandler g_previousHandler = nullptr;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  // The only fatal message while the application object is made: no platform (no
  // display) could be opened. The warnings held before it say the same: dropped.
  if (type == QtFatalMsg) {
    const std::string line =
        NoDisplayMessage(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY")) + '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
  }
  const std::lock_guard lock(g_heldLock);
  g_held.push_back({type, context.file, context.line, context.function, context.category, text});
}

}  // namespace

std::string NoDisplayMessage(const char* display, const char* waylandDisplay) {
  for (const char* name : {display, waylandDisplay}) {
    if (name != nullptr && *name != '\0')
      return std::string("quantivo: cannot open display ") + name;
  }
  return "quantivo: cannot open display (DISPLAY and WAYLAND_DISPLAY are not set)";
}

bool SessionBusOutOfReach(const char* address, const char* runtimeFolder,
                          const std::string& launcherFolders) {
  // Set, even empty, the address is the user's word.
  if (address != nullptr) return false;
  if (runtimeFolder != nullptr && *runtimeFolder != '\0') {
    // As D-Bus itself looks for it: a socket that belongs to the user.
    const std::string socket = model::PathInFolder(runtimeFolder, "bus");
    struct stat status {};
    if (::stat(socket.c_str(), &status) == 0 && S_ISSOCK(status.st_mode) &&
        status.st_uid == ::geteuid()) {
      return false;
    }
  }
  return !ExecutableInFolders("dbus-launch", launcherFolders);
}

bool ExecutableInFolders(const std::string& name, const std::string& folders) {
  std::string::size_type start = 0;
  while (start <= folders.size()) {
    std::string::size_type end = folders.find(':', start);
    if (end == std::string::npos) end = folders.size();
    const std::string_view folder = std::string_view(folders).substr(start, end - start);
    const std::string file = model::PathInFolder(folder.empty() ? "." : folder, name);
    struct stat status {};
    if (::stat(file.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
        ::access(file.c_str(), X_OK) == 0) {
      return true;
    }
    start = end + 1;
  }
  return false;
}

DisplayOpening::DisplayOpening() {
  g_previousHandler = qInstallMessageHandler(HoldMessage);
}

DisplayOpening::~DisplayOpening() {
  Opened();
}

void DisplayOpening::Opened() {
  if (g_previousHandler == nullptr) return;
  qInstallMessageHandler(g_previousHandler);
  std::vector<HeldMessage> held;
  {
    const std::lock_guard lock(g_heldLock);
    held.swap(g_held);
  }
  for (const HeldMessage& m : held) {
    const QMessageLogContext context(Data(m.File), m.Line, Data(m.Function), Data(m.Category));
    g_previousHandler(m.Type, context, m.Text);
  }
  g_previousHandler = nullptr;
}

void InstallStartUpStyle() {
  // A proxy made without a style takes the one the application would have had (the
  // command line's, QT_STYLE_OVERRIDE's or the desktop's), made once, when first used.
  QApplication::setStyle(new StartUpStyle);
}

void PlaceAtOnce(QWidget* widget) {
  widget->setProperty(kPlacedAtOnce, true);
}

StartUpThread::StartUpThread()
    : m_thread([ready = m_application.get_future()]() mutable {
        FcInit();
        if (!ready.get()) return;
        QFontDatabase::families();
        QDBusConnection::sessionBus();
      }) {}

StartUpThread::~StartUpThread() {
  Join();
}

void StartUpThread::Join() {
  if (!m_told) {
    m_told = true;
    m_application.set_value(false);
  }
  if (m_thread.joinable()) m_thread.join();
}

void StartUpThread::ApplicationReady() {
  if (m_told) return;
  m_told = true;
  m_application.set_value(true);
}

}  // namespace quantivo::ui
