#include "model/contrast.h"

#include <algorithm>
#include <cmath>

namespace quantivo::model {
namespace {

double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb c) {
  return 0.2126 * Linear(c.Red) + 0.7152 * Linear(c.Green) + 0.0722 * Linear(c.Blue);
}

}  // namespace

double ContrastRatio(Rgb a, Rgb b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb FocusMarkColour(Rgb highlight, Rgb text, Rgb background) {
  constexpr double kVisible = 3.0;
  return ContrastRatio(highlight, background) >= kVisible ? highlight : text;
}

}  // namespace quantivo::model
