#pragma once

namespace quantivo::ui {

struct Bounds {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;

  friend bool operator==(const Bounds&, const Bounds&) = default;
};

/// Where the working area's controls go in a panel of W x H pixels.
struct WorkingAreaLayout {
  Bounds txt_In;
  Bounds lst_In;
  Bounds lab;
  Bounds txt_Out;
  Bounds lst_Out;
  Bounds lab2;
};

/// The resize rule: the two boxes share the width with the arrow centred between
/// them, the output box stays 24 pixels from the right edge, the lists are right-
/// aligned under their boxes and end as far above the bottom as the input box
/// starts below the top. `current` gives what the rule keeps: the input box's place
/// and height, the arrow's top and size, the Fractions label's left.
WorkingAreaLayout LayoutWorkingArea(int width, int height, const WorkingAreaLayout& current);

}  // namespace quantivo::ui
