// Saves the settings file over and over until it is killed, alternating two versions,
// for the tests that kill a save part-way.
//
//     quantivo_save_loop PATH          save versions 1, 0, 1, 0, ... to PATH, writing
//                                      one byte to standard output after each save
//     quantivo_save_loop PATH VERSION  save that version (0 or 1) once and exit
//     quantivo_save_loop PATH VERSION STOP
//                                      save that version once, ended by the kernel at a
//                                      fixed point: "create" as the save makes its
//                                      temporary file, "write" as it writes to it,
//                                      "rename" as it renames it into place, "truncate"
//                                      as it cuts a file written in place to length, or a
//                                      number once that many bytes of it are written

#include <fcntl.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/unit_catalogue.h"
#include "model/converter_model.h"
#include "model/settings_file.h"
#include "model/user_messages.h"

namespace {

using quantivo::catalogue::UnitCatalogue;
using quantivo::model::ConverterModel;

class StandardErrorMessages : public quantivo::model::UserMessages {
 public:
  void ShowInformation(const quantivo::engine::Message& message) override { Print(message); }
  void ShowError(const quantivo::engine::Message& message) override { Print(message); }

 private:
  static void Print(const quantivo::engine::Message& message) {
    std::fprintf(stderr, "%s\n", quantivo::engine::EnglishText(message).c_str());
  }
};

// Version 0 makes a file of about 2 kB, version 1 one of about 25 kB, so that a file
// cut short or put together from both cannot pass for either.
void ApplyVersion(ConverterModel& model, int version) {
  model.SelectTab(version == 0 ? 0 : 5);
  model.SetFormat({version == 0 ? quantivo::engine::ViewType::AutoFormat
                                : quantivo::engine::ViewType::Scientific,
                   version == 0 ? 4 : 9});
  quantivo::model::WindowBounds bounds = model.Window().Window;
  bounds.FormTop = version == 0 ? 10 : 200;
  model.SetWindowBounds(bounds, model.Window().TableWindow);
  for (int category = 0; category < model.Catalogue().CategoryCount(); ++category) {
    const char digit = static_cast<char>('0' + category % 10);
    model.SetViewState(category, {version, version + 1,
                                  version == 0 ? std::string(1, digit) : std::string(1000, digit)});
  }
}

#if defined(__x86_64__)
constexpr std::uint32_t kAuditArch = AUDIT_ARCH_X86_64;
#elif defined(__i386__)
constexpr std::uint32_t kAuditArch = AUDIT_ARCH_I386;
#endif

constexpr sock_filter Load(std::size_t offset) {
  return BPF_STMT(BPF_LD | BPF_W | BPF_ABS, static_cast<std::uint32_t>(offset));
}
// The low 32 bits of a system call's argument (x86 is little-endian).
constexpr sock_filter LoadArgument(std::size_t argument) {
  return Load(offsetof(seccomp_data, args) + argument * sizeof(std::uint64_t));
}
constexpr sock_filter Jump(std::uint16_t test, std::uint32_t value, std::uint8_t skipIfTrue,
                           std::uint8_t skipIfFalse) {
  return BPF_JUMP(BPF_JMP | test | BPF_K, value, skipIfTrue, skipIfFalse);
}
constexpr sock_filter Return(std::uint32_t action) {
  return BPF_STMT(BPF_RET | BPF_K, action);
}

// Has the kernel end this process with SIGSYS at its first system call of the kind
// `stop` names, before the call is made. Each test jumps over the kill when it fails.
bool KillAtSystemCall(std::string_view stop) {
  std::vector<sock_filter> filter = {Load(offsetof(seccomp_data, arch)),
                                     Jump(BPF_JEQ, kAuditArch, 1, 0), Return(SECCOMP_RET_ALLOW),
                                     Load(offsetof(seccomp_data, nr))};
  if (stop == "create") {  // mkstemp's open
    filter.insert(filter.end(), {Jump(BPF_JEQ, __NR_openat, 0, 3), LoadArgument(2),
                                 Jump(BPF_JSET, O_CREAT, 0, 1)});
  } else if (stop == "write") {  // not standard output nor error
    filter.insert(filter.end(), {Jump(BPF_JEQ, __NR_write, 0, 3), LoadArgument(0),
                                 Jump(BPF_JGT, STDERR_FILENO, 0, 1)});
  } else if (stop == "rename") {
    filter.insert(filter.end(),
                  {Jump(BPF_JEQ, __NR_rename, 2, 0), Jump(BPF_JEQ, __NR_renameat, 1, 0),
                   Jump(BPF_JEQ, __NR_renameat2, 0, 1)});
  } else if (stop == "truncate") {
    filter.insert(filter.end(), {Jump(BPF_JEQ, __NR_ftruncate, 0, 1)});
  } else {
    errno = EINVAL;
    return false;
  }
  filter.insert(filter.end(), {Return(SECCOMP_RET_KILL_PROCESS), Return(SECCOMP_RET_ALLOW)});
  const sock_fprog program{static_cast<unsigned short>(filter.size()), filter.data()};
  return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
         ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

// Ends the save where `stop` says: a number is a file size limit, whose next write
// past it raises SIGXFSZ; anything else a system call. No core file either way.
bool StopAt(std::string_view stop) {
  const rlimit noCore{0, 0};
  if (::setrlimit(RLIMIT_CORE, &noCore) != 0) return false;
  rlim_t bytes = 0;
  const char* const end = stop.data() + stop.size();
  if (const auto read = std::from_chars(stop.data(), end, bytes);
      read.ec == std::errc() && read.ptr == end) {
    rlimit size{};
    if (::getrlimit(RLIMIT_FSIZE, &size) != 0) return false;
    size.rlim_cur = bytes;
    return ::setrlimit(RLIMIT_FSIZE, &size) == 0;
  }
  return KillAtSystemCall(stop);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 4) {
    std::fprintf(stderr, "usage: %s PATH [VERSION [STOP]]\n", argv[0]);
    return 2;
  }
  const std::string path = argv[1];
  ConverterModel model(UnitCatalogue(), quantivo::engine::NumberLocale{});
  StandardErrorMessages messages;
  if (argc >= 3) {
    ApplyVersion(model, std::string_view(argv[2]) == "1" ? 1 : 0);
    if (argc == 4 && !StopAt(argv[3])) {
      std::perror(argv[3]);
      return 3;
    }
    return quantivo::model::SaveSettingsFile(model, path, messages) ? 0 : 1;
  }
  for (long round = 0;; ++round) {
    ApplyVersion(model, round % 2 == 0 ? 1 : 0);
    if (!quantivo::model::SaveSettingsFile(model, path, messages)) return 1;
    if (::write(STDOUT_FILENO, "S", 1) != 1) return 1;
  }
}
