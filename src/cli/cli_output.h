#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace quantivo::cli {

/// The program's name, as its messages begin.
inline constexpr std::string_view kProgram = "quantivo-convert";

/// Exit statuses besides 0: input or output failed; an unknown or unclear name or a
/// bad option; a value that cannot be converted.
inline constexpr int kIoError = 1;
inline constexpr int kUsageError = 2;
inline constexpr int kValueError = 3;

/// The worse of two exit statuses: a failed read or write, then a bad name or option,
/// then a value that does not convert.
int WorseStatus(int a, int b);

/// User text as a message echoes it: control characters (C1 ones included), quotes,
/// backslashes and bytes that are not UTF-8 become C escapes, so no name can send
/// the terminal a control sequence.
std::string Escaped(std::string_view text);

/// Text from a file or the environment, as a message shows it unquoted: escaped as
/// Escaped does, but with its quotes and backslashes as they are.
std::string Printable(std::string_view text);

/// The escaped text in double quotes.
std::string Quoted(std::string_view name);

/// "a", "a and b", "a, b and c" (or `conjunction` in place of "and").
template <typename Items>
std::string Listed(const Items& items, std::string_view conjunction = "and") {
  std::string list;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) list.append(i + 1 == items.size() ? " " : ", ");
    if (i > 0 && i + 1 == items.size()) list.append(conjunction).append(" ");
    list += items[i];
  }
  return list;
}

/// The items that are not empty, `separator` between them.
std::string Join(const std::vector<std::string>& items, std::string_view separator);

/// "; did you mean "a", "b" or "c"?", or nothing when no name is near.
std::string Suggestion(const std::vector<std::string_view>& nearest);
/// The same for the three names of `names` nearest to `typed`.
std::string Suggestion(const std::vector<std::string_view>& names, std::string_view typed);

/// Reports a failed read or write with the reason the system gave, if any; returns
/// kIoError.
int ReportIoError(std::ostream& err, std::string_view what, int error);

/// Flushes the results and reports a write failure since errno was last cleared;
/// otherwise returns `status`.
int FinishOutput(std::ostream& out, std::ostream& err, int status);

}  // namespace quantivo::cli
