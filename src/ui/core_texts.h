#pragma once

#include <QString>

#include "engine/conversion_factor.h"
#include "engine/conversion_result.h"
#include "engine/message.h"

namespace quantivo::ui {

// The core reports messages as codes; these give their text in the interface's
// language, from one table. Unit and category names are never translated.

/// A message's text, with the number, path or number systems it names.
QString ShownText(const engine::Message& message);

/// The output box's text: a result as it is, a message in its place translated.
QString ShownOutputText(const engine::ConversionResult& result);

/// The conversion factor's lines: units and numbers as they are, the number systems'
/// "From base 2 to base 16" translated.
QString ShownFactorText(const engine::ConversionFactor& factor);

/// The English source of a code's text, as the translations (context "CoreTexts") know
/// it: "invalid number [%1]".
const char* SourceText(engine::MessageCode code);

}  // namespace quantivo::ui
