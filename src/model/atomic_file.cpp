#include "model/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <ctime>
#include <fstream>
#include <string>
#include <thread>
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

// How long a save or a read waits for a save writing the file in place, and how often
// it looks.
constexpr std::chrono::seconds kLockPatience{5};
constexpr std::chrono::milliseconds kLockPause{10};

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

// Writes the text at the file's offset, or at `offset` from its start when one is given.
bool WriteAll(int fd, std::string_view text, std::optional<off_t> offset = std::nullopt) {
  while (!text.empty()) {
    const ssize_t written = offset ? ::pwrite(fd, text.data(), text.size(), *offset)
                                   : ::write(fd, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(written));
    if (offset) *offset += written;
  }
  return true;
}

// Locks the file, waiting a while but not for ever: a save holds its lock for one write,
// and a lock another program keeps must not hang the program.
bool Lock(int fd, int operation) {
  const auto deadline = std::chrono::steady_clock::now() + kLockPatience;
  while (::flock(fd, operation | LOCK_NB) != 0) {
    if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > deadline)
      return false;
    std::this_thread::sleep_for(kLockPause);
  }
  return true;
}

// The whole text of an open file from its start.
std::optional<std::string> ReadAll(int fd) {
  std::string text;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (got == 0) return text;
    text.append(buffer, static_cast<std::size_t>(got));
  }
}

// Opens a plain file to read; -1 with errno set for anything else. Without O_NONBLOCK,
// opening a FIFO would wait for a writer.
int OpenToRead(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  struct stat info {};
  if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
    ::close(fd);
    errno = EINVAL;
    return -1;
  }
  return fd;
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

// The name of the whole new text that a save writing the file in place keeps beside it
// until the file holds that text, synced.
std::string PendingName(std::string_view fileName) {
  return "." + std::string(fileName) + ".quantivo-pending";
}

// Makes a file in `folder` named as TemporaryNamePrefix says and writes the text to it.
// Returns it open, or -1 with nothing left behind; `name` gets its path.
int WriteTemporary(const std::filesystem::path& folder, const std::string& fileName,
                   std::string_view text, std::string& name) {
  name = PathInFolder(folder.native(), TemporaryNamePrefix(fileName) + "XXXXXX");
  const int fd = ::mkstemp(name.data());
  if (fd < 0 || WriteAll(fd, text)) return fd;
  ::close(fd);
  ::unlink(name.c_str());
  return -1;
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

// Writes the text beside the file at `path` and renames it into place, with the old
// file's owner, attributes and mode (`old`, nothing for a new file).
bool WriteAndRename(const std::filesystem::path& path, const std::filesystem::path& folder,
                    const std::string& fileName, std::string_view text, const struct stat* old) {
  std::string temporary;
  FileDescriptor file(WriteTemporary(folder, fileName, text, temporary));
  if (file.Get() < 0) return false;
  bool ok = old == nullptr || (KeepOwner(file.Get(), *old) && CopyUserAttributes(path, file.Get()));
  // The mode last: a change of owner may clear some of its bits, and an access control
  // list sets them from its own entries.
  ok = ok && SetMode(file.Get(), old != nullptr ? old->st_mode & 07777 : NewFileMode());
  ok = ok && ::fsync(file.Get()) == 0;
  ok = file.Close() && ok;
  ok = ok && ::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) ::unlink(temporary.c_str());
  return ok;
}

// Writes the text into the file itself, so that each of its names shows it. The whole
// text is first kept beside it under PendingName: should the save be cut short while the
// file holds part of it, ReadSavedText reads that copy, until a save removes it.
bool WriteInPlace(const std::filesystem::path& path, const std::filesystem::path& folder,
                  const std::string& fileName, std::string_view text, const struct stat& old) {
  FileDescriptor file(::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC));
  struct stat info {};
  if (file.Get() < 0 || ::fstat(file.Get(), &info) != 0 || info.st_dev != old.st_dev ||
      info.st_ino != old.st_ino) {
    return false;
  }
  std::string copyName;
  FileDescriptor copy(WriteTemporary(folder, fileName, text, copyName));
  if (copy.Get() < 0) return false;
  const std::string pending = PathInFolder(folder.native(), PendingName(fileName));
  const auto size = static_cast<off_t>(text.size());
  // One save at a time writes the file, and ReadSavedText waits for it. Room for the
  // whole text is taken first, so that a full disk stops the save before the file
  // changes.
  bool ok = ::fsync(copy.Get()) == 0 && copy.Close() && Lock(file.Get(), LOCK_EX);
  ok = ok && (size == 0 || ::fallocate(file.Get(), FALLOC_FL_KEEP_SIZE, 0, size) == 0 ||
              errno == EOPNOTSUPP || errno == ENOSYS);
  ok = ok && ::rename(copyName.c_str(), pending.c_str()) == 0;
  if (!ok) {
    ::unlink(copyName.c_str());
    return false;
  }
  SyncFolder(folder);
  // From here on the file may hold part of the text: a failure leaves the copy.
  if (!WriteAll(file.Get(), text, 0) || ::ftruncate(file.Get(), size) != 0 ||
      ::fsync(file.Get()) != 0) {
    return false;
  }
  ::unlink(pending.c_str());
  return file.Close();
}

}  // namespace

std::string PathInFolder(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '/') path += '/';
  path += name;
  return path;
}

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
    current = next.is_absolute()
                  ? next
                  : std::filesystem::path(PathInFolder(current.parent_path().native(), target));
  }
  return std::nullopt;
}

std::optional<std::string> ReadFileText(const std::filesystem::path& path) {
  const FileDescriptor file(OpenToRead(path));
  if (file.Get() < 0) return errno == ENOENT ? std::optional<std::string>("") : std::nullopt;
  return ReadAll(file.Get());
}

std::optional<std::string> ReadSavedText(const std::filesystem::path& path) {
  const FileDescriptor file(OpenToRead(path));
  if (file.Get() < 0) return errno == ENOENT ? std::optional<std::string>("") : std::nullopt;
  // A save writing the file in place holds it locked. Where the file system has no
  // locks, or the lock cannot be had in time, the file is read as it is.
  Lock(file.Get(), LOCK_SH);
  if (const std::optional<std::filesystem::path> target = ResolveLinks(path)) {
    const std::string pending =
        PathInFolder(target->parent_path().native(), PendingName(target->filename().native()));
    struct stat info {};
    if (::lstat(pending.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        info.st_uid == ::geteuid()) {
      return ReadFileText(pending);
    }
  }
  return ReadAll(file.Get());
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
  // A rename would part a file of several names from all but one of them.
  const bool written = exists && old.st_nlink > 1
                           ? WriteInPlace(path, folder, fileName, text, old)
                           : WriteAndRename(path, folder, fileName, text, exists ? &old : nullptr);
  if (!written) return false;
  // A copy that a save cut short left beside the file is older than the file now.
  ::unlink(PathInFolder(folder.native(), PendingName(fileName)).c_str());
  // Make the rename or the removal durable; a failure here no longer risks the file.
  SyncFolder(folder);
  return true;
}

}  // namespace quantivo::model
