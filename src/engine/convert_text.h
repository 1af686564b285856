#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/unit_catalogue.h"
#include "engine/conversion_result.h"
#include "engine/format_result.h"

namespace quantivo::engine {

/// The output text of a Linear conversion: value ÷ inputFactor × outputFactor,
/// formatted. Empty when the text is empty; a text that is no number gives
/// "invalid number [p]", a result beyond the extended range "result too large".
ConversionResult ConvertLinear(std::string_view text, Extended inputFactor, Extended outputFactor,
                               const ResultFormat& format, const NumberLocale& locale);

/// The code of the unit at list position `position` (Temperature, Numbers, Fractions
/// know their units by it), -1 for no unit.
int UnitCode(const std::vector<catalogue::UnitRecord>& units, int position);

/// A measure's value in one unit and that unit's factor.
struct MeasurePart {
  Extended Value = 0;
  Extended Factor = 1;
};

/// The output text of a measure given in one or more units of a Linear category
/// ("5 ft 3 in"): each value ÷ its factor, summed, × the output factor, formatted; a
/// result beyond the extended range is "result too large". With one part it is what
/// ConvertLinear gives for that value.
ConversionResult ConvertMeasure(std::span<const MeasurePart> parts, Extended outputFactor,
                                const ResultFormat& format, const NumberLocale& locale);

/// The output text for a value already read (a fraction such as 3/4) rather than the
/// input box's text, as ConvertText gives it. Number systems read digits, not values:
/// for them it is empty.
ConversionResult ConvertValue(const catalogue::UnitCatalogue& catalogue, int category,
                              int inputUnit, int outputUnit, const Extended& value,
                              const ResultFormat& format, const NumberLocale& locale);

/// The input text read once for converting it into the units of `category` one at a
/// time: Into(u) is what ConvertText gives with u as the output unit, at the cost of
/// one conversion, the text not read again. The catalogue is referred to, not copied:
/// it must outlive the conversion.
class EveryUnitConversion {
 public:
  EveryUnitConversion(const catalogue::UnitCatalogue& catalogue, int category, int inputUnit,
                      std::string_view text, const ResultFormat& format,
                      const NumberLocale& locale);

  /// The number of units of the category when the text was read; 0 for no category.
  int UnitCount() const { return m_unitCount; }
  /// The input converted into the unit at list position `outputUnit` (-1 for none).
  ConversionResult Into(int outputUnit) const;

 private:
  /// What reading the text left to do for each unit.
  enum class Step { Nothing, Digits, Failure, Value };

  const catalogue::UnitCatalogue* m_catalogue;
  ResultFormat m_format;
  NumberLocale m_locale;
  int m_category;
  int m_inputUnit;
  int m_unitCount = 0;
  Step m_step = Step::Nothing;
  std::string m_digits;  // a number system's input, read anew for each system
  Extended m_value = 0;
  int m_errorPos = 0;  // where the text stops being a number
};

/// The output text for the input text in `category`, from the unit at list position
/// `inputUnit` to the one at `outputUnit` (-1 for none). Hands the work to the
/// converter of the category's kind.
ConversionResult ConvertText(const catalogue::UnitCatalogue& catalogue, int category, int inputUnit,
                             int outputUnit, std::string_view text, const ResultFormat& format,
                             const NumberLocale& locale);

/// The input text converted into each unit of `category`, one text a unit in current
/// table order, each what ConvertText gives with that unit as the output unit. Empty
/// for a category that does not exist.
std::vector<ConversionResult> ConvertToEveryUnit(const catalogue::UnitCatalogue& catalogue,
                                                 int category, int inputUnit, std::string_view text,
                                                 const ResultFormat& format,
                                                 const NumberLocale& locale);

}  // namespace quantivo::engine
