#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quantivo::ui {

// The core writes its texts in English, as the command line and the settings file
// want them; these give the window's reading of them in the interface's language.
// Unit and category names are never translated.

/// The output box's text: a message in a result's place ("invalid number [3]",
/// "result too large") translated, a result as it is.
QString ShownOutputText(const std::string& text);

/// A box's message from the core or the window (a file that cannot be read or
/// written, with its path; a refused command), translated. A text not known here is
/// shown as it is.
QString ShownMessage(std::string_view text);

/// The conversion factor's lines: the number systems' "From base 2 to base 16"
/// translated; a line of units and numbers as it is.
QString ShownFactorText(const std::string& text);

}  // namespace quantivo::ui
