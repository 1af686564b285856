// The colour that marks the keyboard focus, in light, dark and high-contrast themes.

#include "model/contrast.h"

#include <gtest/gtest.h>

namespace quantivo::model {
namespace {

bool operator==(Rgb a, Rgb b) {
  return a.Red == b.Red && a.Green == b.Green && a.Blue == b.Blue;
}

TEST(FocusMarkColour, StandsOutByThreeToOne) {
  const Rgb kWhite{255, 255, 255};
  const Rgb kBlack{0, 0, 0};
  struct Case {
    const char* theme;
    Rgb highlight, text, background;
    bool highlightKept;
  };
  const Case kCases[] = {
      {"light, dark blue highlight", {48, 140, 198}, kBlack, {239, 239, 239}, true},
      {"light, pale blue highlight", {173, 216, 230}, kBlack, {239, 239, 239}, false},
      {"dark, deep blue highlight", {30, 80, 150}, kWhite, {53, 53, 53}, false},
      {"dark, light blue highlight", {120, 180, 240}, kWhite, {53, 53, 53}, true},
      {"high contrast, black on white", kBlack, kBlack, kWhite, true},
      {"high contrast, white highlight on white", kWhite, kBlack, kWhite, false},
  };
  for (const Case& c : kCases) {
    const Rgb mark = FocusMarkColour(c.highlight, c.text, c.background);
    EXPECT_TRUE(mark == (c.highlightKept ? c.highlight : c.text)) << c.theme;
    EXPECT_GE(ContrastRatio(mark, c.background), 3.0) << c.theme;
  }
  EXPECT_NEAR(ContrastRatio(kBlack, kWhite), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(kWhite, kWhite), 1.0, 1e-9);
}

}  // namespace
}  // namespace quantivo::model
