#include "model/file_attributes.h"

#include <sys/xattr.h>

#include <cerrno>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quantivo::model {
namespace {

// The access control list as the kernel keeps it among the attributes.
constexpr const char* kAccessList = "system.posix_acl_access";

// A list of names or a value, whole: its size is asked, then its bytes, again when it
// grew in between. Nothing, with errno set, on failure.
template <typename Read>
std::optional<std::string> ReadWhole(Read read) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    const ssize_t size = read(nullptr, 0);
    if (size < 0) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    const ssize_t got = read(bytes.data(), bytes.size());
    if (got >= 0) {
      bytes.resize(static_cast<std::size_t>(got));
      return bytes;
    }
    if (errno != ERANGE) return std::nullopt;
  }
  return std::nullopt;
}

bool IsUsers(std::string_view name) {
  return name.starts_with("user.") || name == kAccessList;
}

}  // namespace

bool CopyUserAttributes(const std::filesystem::path& from, int to) {
  const char* const path = from.c_str();
  std::optional<std::string> names =
      ReadWhole([&](char* list, std::size_t size) { return ::listxattr(path, list, size); });
  if (!names) {
    if (errno != ENOTSUP) return false;
    names.emplace();  // a file system without attributes: there are none to keep
  }
  bool hasAccessList = false;
  // The names follow one another, each ended by a NUL.
  for (std::size_t start = 0; start < names->size();) {
    const std::string name(names->c_str() + start);
    start += name.size() + 1;
    if (!IsUsers(name)) continue;
    const std::optional<std::string> value = ReadWhole(
        [&](char* bytes, std::size_t size) { return ::getxattr(path, name.c_str(), bytes, size); });
    if (!value && errno == ENODATA) continue;  // removed since it was listed
    if (!value || ::fsetxattr(to, name.c_str(), value->data(), value->size(), 0) != 0) {
      return false;
    }
    hasAccessList = hasAccessList || name == kAccessList;
  }
  return hasAccessList || ::fremovexattr(to, kAccessList) == 0 || errno == ENODATA ||
         errno == ENOTSUP;
}

}  // namespace quantivo::model
