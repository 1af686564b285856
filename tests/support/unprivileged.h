#pragma once

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace quantivo::test {

/// Runs `work` in a child process as a user whom permissions bind: this one, or nobody
/// when the tests run as root (root may write anywhere), after `folder` and all in it
/// are given to nobody. Returns the text `work` returned; nothing when the child could
/// not be started, could not give up root or did not end normally.
inline std::optional<std::string> RunUnprivileged(const std::filesystem::path& folder,
                                                  const std::function<std::string()>& work) {
  const bool root = ::geteuid() == 0;
  const passwd* nobody = root ? ::getpwnam("nobody") : nullptr;
  if (root) {
    if (nobody == nullptr || ::lchown(folder.c_str(), nobody->pw_uid, nobody->pw_gid) != 0) {
      return std::nullopt;
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
      if (::lchown(entry.path().c_str(), nobody->pw_uid, nobody->pw_gid) != 0) return std::nullopt;
    }
  }
  int ends[2];
  if (::pipe(ends) != 0) return std::nullopt;
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(ends[0]);
    // The groups first: once the user is nobody they can no longer be changed.
    const bool dropped = !root || (::setgroups(0, nullptr) == 0 && ::setgid(nobody->pw_gid) == 0 &&
                                   ::setuid(nobody->pw_uid) == 0 && ::setuid(0) != 0);
    if (!dropped) ::_exit(2);
    const std::string text = work();
    const bool written =
        ::write(ends[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::_exit(written ? 0 : 3);
  }
  ::close(ends[1]);
  std::string text;
  char buffer[4096];
  for (ssize_t got; child > 0 && (got = ::read(ends[0], buffer, sizeof buffer)) > 0;) {
    text.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(ends[0]);
  int status = 0;
  if (child <= 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return std::nullopt;
  }
  return text;
}

}  // namespace quantivo::test
