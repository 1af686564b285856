// What a screen reader hears as the window settles after each change.

#include "model/spoken_changes.h"

#include <gtest/gtest.h>

namespace quantivo::model {
namespace {

TEST(SpokenChanges, EachCategoryAndResultOnce) {
  // One user's session, step by step, from a window that starts in Length.
  struct Step {
    const char* category;
    const char* result;
    bool categoryHeard;
    const char* said;
  };
  const Step kSteps[] = {
      {"Length", "", false, ""},  // nothing typed yet
      {"Length", "10 hectometer", false, "10 hectometer"},
      {"Length", "10 hectometer", false, ""},  // the same again: a sort that kept it
      {"Length", "15 hectometer", false, "15 hectometer"},
      {"Area", "3E30 barn", false, "Area, 3E30 barn"},  // another category with a result
      {"Volume", "", false, "Volume"},                  // one with nothing to show
      {"Volume", "", false, ""},
      {"Area", "3E30 barn", true, "3E30 barn"},  // the focused tab says its name
      {"Mass", "", true, ""},
      {"Mass", "", false, ""},
      {"Mass", "7 pound", false, "7 pound"},
      {"Mass", "", false, ""},                // Clear All
      {"Mass", "7 pound", false, "7 pound"},  // the same result after an empty one
      {"Mass", "invalid number [2]", false, "invalid number [2]"},
  };
  SpokenChanges spoken("Length");
  int step = 0;
  for (const Step& s : kSteps) {
    EXPECT_EQ(spoken.Settled(s.category, s.result, s.categoryHeard), s.said) << "step " << step;
    ++step;
  }
}

}  // namespace
}  // namespace quantivo::model
