#pragma once

#include <string>

#include "model/profile_file.h"

namespace quantivo::test {

/// A key's value in a settings file's text; "<missing>" when the key is not there.
inline std::string ValueOf(const std::string& text, const std::string& section,
                           const std::string& key) {
  model::ProfileFile file;
  file.LoadText(text);
  return file.ReadString(section, key, "<missing>");
}

}  // namespace quantivo::test
