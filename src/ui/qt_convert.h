#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/format_result.h"
#include "model/converter_model.h"

namespace quantivo::ui {

// The one place where the program's UTF-8 strings, fonts and colours meet Qt's.

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) {
  return text.toUtf8().toStdString();
}

/// A stored colour has red in its lowest byte, then green, then blue.
QColor ToQColor(std::int32_t color);
std::int32_t FromQColor(const QColor& color);

QFont ToQFont(const model::FontSpec& stored);
/// The font's face, size in points, bold, italic, underline and strike-out, with
/// the colour kept apart, as a font dialog gives them.
model::FontSpec FromQFont(const QFont& font, std::int32_t color);

/// The text colours of a stored font: the picked colour for the text roles, or, for
/// the default colour, a palette that sets nothing, so the widget keeps the theme's
/// text colours and follows them when the theme changes.
QPalette TextPalette(const model::FontSpec& font);

/// The colour that marks the keyboard focus in `palette`'s window: its highlight
/// colour where that stands out from the window by 3 to 1, otherwise its text colour.
QColor FocusMarkColour(const QPalette& palette);

/// The decimal and thousands separators of the system's locale.
engine::NumberLocale SystemNumberLocale();

}  // namespace quantivo::ui
