#pragma once

namespace quantivo::model {

/// A colour as the screen shows it, 0 to 255 a channel.
struct Rgb {
  int Red = 0;
  int Green = 0;
  int Blue = 0;
};

/// How far two colours stand apart to the eye, from 1 (the same) to 21 (black on
/// white), as accessibility guidelines measure it.
double ContrastRatio(Rgb a, Rgb b);

/// The colour that marks the keyboard focus on `background`: the theme's `highlight`
/// where it stands out from the background by at least 3 to 1, otherwise the theme's
/// `text` colour, which is made to be read on it.
Rgb FocusMarkColour(Rgb highlight, Rgb text, Rgb background);

}  // namespace quantivo::model
