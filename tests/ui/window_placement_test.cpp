#include "ui/window/window_placement.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <ostream>
#include <vector>

#include "ui/help/help_launcher.h"

namespace quantivo::ui {

void PrintTo(const Placement& p, std::ostream* out) {
  *out << p.Size.width() << "x" << p.Size.height() << " at " << p.FrameTopLeft.x() << ","
       << p.FrameTopLeft.y();
}

namespace {

// A screen of 1280 x 1000 free pixels, a second one to its right, and a window system
// that adds 10 pixels across and 40 down (a title bar) to every window.
const QRect kArea(0, 0, 1280, 1000);
const std::vector<QRect> kAreas{kArea, QRect(1280, 0, 1024, 768)};
constexpr QSize kMargins(10, 40);

QRect Frame(int left, int top, QSize size) {
  return {QPoint(left, top), size + kMargins};
}

TEST(WindowPlacement, AreaShowingTheTopStrip) {
  constexpr struct {
    long long left, top, width;
    int area;
  } kCases[] = {
      {100, 100, 600, 0},        {1300, 10, 600, 1},   {-599, 0, 600, 0},
      {-600, 0, 600, -1},        {100, -31, 600, 0},   {100, -32, 600, -1},
      {100, 999, 600, 0},        {100, 1000, 600, -1}, {INT_MIN, INT_MIN, 600, -1},
      {INT_MAX, 0, INT_MAX, -1},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(AreaShowingTop(c.left, c.top, c.width, kAreas), c.area) << c.left << "," << c.top;
  }
}

TEST(WindowPlacement, FitFrameToArea) {
  constexpr struct {
    int left, top, width, height;
    Placement fitted;
  } kCases[] = {
      {100, 100, 600, 400, {{100, 100}, {600, 400}}},   // fits
      {0, 0, 600, 1000, {{0, 0}, {600, 960}}},          // the title bar stood out
      {1000, 100, 600, 400, {{670, 100}, {600, 400}}},  // stood out at the right
      {100, -20, 600, 400, {{100, 0}, {600, 400}}},     // and above
      {-50, 900, 2000, 400, {{0, 560}, {1270, 400}}},   // wider than the screen
  };
  for (const auto& c : kCases) {
    const QSize size(c.width, c.height);
    EXPECT_EQ(FitFrameToArea(Frame(c.left, c.top, size), size, kArea), c.fitted) << c.left;
  }
}

TEST(WindowPlacement, PlaceBesideAnotherWindow) {
  constexpr struct {
    int left, width, height;
    Placement placed;
  } kCases[] = {
      {100, 340, 420, {{608, 100}, {340, 420}}},  // on the right, 8 pixels away
      {700, 340, 420, {{342, 100}, {340, 420}}},  // no room there: on the left
      {100, 340, 1200, {{608, 0}, {340, 960}}},   // taller than the screen
      {0, 1400, 420, {{0, 100}, {1270, 420}}},    // wider than the screen
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(
        PlaceBeside(QRect(c.left, 100, 500, 450), QSize(c.width, c.height), kMargins, kArea, 8),
        c.placed)
        << c.left;
  }
}

TEST(WindowPlacement, HelpBesideADialog) {
  constexpr QSize kHelp(860, 600);
  EXPECT_EQ(PlaceHelpBeside(QRect(100, 100, 400, 300), kHelp, kMargins, kArea, 480),
            (Placement{{500, 100}, {770, 600}}));
  EXPECT_EQ(PlaceHelpBeside(QRect(800, 700, 400, 300), kHelp, kMargins, kArea, 480),
            (Placement{{0, 360}, {790, 600}}));
  // A dialog in the middle leaves 430 pixels on either side: too narrow to read.
  EXPECT_EQ(PlaceHelpBeside(QRect(440, 300, 400, 300), kHelp, kMargins, kArea, 480), std::nullopt);
}

// The help comes back from beside a dialog to its own size and place, unless the user
// has resized it.
TEST(WindowPlacement, HelpBackFromADialog) {
  constexpr QSize kBeside(500, 600);
  const struct {
    QSize now;
    HelpFrame own;
    std::optional<Placement> back;
  } kCases[] = {
      {kBeside, {QPoint(200, 100), {860, 600}}, Placement{{200, 100}, {860, 600}}},
      {kBeside, {std::nullopt, {860, 600}}, Placement{{205, 180}, {860, 600}}},  // never placed
      {kBeside, {QPoint(1000, 900), {860, 600}}, Placement{{410, 360}, {860, 600}}},
      {{520, 600}, {QPoint(200, 100), {860, 600}}, std::nullopt},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(HelpBackFromDialog(c.now, kBeside, c.own, kMargins, kArea), c.back) << c.now.width();
  }
}

TEST(WindowPlacement, StoredBoundsToGeometry) {
  using model::WindowBounds;
  constexpr QSize kDesign(602, 423);
  constexpr QSize kMinimum(320, 220);
  constexpr int kUnplaced = WindowBounds::kUnplaced;
  const struct {
    WindowBounds stored;
    OpeningPlace place;
  } kCases[] = {
      {{kUnplaced, kUnplaced, 0, 0, false}, {kDesign, {}}},
      {{50, 100, 800, 600, false}, {{800, 600}, QPoint(100, 50)}},
      {{10, 1400, 800, 600, false}, {{800, 600}, QPoint(1400, 10)}},      // on the second screen
      {{-9000, -9000, 800, 600, false}, {{800, 600}, QPoint(240, 200)}},  // gone: centred
      {{0, 0, 100000, 100000, false}, {{1280, 1000}, QPoint(0, 0)}},
      {{0, 0, 10, 10, false}, {kMinimum, QPoint(0, 0)}},
      {{kUnplaced, kUnplaced, 800, 600, true}, {{800, 600}, {}}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(StoredBoundsToGeometry(c.stored, kDesign, kMinimum, kAreas, kArea), c.place)
        << c.stored.FormLeft << "," << c.stored.FormTop;
  }
}

// What is saved for a window that did not open: the size fitted, the place as read.
TEST(WindowPlacement, FitStoredBounds) {
  using model::WindowBounds;
  const struct {
    WindowBounds stored, saved;
  } kCases[] = {
      {{0, 0, INT_MAX, INT_MAX, false}, {0, 0, 1280, 1000, false}},
      {{10, 1400, INT_MAX, 400, false}, {10, 1400, 1024, 400, false}},  // the second screen's
      {{5, 5, 0, INT_MAX, false}, {5, 5, 0, INT_MAX, false}},           // unsized: not saved
  };
  for (const auto& c : kCases) EXPECT_EQ(FitStoredBounds(c.stored, kAreas, kArea), c.saved);
}

}  // namespace
}  // namespace quantivo::ui
