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
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr long kMemoryLimitKib = 100 * 1024;

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A line of /proc/PID/status, or of /proc/PID/stat split into fields.
std::string StatusField(pid_t pid, const std::string& name) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(name + ":", 0) == 0) return line.substr(name.size() + 1);
  }
  return {};
}

class Program {
 public:
  explicit Program(const fs::path& configHome) {
    std::vector<std::string> variables{"QT_QPA_PLATFORM=offscreen",
                                       "XDG_CONFIG_HOME=" + configHome.string()};
    for (char** variable = environ; *variable != nullptr; ++variable) {
      const std::string text = *variable;
      if (text.rfind("QT_QPA_PLATFORM=", 0) != 0 && text.rfind("XDG_CONFIG_HOME=", 0) != 0) {
        variables.push_back(text);
      }
    }
    std::vector<char*> envp;
    for (std::string& variable : variables) envp.push_back(variable.data());
    envp.push_back(nullptr);
    m_errors = configHome.parent_path() / "stderr.txt";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, m_errors.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    char* argv[] = {const_cast<char*>(QUANTIVO_PROGRAM), nullptr};
    if (::posix_spawn(&m_pid, QUANTIVO_PROGRAM, &actions, nullptr, argv, envp.data()) != 0) {
      m_pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
  }
  ~Program() {
    if (m_pid > 0) {
      ::kill(m_pid, SIGKILL);
      ::waitpid(m_pid, nullptr, 0);
    }
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return m_pid > 0; }

  /// Waits until the program has its signal handlers and sleeps in its message loop
  /// (or a box's), using no processor time for a while. False if its memory passes
  /// the limit on the way, or it ends, or it never settles.
  bool WaitUntilIdle() {
    long lastCpu = -1;
    int quiet = 0;
    for (auto deadline = std::chrono::steady_clock::now() + 60s;
         std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(100ms)) {
      m_peakKib = std::max(m_peakKib, std::atol(StatusField(m_pid, "VmRSS").c_str()));
      if (m_peakKib > kMemoryLimitKib) return false;
      const unsigned long long caught =
          std::stoull("0" + Trim(StatusField(m_pid, "SigCgt")), nullptr, 16);
      std::ifstream stat("/proc/" + std::to_string(m_pid) + "/stat");
      std::string text{std::istreambuf_iterator<char>(stat), std::istreambuf_iterator<char>()};
      if (text.empty()) return false;
      // Fields after the command's closing parenthesis: state is the first, utime and
      // stime the 12th and 13th.
      std::istringstream fields(text.substr(text.rfind(')') + 2));
      std::string state;
      long skip = 0;
      long utime = 0;
      long stime = 0;
      fields >> state;
      for (int i = 0; i < 10; ++i) fields >> skip;
      fields >> utime >> stime;
      const bool handlesTerm = (caught >> (SIGTERM - 1)) & 1;
      quiet = handlesTerm && state == "S" && utime + stime == lastCpu ? quiet + 1 : 0;
      lastCpu = utime + stime;
      if (quiet >= 5) return true;
    }
    return false;
  }

  /// Sends the signal and waits for the end; the exit status, or -1 if it did not end
  /// within the time.
  int SignalAndWait(int signal, std::chrono::seconds within = 30s) {
    ::kill(m_pid, signal);
    for (auto deadline = std::chrono::steady_clock::now() + within;
         std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(20ms)) {
      int status = 0;
      rusage usage{};
      if (::wait4(m_pid, &status, WNOHANG, &usage) == m_pid) {
        m_pid = -1;
        m_peakKib = std::max(m_peakKib, usage.ru_maxrss);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
    }
    return -1;
  }

  long PeakKib() const { return m_peakKib; }
  std::string Errors() const { return Contents(m_errors); }

 private:
  static std::string Trim(std::string text) {
    text.erase(0, text.find_first_not_of(" \t"));
    return text;
  }

  pid_t m_pid = -1;
  long m_peakKib = 0;
  fs::path m_errors;
};

class WindowProcessTest : public testing::Test {
 protected:
  void SetUp() override {
    char folder[] = "/tmp/quantivo-process-XXXXXX";
    ASSERT_NE(::mkdtemp(folder), nullptr);
    m_folder = folder;
    fs::create_directories(m_folder / "config" / "Quantivo");
  }
  void TearDown() override {
    std::error_code error;
    fs::remove_all(m_folder, error);
  }
  fs::path SettingsFile() const { return m_folder / "config" / "Quantivo" / "QUANTIVO.INI"; }
  void WriteSettings(const std::string& text) const {
    std::ofstream(SettingsFile(), std::ios::binary) << text;
  }

  fs::path m_folder;
};

// Huge stored sizes once took all memory or crashed the window at every start.
TEST_F(WindowProcessTest, HugeStoredSizesStartSmallAndEndOnSigterm) {
  for (const char* stored :
       {"FormWidth=65536\n", "FormWidth=2147483647\nFormHeight=2147483647\n"}) {
    SCOPED_TRACE(stored);
    WriteSettings(std::string("[Quantivo]\n") + stored);
    Program program(m_folder / "config");
    ASSERT_TRUE(program.Started());
    EXPECT_TRUE(program.WaitUntilIdle()) << program.PeakKib() << " KiB";
    EXPECT_EQ(program.SignalAndWait(SIGTERM), 0);
    EXPECT_LT(program.PeakKib(), kMemoryLimitKib);
    EXPECT_NE(Contents(SettingsFile()).find("FormHeight="), std::string::npos);
    EXPECT_EQ(Contents(SettingsFile()).find("2147483647"), std::string::npos);
    EXPECT_EQ(Contents(SettingsFile()).find("65536"), std::string::npos);
  }
}

// The box shown at start (a file from a version with other categories) does not keep
// a logout waiting: the program ends and saves as at any exit.
TEST_F(WindowProcessTest, SigtermClosesTheBoxShownAtStart) {
  WriteSettings("[IndexTabs]\nTabCount=22\n");
  Program program(m_folder / "config");
  ASSERT_TRUE(program.Started());
  ASSERT_TRUE(program.WaitUntilIdle());
  EXPECT_EQ(program.SignalAndWait(SIGTERM), 0);
  EXPECT_NE(Contents(SettingsFile()).find("TabCount=23"), std::string::npos);
}

// A save that fails on the way out has nobody to show its box to: it says so on the
// standard error, leaves the file, and the program ends.
TEST_F(WindowProcessTest, SigtermWithAFailingSaveEndsAndSaysWhy) {
  const std::string old = "[Quantivo]\nPrecision=7\n";
  WriteSettings(old);
  ::chmod(SettingsFile().c_str(), 0444);
  Program program(m_folder / "config");
  ASSERT_TRUE(program.Started());
  ASSERT_TRUE(program.WaitUntilIdle());
  EXPECT_EQ(program.SignalAndWait(SIGTERM), 0);
  EXPECT_NE(program.Errors().find("quantivo: Unable to write to " + SettingsFile().string()),
            std::string::npos)
      << program.Errors();
  EXPECT_EQ(Contents(SettingsFile()), old);
}

}  // namespace
