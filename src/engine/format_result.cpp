#include "engine/format_result.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "engine/digit_scripts.h"
#include "engine/parse_number.h"
#include "engine/power_of_ten.h"

namespace quantivo::engine {
namespace {

constexpr int kMaxDigits = 18;
constexpr int kAutoDigits = 10;

// A magnitude written as 0.D × 10^X, D without leading or trailing zeros.
struct DecimalDigits {
  char D[kMaxDigits] = {};
  int Length = 0;
  int X = 0;
  bool Negative = false;
};

// The magnitude times 10^(18 - estimate), rounded to an integer (nearest, ties even,
// the default rounding mode; rint does not save and restore the FPU state as
// nearbyint does, which was most of the cost of formatting).
Extended ScaledInteger(Extended magnitude, int estimate) {
  const int n = kMaxDigits - estimate;
  if (n > 0) magnitude = ScaleByPowerOfTen(magnitude, n, false);
  if (n < 0) magnitude = ScaleByPowerOfTen(magnitude, -n, true);
  return std::rint(magnitude);
}

// First, the 18 leading decimal digits of a finite value and its decimal exponent.
DecimalDigits EighteenDigits(Extended value) {
  DecimalDigits digits;
  const Extended magnitude = std::fabs(value);
  // Zero and denormals have no exponent and show as an unsigned zero.
  if (std::fpclassify(magnitude) != FP_NORMAL) return digits;
  digits.Negative = std::signbit(value);

  int binaryExponent = 0;
  std::frexp(magnitude, &binaryExponent);
  --binaryExponent;  // frexp's mantissa lies in [0.5, 1); we want 1.f × 2^b.
  // floor(b × log10 2) + 1, with log10 2 as 19728 / 65536; the shift floors.
  int x = ((binaryExponent * 19728) >> 16) + 1;

  Extended scaled = ScaledInteger(magnitude, x);
  // For small magnitudes the estimate can be one too high, leaving 17 digits.
  if (scaled < 1e17L) scaled = ScaledInteger(magnitude, --x);
  // Otherwise the estimate was one too low and there are 19 digits. (The largest
  // value of each binade still comes out below 10^18 after this division.)
  if (scaled >= 1e18L) {
    scaled = std::rint(scaled / 10);
    ++x;
  }

  std::uint64_t integer = static_cast<std::uint64_t>(scaled);
  for (int i = kMaxDigits - 1; i >= 0; --i) {
    digits.D[i] = static_cast<char>('0' + integer % 10);
    integer /= 10;
  }
  digits.Length = kMaxDigits;
  digits.X = x;
  return digits;
}

// Keeps `keep` digits, rounding half-up on the first dropped one.
void RoundToDigits(DecimalDigits& digits, int keep) {
  if (keep < 0) {
    digits = DecimalDigits{};
    return;
  }
  if (keep >= digits.Length) return;
  const bool roundUp = digits.D[keep] >= '5';
  digits.Length = keep;
  if (!roundUp) return;
  int i = keep - 1;
  while (i >= 0 && digits.D[i] == '9') --i;
  if (i < 0) {
    digits.D[0] = '1';
    digits.Length = 1;
    ++digits.X;
    return;
  }
  ++digits.D[i];
  digits.Length = i + 1;  // the nines after it became zeros
}

// Rounds to `keep` digits, drops trailing zeros and starts `out` with the minus sign
// when the value still has one.
void KeepDigits(DecimalDigits& digits, int keep, std::string& out) {
  RoundToDigits(digits, keep);
  while (digits.Length > 0 && digits.D[digits.Length - 1] == '0') --digits.Length;
  if (digits.Negative) out.push_back('-');
}

char DigitAt(const DecimalDigits& digits, int i) {
  return i < digits.Length ? digits.D[i] : '0';
}

void AppendDigits(std::string& out, const DecimalDigits& digits, int from, int to) {
  for (int i = from; i < to; ++i) out.push_back(DigitAt(digits, i));
}

void AppendExponent(std::string& out, int exponent, bool plusSign, int minDigits) {
  out.push_back('E');
  if (exponent < 0) {
    out.push_back('-');
  } else if (plusSign) {
    out.push_back('+');
  }
  const std::string number = std::to_string(std::abs(exponent));
  if (static_cast<int>(number.size()) < minDigits) out.append(minDigits - number.size(), '0');
  out += number;
}

// Significant digits up to `limit` integer places, scientific form beyond them or
// below 0.0001: "1500", "0.0001234", "1.5E20", "1.234E-5".
void GeneralLayout(std::string& out, const DecimalDigits& digits, int limit,
                   const NumberLocale& locale) {
  const int x = digits.X;
  if (x > limit || x < -3) {
    out.push_back(digits.Length > 0 ? digits.D[0] : '0');
    if (digits.Length > 1) {
      out += locale.Decimal;
      AppendDigits(out, digits, 1, digits.Length);
    }
    AppendExponent(out, x - 1, false, 1);
  } else if (x <= 0) {
    out.push_back('0');
    if (digits.Length > 0) {
      out += locale.Decimal;
      out.append(-x, '0');
      AppendDigits(out, digits, 0, digits.Length);
    }
  } else {
    AppendDigits(out, digits, 0, x);
    if (digits.Length > x) {
      out += locale.Decimal;
      AppendDigits(out, digits, x, digits.Length);
    }
  }
}

// "1.235E+006": `significant` digits, a signed exponent of at least three digits.
void ExponentLayout(std::string& out, const DecimalDigits& digits, int significant,
                    const NumberLocale& locale) {
  out.push_back(DigitAt(digits, 0));
  out += locale.Decimal;
  AppendDigits(out, digits, 1, significant);
  // Zero has no exponent of its own and shows E+000.
  AppendExponent(out, digits.Length > 0 ? digits.X - 1 : 0, true, 3);
}

// "1234567.8901", or "1,234,567.8901" with `grouped`.
void FixedLayout(std::string& out, const DecimalDigits& digits, int decimals, bool grouped,
                 const NumberLocale& locale) {
  const int x = digits.X;
  if (x <= 0) {
    out.push_back('0');
  } else {
    for (int i = 0; i < x; ++i) {
      // Places left of this digit: a separator before every third, or in Indian
      // grouping before the third and every second after it.
      const int left = x - i;
      const bool group =
          locale.IndianGrouping ? left == 3 || (left > 3 && left % 2 == 1) : left % 3 == 0;
      if (grouped && i > 0 && group) out += locale.Thousands;
      out.push_back(DigitAt(digits, i));
    }
  }
  if (decimals <= 0) return;
  out += locale.Decimal;
  const int zeros = x < 0 ? std::min(-x, decimals) : 0;
  out.append(zeros, '0');
  const int from = x > 0 ? x : 0;
  AppendDigits(out, digits, from, from + decimals - zeros);
}

int ScientificDigits(int precision) {
  if (precision < 0 || precision > kMaxDigits) return 15;
  return precision < 2 ? 2 : precision;
}

int FixedDecimals(int precision) {
  return precision < 0 || precision > kMaxDigits ? 2 : precision;
}

}  // namespace

NumberLocale MakeNumberLocale(const char* decimal, const char* thousands, std::string_view zero,
                              std::string_view grouping) {
  NumberLocale locale;
  if (decimal != nullptr && *decimal != '\0') locale.Decimal = decimal;
  if (thousands != nullptr && *thousands != '\0') locale.Thousands = thousands;
  if (!zero.empty()) {
    const auto [c, length] = FirstCodePoint(zero);
    if (length == zero.size() && DigitZero(c) == c) locale.Zero = c;
  }
  locale.IndianGrouping = grouping.starts_with("\3\2");
  return locale;
}

ViewType ViewTypeFromNumber(long long number) {
  return number >= 1 && number <= 4 ? static_cast<ViewType>(number) : ViewType::AutoFormat;
}

std::string FormatResult(Extended value, const ResultFormat& format, const NumberLocale& locale) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return "INF";

