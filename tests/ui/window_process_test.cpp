// The real program as a desktop session runs it: started with a settings file, left
// to settle, then ended by SIGTERM as a logout ends it.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>

#include "support/temporary_folder.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr long kMemoryLimitKib = 100 * 1024;

using quantivo::test::Contents;

struct Ended {
  int Status = -1;  // the exit status, 128 + the signal that killed it, -1 if it ran on
  long PeakKib = 0;
  std::string Errors;
};

// Starts the program on the offscreen platform with its settings in `folder`, waits
// until it sleeps in a message loop (its own or a box's) without using the processor
// for half a second, sends SIGTERM and waits for the end.
Ended RunUntilSigterm(const fs::path& folder) {
  const std::string errors = (folder / "stderr.txt").string();
  const std::string command = "QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME='" + folder.string() +
                              "/config' exec '" QUANTIVO_PROGRAM "' 2>'" + errors + "'";
  const char* argv[] = {"sh", "-c", command.c_str(), nullptr};
  pid_t pid = -1;
  Ended ended;
  if (::posix_spawn(&pid, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) {
    return ended;
  }
  const std::string stat = "/proc/" + std::to_string(pid) + "/stat";
  long lastCpu = -1;
  for (int quiet = 0, tries = 0; quiet < 5 && tries < 600; ++tries) {
    std::this_thread::sleep_for(100ms);
    std::ifstream in(stat);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // After the command's name: the state, ten numbers, then user and system time.
    std::istringstream fields(text.substr(std::min(text.rfind(')') + 2, text.size())));
    std::string state;
    long field = 0;
    long cpu = 0;
    fields >> state;
    for (int i = 0; i < 12; ++i) {
      fields >> field;
      if (i >= 10) cpu += field;
    }
    quiet = state == "S" && cpu == lastCpu ? quiet + 1 : 0;
    lastCpu = cpu;
  }
  ::kill(pid, SIGTERM);
  for (int tries = 0; tries < 1500; ++tries, std::this_thread::sleep_for(20ms)) {
    int status = 0;
    rusage usage{};
    if (::wait4(pid, &status, WNOHANG, &usage) == pid) {
      ended.Status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      ended.PeakKib = usage.ru_maxrss;
      ended.Errors = Contents(errors);
      return ended;
    }
  }
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
  return ended;
}

class WindowProcessTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(m_folder.empty());
    fs::create_directories(m_folder / "config" / "Quantivo");
  }
  fs::path Settings() const { return m_folder / "config" / "Quantivo" / "QUANTIVO.INI"; }

  quantivo::test::TemporaryFolder m_temporary;
  const fs::path& m_folder = m_temporary.Path();
};

// Huge stored sizes once took all memory or crashed the window at every start. A box
// shown at start (a file from a version with other categories) once kept a logout
// waiting for a click.
TEST_F(WindowProcessTest, SigtermEndsItWhateverTheFileSays) {
  const struct {
    const char* stored;
    const char* saved;
  } kCases[] = {
      {"[Quantivo]\nFormWidth=65536\n", "FormWidth="},
      {"[Quantivo]\nFormWidth=2147483647\nFormHeight=2147483647\n", "FormHeight="},
      {"[IndexTabs]\nTabCount=22\n", "TabCount=23"},
      // Ended before it was shown, the window keeps the place it read.
      {"[IndexTabs]\nTabCount=22\n[Quantivo]\nFormLeft=123\nFormTop=77\n", "FormLeft=123"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.stored);
    std::ofstream(Settings()) << c.stored;
    const Ended ended = RunUntilSigterm(m_folder);
    EXPECT_EQ(ended.Status, 0) << ended.Errors;
    EXPECT_LT(ended.PeakKib, kMemoryLimitKib);
    const std::string saved = Contents(Settings());
    EXPECT_NE(saved.find(c.saved), std::string::npos);
    EXPECT_EQ(saved.find("65536"), std::string::npos);
    EXPECT_EQ(saved.find("2147483647"), std::string::npos);
  }
}

// A save that fails on the way out has nobody to show its box to: it says so on the
// standard error, leaves the file, and the program ends.
TEST_F(WindowProcessTest, SigtermWithAFailingSaveEndsAndSaysWhy) {
  const std::string old = "[Quantivo]\nPrecision=7\n";
  std::ofstream(Settings()) << old;
  ::chmod(Settings().c_str(), 0444);
  const Ended ended = RunUntilSigterm(m_folder);
  EXPECT_EQ(ended.Status, 0);
  EXPECT_NE(ended.Errors.find("quantivo: Unable to write to " + Settings().string()),
            std::string::npos)
      << ended.Errors;
  EXPECT_EQ(Contents(Settings()), old);
}

// With no display to open, the program says so in one line and ends with status 1,
// where Qt would abort with advice to reinstall.
TEST_F(WindowProcessTest, NoDisplayIsOneLineAndStatusOne) {
  const struct {
    const char* environment;
    const char* said;
  } kCases[] = {
      {"DISPLAY=:59999", "quantivo: cannot open display :59999\n"},
      {"WAYLAND_DISPLAY=wayland-9", "quantivo: cannot open display wayland-9\n"},
      {"", "quantivo: cannot open display (DISPLAY and WAYLAND_DISPLAY are not set)\n"},
  };
  const std::string errors = (m_folder / "stderr.txt").string();
  for (const auto& c : kCases) {
    const int status =
        std::system(("unset QT_QPA_PLATFORM XDG_SESSION_TYPE DISPLAY WAYLAND_DISPLAY; " +
                     std::string(c.environment) + " '" QUANTIVO_PROGRAM "' 2>'" + errors + "'")
                        .c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1) << c.environment;
    EXPECT_EQ(Contents(errors), c.said);
  }
}

}  // namespace
