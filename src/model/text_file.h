#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quantivo::model {

/// Whether a file's bytes are text in UTF-16, which the program does not read: they
/// begin with its byte-order mark, or hold a NUL among their first two bytes, as a
/// first character written in UTF-16 without the mark does when it is one of ASCII.
bool IsUtf16Text(std::string_view text);

/// The line end a file's text uses: that of its first line, "\n", "\r\n" or a "\r"
/// alone, as old Macs wrote; "\n" for text without one.
std::string_view LineEndOf(std::string_view text);

/// Where the line of `text` that begins at `start` ends, after its line end: after the
/// first of the characters `breaks`, and a "\n" that follows a "\r" there; at the end of
/// the text for a last line without one.
std::size_t LineEndAfter(std::string_view text, std::size_t start, std::string_view breaks);

/// The text of a file the user may edit as ReadSavedText reads it; nothing also for a
/// file in UTF-16, which the program can neither read nor replace without losing it.
std::optional<std::string> ReadUserText(const std::filesystem::path& path);

}  // namespace quantivo::model
