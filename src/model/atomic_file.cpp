#include "model/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "model/file_attributes.h"

namespace quantivo::model {
namespace {

// As many links as the kernel follows before it gives up with ELOOP.
constexpr int kMaxLinks = 40;

// A save cut short (the process killed, the machine off) leaves its new file beside
// the old one. Such files older than this are removed; a younger one may be another
// instance saving at this moment.
constexpr std::time_t kStaleSeconds = 10 * 60;

constexpr std::size_t kRandomLength = 6;  // mkstemp's XXXXXX

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  ~FileDescriptor() {
    if (m_fd >= 0) ::close(m_fd);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return m_fd; }
  /// Closes now, as a failed close of a written file is a failed write.
  bool Close() {
    const int fd = m_fd;
    m_fd = -1;
    return ::close(fd) == 0;
  }

 private:
  int m_fd;
};

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

mode_t NewFileMode() {
  // Read where the kernel shows it: setting the umask to learn it would change it for
  // every thread for a moment.
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("Umask:", 0) == 0) {
      return 0666 & ~static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    }
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool InGroup(gid_t group) {
  if (group == ::getegid()) return true;
  const int count = ::getgroups(0, nullptr);
  if (count <= 0) return false;
  std::vector<gid_t> groups(static_cast<std::size_t>(count));
  const int got = ::getgroups(count, groups.data());
  for (int i = 0; i < got; ++i) {
    if (groups[static_cast<std::size_t>(i)] == group) return true;
  }
  return false;
}

// Whether the file's mode grants writing to the class of users we are in. Root goes
// by the owner's bit, as it writes for the owner: a file its owner made read-only is
// meant to stay as it is.
bool ModeLetsUsWrite(const struct stat& info) {
  if (info.st_uid == ::geteuid() || ::geteuid() == 0) return (info.st_mode & S_IWUSR) != 0;
  if (InGroup(info.st_gid)) return (info.st_mode & S_IWGRP) != 0;
  return (info.st_mode & S_IWOTH) != 0;
}

// Makes the folder and any missing folders above it, readable by the user alone.
bool MakeFolders(const std::filesystem::path& folder) {
  if (folder.empty()) return true;
  struct stat info {};
  if (::stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
  if (errno != ENOENT) return false;
  // A link to a folder that is not there yet: the folder it names is made.
  if (::lstat(folder.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
    const std::optional<std::filesystem::path> target = ResolveLinks(folder);
    return target && *target != folder && MakeFolders(*target);
  }
  const std::filesystem::path parent = folder.parent_path();
  if (parent != folder && !MakeFolders(parent)) return false;
  return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

bool IsRandomPart(std::string_view text) {
  if (text.size() != kRandomLength) return false;
  for (const char c : text) {
    const bool alphanumeric =
        (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!alphanumeric) return false;
  }
  return true;
}

// Removes the old leftovers of our own cut-short saves of `fileName` from `folder`:
// plain files of ours, named as only ReplaceFileText names them.
void RemoveStaleTemporaries(const std::filesystem::path& folder, std::string_view fileName) {
  const std::string prefix = TemporaryNamePrefix(fileName);
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  const std::time_t now = std::time(nullptr);
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.size() != prefix.size() + kRandomLength || name.substr(0, prefix.size()) != prefix ||
        !IsRandomPart(name.substr(prefix.size()))) {
      continue;
    }
    struct stat info {};
    if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
        now - info.st_mtime > kStaleSeconds) {
      ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
  }
  ::closedir(dir);
}

void SyncFolder(const std::filesystem::path& folder) {
  const FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.Get() >= 0) ::fsync(dir.Get());
}

// The file stays its owner's: where that cannot be kept, it is not replaced. The group
// is kept where the user may set it.
bool KeepOwner(int fd, const struct stat& old) {
  if (old.st_uid != ::geteuid()) return ::fchown(fd, old.st_uid, old.st_gid) == 0;
  if (old.st_gid != ::getegid()) {
    [[maybe_unused]] const int kept = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
  }
  return true;
}

// Sets the mode and checks that the file took it whole: the kernel drops a set-group-ID
// bit of a group the user is not in.
bool SetMode(int fd, mode_t mode) {
  struct stat info {};
  return ::fchmod(fd, mode) == 0 && ::fstat(fd, &info) == 0 && (info.st_mode & 07777) == mode;
}

}  // namespace

std::string TemporaryNamePrefix(std::string_view fileName) {
  return "." + std::string(fileName) + ".quantivo-save-";
}

std::optional<std::filesystem::path> ResolveLinks(const std::filesystem::path& path) {
  std::filesystem::path current = path;
  for (int links = 0; links <= kMaxLinks; ++links) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0) {
      // Only a missing file is a file still to be made; any other failure leaves the
      // path unknown.
      if (errno == ENOENT) return current;
      return std::nullopt;
    }
    if (!S_ISLNK(info.st_mode)) return current;
    std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
    const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) return std::nullopt;
    target.resize(static_cast<std::size_t>(length));
    const std::filesystem::path next = target;
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  return std::nullopt;
}

std::optional<std::string> ReadFileText(const std::filesystem::path& path) {
  // Without O_NONBLOCK, opening a FIFO would wait for a writer.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.Get() < 0) {
    if (errno == ENOENT) return std::string();
    return std::nullopt;
  }
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  std::string text;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (got == 0) return text;
    text.append(buffer, static_cast<std::size_t>(got));
  }
}

bool ReplaceFileText(const std::filesystem::path& path, std::string_view text) {
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  const std::string fileName = path.filename().string();
  if (fileName.empty() || !MakeFolders(folder)) return false;

  struct stat old {};
  const bool exists = ::lstat(path.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) return false;
  if (exists && (!S_ISREG(old.st_mode) || !ModeLetsUsWrite(old))) return false;

  RemoveStaleTemporaries(folder, fileName);
  std::string temporary = (folder / (TemporaryNamePrefix(fileName) + "XXXXXX")).string();
  FileDescriptor file(::mkstemp(temporary.data()));
  if (file.Get() < 0) return false;

  bool ok = WriteAll(file.Get(), text);
  ok = ok && (!exists || (KeepOwner(file.Get(), old) && CopyUserAttributes(path, file.Get())));
  // The mode last: a change of owner may clear some of its bits, and an access control
  // list sets them from its own entries.
  ok = ok && SetMode(file.Get(), exists ? (old.st_mode & 07777) : NewFileMode());
  ok = ok && ::fsync(file.Get()) == 0;
  ok = file.Close() && ok;
  ok = ok && ::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary.c_str());
    return false;
  }
  // Make the rename itself durable; a failure here no longer risks the file.
  SyncFolder(folder);
  return true;
}

}  // namespace quantivo::model
