#include "ui/window/working_area_layout.h"

#include <cmath>

#include "catalogue/extended.h"

namespace quantivo::ui {
namespace {

// The nearest integer, a half going to the even neighbour.
int Nearest(Extended x) {
  return static_cast<int>(std::nearbyint(x));
}

}  // namespace

WorkingAreaLayout LayoutWorkingArea(int width, int height, const WorkingAreaLayout& current) {
  WorkingAreaLayout l = current;
  l.txt_In.Width = Nearest(static_cast<Extended>(width) * 0.37L);
  l.txt_Out.Width = l.txt_In.Width;
  l.txt_Out.Left = width - l.txt_Out.Width - 24;
  l.lab.Left = Nearest(
      static_cast<Extended>(l.txt_In.Left + l.txt_In.Width + l.txt_Out.Left - l.lab.Width) * 0.5L);
  l.lst_In.Width = Nearest(static_cast<Extended>(l.txt_In.Width) * 0.72L);
  l.lst_In.Left = l.txt_In.Left + l.txt_In.Width - l.lst_In.Width;
  l.lst_In.Top = l.txt_In.Top + l.txt_In.Height + 8;
  l.lst_In.Height = height - l.lst_In.Top - l.txt_In.Top;
  l.lst_Out.Width = l.lst_In.Width;
  l.lst_Out.Left = l.txt_Out.Left + l.txt_Out.Width - l.lst_Out.Width;
  l.lst_Out.Top = l.lst_In.Top;
  l.lst_Out.Height = l.lst_In.Height;
  l.lab2.Width = l.txt_In.Width;
  l.lab2.Top = l.lst_In.Top;
  l.lab2.Height = l.lst_In.Height;
  return l;
}

}  // namespace quantivo::ui
