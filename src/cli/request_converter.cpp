#include "request_converter.h"

#include <optional>
#include <ostream>
#include <vector>

#include "cli_output.h"
#include "engine/convert_number_base.h"
#include "engine/convert_text.h"
#include "engine/input_text.h"
#include "engine/parse_number.h"
#include "engine/typed_value.h"

namespace quantivo::cli {

engine::ConversionResult Converter::Convert(const RequestWords& request, const Resolved& resolved,
                                            int to) const {
  if (request.Parts.size() == 1) return ConvertOnePart(request, resolved, to);
  if (to < 0) return {};
  return ConvertParts(request, resolved, to);
}

std::string Converter::Reading(const RequestWords& request, const Resolved& resolved, int to,
                               const engine::ConversionResult& result) const {
  const catalogue::UnitCategory& category = m_catalogue.Category(resolved.Category);
  const auto name = [&](int position) {
    return position < 0 ? std::string_view{}
                        : category.Units[static_cast<std::size_t>(position)].Name;
  };
  std::string line;
  const auto word = [&](std::string_view text) {
    if (text.empty()) return;
    if (!line.empty()) line += ' ';
    line += text;
  };
  for (std::size_t i = 0; i < request.Parts.size(); ++i) {
    word(engine::WithoutBlanks(request.Parts[i].Value));
    word(name(resolved.From[i]));
  }
  const bool converted = !result.Text.empty();
  if (to >= 0) {
    word(converted ? "= " + result.Text : "to");
    word(name(to));
  }
  word("(" + std::string(category.DisplayName) + ")");
  if (result.Failure) line.append(": ").append(engine::EnglishText(*result.Failure));
  return line;
}

// A value in one unit: digits of a number system, a fraction such as 3/4, or a number.
engine::ConversionResult Converter::ConvertOnePart(const RequestWords& request,
                                                   const Resolved& resolved, int to) const {
  const int c = resolved.Category;
  const catalogue::UnitCategory& category = m_catalogue.Category(c);
  const std::string_view value = request.Parts[0].Value;
  const int from = resolved.From[0];
  if (category.Kind == catalogue::ConversionKind::NumberBase) {
    // Digits, not a number: no fraction, no separators; "0x" before hexadecimal ones.
    const int code = engine::UnitCode(category.Units, from);
    return ConvertText(
        c, from, to,
        engine::InputBoxText(engine::WithoutBasePrefix(engine::WithoutBlanks(value), code)));
  }
  if (value.find('/') != std::string_view::npos) {
    if (const std::optional<Extended> fraction = engine::TypedFraction(value)) {
      return engine::ConvertValue(m_catalogue, c, from, to, *fraction, m_format, m_locale);
    }
  }
  return ConvertText(c, from, to, engine::TypedNumberText(value, m_locale));
}

// A value in several units, "5 ft 3 in".
engine::ConversionResult Converter::ConvertParts(const RequestWords& request,
                                                 const Resolved& resolved, int to) const {
  const catalogue::UnitCategory& category = m_catalogue.Category(resolved.Category);
  // The first number's sign is the whole measure's: -5 ft 3 in is -(5 ft + 3 in).
  std::vector<engine::MeasurePart> parts;
  bool negative = false;
  for (std::size_t i = 0; i < request.Parts.size(); ++i) {
    std::string_view text = engine::WithoutBlanks(request.Parts[i].Value);
    if (i == 0 && (text.starts_with('-') || text.starts_with('+'))) {
      negative = text.front() == '-';
      text.remove_prefix(1);
    }
    const engine::ParsedNumber number = engine::ReadTypedNumber(text, m_locale);
    if (number.ErrorPos > 0)
      return engine::Message{engine::MessageCode::InvalidNumber, number.ErrorPos};
    const auto from = static_cast<std::size_t>(resolved.From[i]);
    parts.push_back({negative ? -number.Value : number.Value, category.Units[from].Factor});
  }
  return engine::ConvertMeasure(parts, category.Units[static_cast<std::size_t>(to)].Factor,
                                m_format, m_locale);
}

engine::ConversionResult Converter::ConvertText(int category, int from, int to,
                                                std::string_view text) const {
  return engine::ConvertText(m_catalogue, category, from, to, text, m_format, m_locale);
}

int ConvertOne(const Converter& converter, const RequestWords& request, bool verbose,
               long long line, Resolved& resolved, std::string& result, std::ostream& err) {
  std::string message;
  const auto where = [&] { return line > 0 ? "line " + std::to_string(line) + ": " : ""; };
  if (!converter.Resolve(request, resolved, message)) {
    err << kProgram << ": " << where() << message << '\n';
    result.clear();
    return kUsageError;
  }
  const engine::ConversionResult converted = converter.Convert(request, resolved, resolved.To);
  result = engine::EnglishText(converted);
  if (verbose) {
    err << kProgram << ": " << where()
        << converter.Reading(request, resolved, resolved.To, converted) << '\n';
  }
  return converted.Failure ? kValueError : 0;
}

}  // namespace quantivo::cli