  const ViewType view = ViewTypeFromNumber(static_cast<long long>(format.View));
  DecimalDigits digits = EighteenDigits(value);
  std::string out;
  switch (view) {
    case ViewType::Scientific: {
      const int significant = ScientificDigits(format.Precision);
      KeepDigits(digits, significant, out);
      ExponentLayout(out, digits, significant, locale);
      break;
    }
    case ViewType::Fixed:
    case ViewType::FixedWithCommas: {
      const int decimals = FixedDecimals(format.Precision);
      KeepDigits(digits, std::min(kMaxDigits, digits.X + decimals), out);
      // Beyond 18 integer places the fixed forms fall back to the general layout.
      if (digits.X > kMaxDigits) {
        GeneralLayout(out, digits, kMaxDigits, locale);
      } else {
        FixedLayout(out, digits, decimals, view == ViewType::FixedWithCommas, locale);
      }
      break;
    }
    case ViewType::AutoFormat:
      KeepDigits(digits, kAutoDigits, out);
      GeneralLayout(out, digits, kAutoDigits, locale);
      break;
  }
  return WithScriptDigits(out, locale.Zero);
}

ResultFormat FormatShowingValue(Extended value, const ResultFormat& format) {
  const ViewType view = ViewTypeFromNumber(static_cast<long long>(format.View));
  if (view != ViewType::Fixed && view != ViewType::FixedWithCommas) return format;
  if (!std::isfinite(value) || value == 0) return format;
  if (FormatResult(value, format, {}).find_first_of("123456789") != std::string::npos) {
    return format;
  }
  // The first significant digit is 1 - X places after the point.
  const int decimals = -EighteenDigits(value).X + std::max(FixedDecimals(format.Precision), 1);
  if (decimals <= kMaxDigits) return {view, decimals};
  return {ViewType::Scientific, ScientificDigits(format.Precision)};
}

std::string ReplacedText(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty() || from == to) return std::string(text);
  std::string replaced;
  replaced.reserve(text.size());
  while (!text.empty()) {
    if (text.starts_with(from)) {
      replaced += to;
      text.remove_prefix(from.size());
    } else {
      replaced.push_back(text.front());
      text.remove_prefix(1);
    }
  }
  return replaced;
}

namespace {

// The shown text without the locale's thousands separators, its decimal separator
// written as `decimal`.
std::string Ungrouped(std::string_view shown, const NumberLocale& locale,
                      std::string_view decimal) {
  return ReplacedText(ReplacedText(shown, locale.Thousands, ""), locale.Decimal, decimal);
}

}  // namespace

std::string ResultAsInputText(std::string_view shown, const NumberLocale& locale) {
  // The error position is of no interest: a text that fails reads as 0.
  const ParsedNumber parsed = ParseNumber(WithAsciiDigits(Ungrouped(shown, locale, ".")));
  const Extended value = parsed.ErrorPos == 0 ? parsed.Value : 0;
  return FormatResult(value, ResultFormat{}, NumberLocale{});
}

std::string ResultWithoutGrouping(std::string_view shown, const NumberLocale& locale) {
  return Ungrouped(shown, locale, locale.Decimal);
}

}  // namespace quantivo::engine
