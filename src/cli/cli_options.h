#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/format_result.h"

namespace quantivo::cli {

/// What the command line asks for.
struct Options {
  engine::ResultFormat Format;
  bool Batch = false;
  bool List = false;
  bool Names = false;
  bool Table = false;
  bool Sorted = false;
  bool Verbose = false;
  bool NoCustomUnits = false;  // leave the units file unread
  bool Help = false;
  bool Version = false;
  std::vector<std::string_view> Positional;
};

/// The help: the forms of the command, what it does, its options and exit statuses.
std::string_view UsageText();

/// Fills `options` from the arguments (without the program name); returns the
/// message for a bad option or a form that lacks operands, or nothing. "--" ends the
/// options; "-40" is a value.
std::optional<std::string> ParseArguments(const std::vector<std::string_view>& args,
                                          Options& options);

}  // namespace quantivo::cli
