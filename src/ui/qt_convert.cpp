#include "ui/qt_convert.h"

#include <QLocale>
#include <cmath>

#include "model/contrast.h"

namespace quantivo::ui {

QColor ToQColor(std::int32_t color) {
  const auto bits = static_cast<std::uint32_t>(color);
  return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                static_cast<int>((bits >> 16) & 0xFF));
}

std::int32_t FromQColor(const QColor& color) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(color.red()) |
                                   static_cast<std::uint32_t>(color.green()) << 8 |
                                   static_cast<std::uint32_t>(color.blue()) << 16);
}

QFont ToQFont(const model::FontSpec& stored) {
  QFont font(ToQString(stored.Name));
  // A size the font system cannot take keeps the default size.
  if (stored.Size > 0) font.setPointSize(stored.Size);
  font.setBold(stored.Bold);
  font.setItalic(stored.Italic);
  font.setUnderline(stored.Underline);
  font.setStrikeOut(stored.StrikeOut);
  return font;
}

model::FontSpec FromQFont(const QFont& font, std::int32_t color) {
  const int size =
      font.pointSize() > 0
          ? font.pointSize()
          : static_cast<int>(std::lround(font.pointSizeF() > 0 ? font.pointSizeF() : 10));
  return {ToStdString(font.family()),
          model::UsableFontSize(size),
          color,
          font.bold(),
          font.italic(),
          font.underline(),
          font.strikeOut()};
}

QPalette TextPalette(const model::FontSpec& font) {
  QPalette palette;
  palette.setResolveMask(0);
  if (!font.ColorChosen) return palette;
  const QColor color = ToQColor(font.Color);
  for (const QPalette::ColorRole role :
       {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
    palette.setColor(role, color);
  }
  return palette;
}

QColor FocusMarkColour(const QPalette& palette) {
  const auto rgb = [&palette](QPalette::ColorRole role) {
    const QColor c = palette.color(QPalette::Active, role);
    return model::Rgb{c.red(), c.green(), c.blue()};
  };
  const model::Rgb mark = model::FocusMarkColour(rgb(QPalette::Highlight),
                                                 rgb(QPalette::WindowText), rgb(QPalette::Window));
  return QColor(mark.Red, mark.Green, mark.Blue);
}

engine::NumberLocale SystemNumberLocale() {
  // The default locale is the system's unless a test sets another.
  const QLocale locale;
  // India groups by twos above the thousands: Qt writes a lakh "1,00,000" there.
  const QString lakh = locale.toString(100000);
  const bool indian = lakh.size() == 8 && lakh.indexOf(locale.groupSeparator()) == 1;
  return engine::MakeNumberLocale(ToStdString(locale.decimalPoint()).c_str(),
                                  ToStdString(locale.groupSeparator()).c_str(),
                                  ToStdString(locale.zeroDigit()), indian ? "\3\2" : "");
}

}  // namespace quantivo::ui
