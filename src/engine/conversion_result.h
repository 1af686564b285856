#pragma once

#include <optional>
#include <string>
#include <utility>

#include "engine/message.h"

namespace quantivo::engine {

/// What a conversion puts in the output box: the result, or a message in its place
/// when the conversion fails ("invalid number [3]"); neither when there is nothing to
/// convert (an empty input, a unit missing).
struct ConversionResult {
  ConversionResult() = default;
  ConversionResult(std::string text) : Text(std::move(text)) {}       // NOLINT: a result
  ConversionResult(Message failure) : Failure(std::move(failure)) {}  // NOLINT: a failure

  /// The result's text; empty with a message.
  std::string Text;
  /// The message in the result's place.
  std::optional<Message> Failure;

  friend bool operator==(const ConversionResult&, const ConversionResult&) = default;
};

/// The output box in English: the result, or the message's English text.
inline std::string EnglishText(const ConversionResult& result) {
  return result.Failure ? EnglishText(*result.Failure) : result.Text;
}

}  // namespace quantivo::engine
