// What the program does at start to show its window sooner: the icons of buttons
// that show only now and then handed out unread, widgets placed without animation,
// and the fonts and the session bus set up on a second thread.
#include "ui/start_up.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <memory>

namespace quantivo::ui {
namespace {

QImage Painted(const QIcon& icon, QSize size, qreal ratio) {
  QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  icon.paint(&painter, QRect(QPoint(0, 0), size));
  return image;
}

// An icon read when first drawn draws the style's own pixels, at every size and
// device pixel ratio a button asks for, by pixmap and by painting.
TEST(StartUp, DeferredIconsDrawTheStylesPixels) {
  const QString name = QApplication::style()->name();
  const std::unique_ptr<QStyle> own(QStyleFactory::create(name));
  InstallStartUpStyle();
  const struct {
    QStyle::StandardPixmap arrow;
    QSize size;
    qreal ratio;
  } cases[] = {{QStyle::SP_ToolBarHorizontalExtensionButton, {16, 16}, 1.0},
               {QStyle::SP_ToolBarHorizontalExtensionButton, {16, 16}, 1.5},
               {QStyle::SP_ToolBarHorizontalExtensionButton, {40, 24}, 2.0},
               {QStyle::SP_ToolBarVerticalExtensionButton, {12, 12}, 1.25},
               {QStyle::SP_LineEditClearButton, {16, 16}, 1.0},
               {QStyle::SP_LineEditClearButton, {16, 16}, 2.0}};
  for (const auto& c : cases) {
    const QIcon expected = own->standardIcon(c.arrow);
    const QIcon deferred = QApplication::style()->standardIcon(c.arrow);
    EXPECT_EQ(deferred.pixmap(c.size, c.ratio).toImage(),
              expected.pixmap(c.size, c.ratio).toImage())
        << c.arrow << " at " << c.ratio;
    EXPECT_EQ(Painted(deferred, c.size, c.ratio), Painted(expected, c.size, c.ratio)) << c.arrow;
  }
  QApplication::setStyle(QStyleFactory::create(name));
}

// A marked widget is placed without animation; any other widget animates as the
// style says.
TEST(StartUp, MarkedWidgetsArePlacedAtOnce) {
  const QString name = QApplication::style()->name();
  const std::unique_ptr<QStyle> own(QStyleFactory::create(name));
  InstallStartUpStyle();
  QWidget marked;
  QWidget other;
  PlaceAtOnce(&marked);
  const QStyle* style = QApplication::style();
  EXPECT_EQ(style->styleHint(QStyle::SH_Widget_Animation_Duration, nullptr, &marked), 0);
  EXPECT_EQ(style->styleHint(QStyle::SH_Widget_Animation_Duration, nullptr, &other),
            own->styleHint(QStyle::SH_Widget_Animation_Duration, nullptr, &other));
  QApplication::setStyle(QStyleFactory::create(name));
}

// The thread never keeps the program from ending: not when the application object
// never came, nor when it is joined twice.
TEST(StartUp, ThreadEndsOnEveryWayOut) {
  auto ended = std::async(std::launch::async, [] {
    { const StartUpThread never; }
    StartUpThread told;
    told.ApplicationReady();
    told.Join();
    told.Join();
  });
  EXPECT_EQ(ended.wait_for(std::chrono::seconds(30)), std::future_status::ready);
}

// The bus is out of reach only with no address set (an empty or launching one is the
// user's word), no socket "bus" in the runtime folder and no dbus-launch, an
// executable file, in the listed folders.
TEST(StartUp, SessionBusOutOfReachOnlyWithoutAnyWayToIt) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("quantivo-bus-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir / "bin");
  std::ofstream(dir / "bin" / "bus") << "not a socket";
  std::ofstream(dir / "bin" / "dbus-launch") << "#!/bin/sh\n";
  std::filesystem::permissions(dir / "bin" / "dbus-launch", std::filesystem::perms::owner_all);
  const int listening = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{AF_UNIX, {}};
  (dir / "bus").string().copy(address.sun_path, sizeof address.sun_path - 1);
  ASSERT_EQ(bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  const std::string withSocket = dir.string(), bin = (dir / "bin").string();
  EXPECT_FALSE(SessionBusOutOfReach("unix:path=/run/user/1000/bus", nullptr, "/nowhere"));
  EXPECT_FALSE(SessionBusOutOfReach("", bin.c_str(), "/nowhere"));
  EXPECT_FALSE(SessionBusOutOfReach(nullptr, withSocket.c_str(), "/nowhere"));
  EXPECT_FALSE(SessionBusOutOfReach(nullptr, bin.c_str(), "/nowhere::" + bin));
  EXPECT_TRUE(SessionBusOutOfReach(nullptr, bin.c_str(), "/nowhere:" + withSocket));
  EXPECT_TRUE(SessionBusOutOfReach(nullptr, nullptr, ""));
  EXPECT_FALSE(ExecutableInFolders("bus", bin + ":" + withSocket));
  close(listening);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace quantivo::ui
