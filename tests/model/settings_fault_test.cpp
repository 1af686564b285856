// The settings file when things go wrong around it: a full disk, a save killed
// part-way, two programs saving to the same file.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sched.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "model/settings_file.h"
#include "support/profile_value.h"
#include "support/recorded_messages.h"
#include "support/temporary_folder.h"

extern char** environ;

namespace quantivo::model {
namespace {

using catalogue::UnitCatalogue;

using test::RecordedMessages;

using test::Contents;
using test::ValueOf;

std::string ErrorText(const char* what) {
  return std::string(what) + ": " + std::strerror(errno);
}

// The helper program saving the settings file in a loop; killed when it goes.
class SaveLoop {
 public:
  explicit SaveLoop(const std::vector<std::string>& arguments) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    std::vector<char*> argv{const_cast<char*>(QUANTIVO_SAVE_LOOP)};
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    if (::posix_spawn(&m_pid, QUANTIVO_SAVE_LOOP, &actions, nullptr, argv.data(), environ) != 0) {
      m_pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(ends[1]);
    m_output = ends[0];
  }
  ~SaveLoop() {
    if (m_pid > 0) Kill();
    if (m_output >= 0) ::close(m_output);
  }
  SaveLoop(const SaveLoop&) = delete;
  SaveLoop& operator=(const SaveLoop&) = delete;

  /// Waits for the loop to finish `count` more saves: it writes a byte after each.
  bool WaitForSaves(int count) {
    for (int i = 0; i < count; ++i) {
      pollfd ready{m_output, POLLIN, 0};
      char byte = 0;
      if (m_pid <= 0 || ::poll(&ready, 1, 10000) != 1 || ::read(m_output, &byte, 1) != 1) {
        return false;
      }
    }
    return true;
  }
  /// True when the program was still running and SIGKILL ended it.
  bool Kill() {
    ::kill(m_pid, SIGKILL);
    return Reap() && m_status.signal == SIGKILL;
  }
  /// The exit status of a program that ends by itself, -1 for any other end.
  int Wait() { return Reap() && m_status.signal == 0 ? m_status.code : -1; }
  /// The signal that ended the program, 0 when it exited, -1 when it cannot be told.
  int WaitForSignal() { return Reap() ? m_status.signal : -1; }

 private:
  bool Reap() {
    int status = 0;
    if (m_pid <= 0 || ::waitpid(m_pid, &status, 0) != m_pid) return false;
    m_pid = -1;
    m_status.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    m_status.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return true;
  }

  pid_t m_pid = -1;
  int m_output = -1;
  struct {
    int signal = 0;
    int code = -1;
  } m_status;
};

class SettingsFault : public testing::Test {
 protected:
  void SetUp() override {
    std::string folder =
        (std::filesystem::temp_directory_path() / "quantivo-fault-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr) << ErrorText("mkdtemp");
    m_folder = folder;
    m_path = (m_folder / kSettingsFileName).string();
  }
  void TearDown() override {
    if (!m_disk.empty()) ::umount2(m_disk.c_str(), MNT_DETACH);
    std::error_code error;
    std::filesystem::remove_all(m_folder, error);
  }

  /// A tmpfs of 64 kB at `folder`, mounted in a mount namespace of this process's own
  /// so that nothing outlives the test. Empty when it could be made, else why not.
  std::string MountSmallDisk(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    if (::unshare(CLONE_NEWNS) != 0) return ErrorText("unshare");
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
      return ErrorText("private mounts");
    }
    if (::mount("tmpfs", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") != 0) {
      return ErrorText("mount");
    }
    m_disk = folder.string();
    return {};
  }

  /// The temporary files a save left beside the settings file: hidden, named after it
  /// and ending in six random characters.
  static std::vector<std::filesystem::path> LeftBehind(const std::filesystem::path& folder) {
    const std::string prefix = ".QUANTIVO.INI.quantivo-save-";
    std::vector<std::filesystem::path> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      const std::string name = entry.path().filename().string();
      if (name.starts_with(prefix) && name.size() == prefix.size() + 6) left.push_back(entry);
    }
    return left;
  }

  /// How long one save of the loop takes on this machine, in a build of this kind: kills
  /// are spread over about two saves, however fast or slow they are.
  std::chrono::microseconds SaveDuration() {
    const std::filesystem::path folder = m_folder / "timing";
    std::filesystem::create_directories(folder);
    SaveLoop loop({(folder / kSettingsFileName).string()});
    constexpr int kSaves = 10;
    if (!loop.WaitForSaves(1)) return {};
    const auto start = std::chrono::steady_clock::now();
    if (!loop.WaitForSaves(kSaves)) return {};
    const auto elapsed = std::chrono::steady_clock::now() - start;
    return std::chrono::duration_cast<std::chrono::microseconds>(elapsed / kSaves);
  }

  /// The file the save loop writes for version 0 or 1, written once on its own.
  std::string VersionText(int version) {
    const std::filesystem::path path = m_folder / ("version" + std::to_string(version));
    SaveLoop once({path.string(), std::to_string(version)});
    EXPECT_EQ(once.Wait(), 0);
    return Contents(path);
  }

  std::filesystem::path m_folder;
  std::string m_path;
  std::string m_disk;
  RecordedMessages m_messages;
};

TEST_F(SettingsFault, FullDiskKeepsTheOldFile) {
  const std::filesystem::path disk = m_folder / "disk";
  if (const std::string why = MountSmallDisk(disk); !why.empty()) {
    GTEST_SKIP() << "no small disk to fill (" << why << ")";
  }
  const std::string path = (disk / kSettingsFileName).string();
  const std::string old = "[Quantivo]\nPrecision=7\n[Mine]\nkeep=1\n";
  std::ofstream(path, std::ios::binary) << old;

  // Fill the disk to its last page.
  const int filler = ::open((disk / "filler").c_str(), O_WRONLY | O_CREAT, 0600);
  ASSERT_GE(filler, 0) << ErrorText("open");
  const std::string block(4096, 'x');
  int writeError = 0;
  for (int i = 0; i < 1000 && writeError == 0; ++i) {
    if (::write(filler, block.data(), block.size()) < 0) writeError = errno;
  }
  ::close(filler);
  ASSERT_EQ(writeError, ENOSPC);

  ConverterModel model(UnitCatalogue(), engine::NumberLocale{});
  model.SetFormat({engine::ViewType::AutoFormat, 3});
  model.SetInputText("12");
  EXPECT_FALSE(SaveSettingsFile(model, path, m_messages));
  EXPECT_EQ(m_messages.Errors, (std::vector<std::string>{"Unable to write to " + path}));
  EXPECT_EQ(Contents(path), old);
  EXPECT_TRUE(LeftBehind(disk).empty());

  // With room again, the next save goes through and keeps what the program does not know.
  std::filesystem::remove(disk / "filler");
  m_messages.Errors.clear();
  ASSERT_TRUE(SaveSettingsFile(model, path, m_messages));
  EXPECT_TRUE(m_messages.Errors.empty());
  EXPECT_EQ(ValueOf(Contents(path), "Quantivo", "Precision"), "3");
  EXPECT_EQ(ValueOf(Contents(path), "Mine", "keep"), "1");
}

// Saves killed at fixed points, each at the first step of its kind: the file stays the
// old version, whole, and the temporary file beside it holds what the save had written.
TEST_F(SettingsFault, SaveKilledAtEachStepKeepsTheOldFile) {
  const std::string versions[2] = {VersionText(0), VersionText(1)};
  ASSERT_GT(versions[1].size(), 1000u);
  constexpr long kNoFile = -1;
  constexpr long kWhole = -2;
  const struct {
    const char* stop;
    int signal;
    long leftBytes;  // of version 1 in the file left beside the settings file
  } kCases[] = {{"create", SIGSYS, kNoFile},
                {"write", SIGSYS, 0},
                {"1000", SIGXFSZ, 1000},
                {"rename", SIGSYS, kWhole}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.stop);
    const std::filesystem::path folder = m_folder / c.stop;
    std::filesystem::create_directories(folder);
    const std::filesystem::path path = folder / kSettingsFileName;
    std::ofstream(path, std::ios::binary) << versions[0];
    SaveLoop killed({path.string(), "1", c.stop});
    EXPECT_EQ(killed.WaitForSignal(), c.signal);
    EXPECT_EQ(Contents(path), versions[0]);
    const std::vector<std::filesystem::path> left = LeftBehind(folder);
    if (c.leftBytes == kNoFile) {
      EXPECT_TRUE(left.empty());
      continue;
    }
    ASSERT_EQ(left.size(), 1u);
    const std::size_t bytes =
        c.leftBytes == kWhole ? std::string::npos : static_cast<std::size_t>(c.leftBytes);
    EXPECT_EQ(Contents(left[0]), versions[1].substr(0, bytes));
  }
}

// A file of two names is written in place. Killed before the file is cut to the new
// text's length, it holds the start of version 0 and the end of version 1; what is read
// is the copy of version 0 kept beside it, and the next save puts the file right.
TEST_F(SettingsFault, InPlaceSaveKilledPartWayLosesNothing) {
  const std::string versions[2] = {VersionText(0), VersionText(1)};
  std::ofstream(m_path, std::ios::binary) << versions[1];
  const std::filesystem::path other = m_folder / "linked.ini";
  std::filesystem::create_hard_link(m_path, other);
  SaveLoop killed({m_path, "0", "truncate"});
  EXPECT_EQ(killed.WaitForSignal(), SIGSYS);
  EXPECT_EQ(Contents(other), versions[0] + versions[1].substr(versions[0].size()));

  ConverterModel loaded(UnitCatalogue(), engine::NumberLocale{});
  LoadSettingsFile(loaded, m_path, m_messages);
  EXPECT_EQ(loaded.ViewState(0).ValueIn, "0");
  ASSERT_TRUE(SaveSettingsFile(loaded, m_path, m_messages));
  EXPECT_EQ(Contents(other), versions[0]);
  EXPECT_FALSE(std::filesystem::exists(m_folder / ".QUANTIVO.INI.quantivo-pending"));
}

// Saves killed at random moments. Where the kills fall differs from run to run, so
// each check holds wherever they fall.
class SettingsRace : public SettingsFault {};

// Killed at any moment of a loop of saves, the program leaves the file as one whole
// version or the other. A kill inside a save can leave that save's temporary file
// behind; nothing removes those later, so they collect, one per kill at most, each
// holding the start of a version.
TEST_F(SettingsRace, KilledSaveLeavesOneWholeVersion) {
  const std::string versions[2] = {VersionText(0), VersionText(1)};
  ASSERT_FALSE(versions[0].empty());
  ASSERT_NE(versions[0], versions[1]);
  std::ofstream(m_path, std::ios::binary) << versions[0];

  const std::chrono::microseconds save = SaveDuration();
  ASSERT_GT(save.count(), 0);
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE(testing::Message() << "seed " << seed << ", one save " << save.count() << " us");
  std::mt19937 random(seed);
  // From the end of the first save (version 1) to about the end of the third.
  std::uniform_int_distribution<long> pauseMicroseconds(0, 2 * save.count());
  int seen[2] = {0, 0};
  for (int kill = 0; kill < 100; ++kill) {
    SCOPED_TRACE(testing::Message() << "kill " << kill);
    const std::size_t before = LeftBehind(m_folder).size();
    {
      SaveLoop loop({m_path});
      ASSERT_TRUE(loop.WaitForSaves(1));
      std::this_thread::sleep_for(std::chrono::microseconds(pauseMicroseconds(random)));
      ASSERT_TRUE(loop.Kill()) << "the save loop ended by itself";
    }
    const std::string text = Contents(m_path);
    const int version = text == versions[0] ? 0 : text == versions[1] ? 1 : -1;
    ASSERT_NE(version, -1) << "a file of " << text.size() << " bytes is neither version";
    ++seen[version];

    ConverterModel loaded(UnitCatalogue(), engine::NumberLocale{});
    LoadSettingsFile(loaded, m_path, m_messages);
    EXPECT_EQ(loaded.TabIndex(), version == 0 ? 0 : 5);
    EXPECT_EQ(loaded.ViewState(0).ValueIn, std::string(version == 0 ? 1 : 1000, '0'));
    EXPECT_LE(LeftBehind(m_folder).size(), before + 1);
  }
  const std::vector<std::filesystem::path> left = LeftBehind(m_folder);
  for (const std::filesystem::path& file : left) {
    const std::string text = Contents(file);
    EXPECT_TRUE(versions[0].starts_with(text) || versions[1].starts_with(text)) << file;
  }
  EXPECT_TRUE(m_messages.Errors.empty());
  std::printf("of 100 kills, %d left version 0 and %d version 1; %zu temporary files left\n",
              seen[0], seen[1], left.size());
}

TEST_F(SettingsRace, TwoProgramsSavingAtOnce) {
  const std::string versions[2] = {VersionText(0), VersionText(1)};
  std::ofstream(m_path, std::ios::binary) << versions[0];
  const std::chrono::microseconds save = SaveDuration();
  ASSERT_GT(save.count(), 0);
  std::mt19937 random(std::random_device{}());
  std::uniform_int_distribution<long> pauseMicroseconds(0, 2 * save.count());
  for (int round = 0; round < 20; ++round) {
    SCOPED_TRACE(testing::Message() << "round " << round);
    const std::size_t before = LeftBehind(m_folder).size();
    {
      SaveLoop first({m_path});
      SaveLoop second({m_path});
      ASSERT_TRUE(first.WaitForSaves(1));
      ASSERT_TRUE(second.WaitForSaves(1));
      std::this_thread::sleep_for(std::chrono::microseconds(pauseMicroseconds(random)));
      ASSERT_TRUE(first.Kill());
      ASSERT_TRUE(second.Kill());
    }
    const std::string text = Contents(m_path);
    EXPECT_TRUE(text == versions[0] || text == versions[1])
        << "a file of " << text.size() << " bytes is neither version";
    EXPECT_LE(LeftBehind(m_folder).size(), before + 2);
  }
}

// Two windows open on the same settings file, closed one after the other: the file is
// the last one's, whole, and keeps what neither knows.
TEST_F(SettingsFault, TwoInstancesExitingOneAfterTheOther) {
  const std::string unknown = "[Mine]\nkeep=1\n";
  std::ofstream(m_path, std::ios::binary) << unknown;
  ConverterModel first(UnitCatalogue(), engine::NumberLocale{});
  ConverterModel second(UnitCatalogue(), engine::NumberLocale{});
  LoadSettingsFile(first, m_path, m_messages);
  LoadSettingsFile(second, m_path, m_messages);
  first.SelectTab(3);
  first.SetInputText("12");
  first.SetFormat({engine::ViewType::AutoFormat, 7});
  second.SelectTab(5);
  second.SetInputText("34");

  ASSERT_TRUE(SaveSettingsFile(first, m_path, m_messages));
  ASSERT_TRUE(SaveSettingsFile(second, m_path, m_messages));
  EXPECT_TRUE(m_messages.Errors.empty());

  ProfileFile expected;
  expected.LoadText(unknown);
  SaveSettings(second, expected);
  EXPECT_EQ(Contents(m_path), expected.Text());

  ConverterModel loaded(UnitCatalogue(), engine::NumberLocale{});
  LoadSettingsFile(loaded, m_path, m_messages);
  EXPECT_EQ(loaded.TabIndex(), 5);
  EXPECT_EQ(loaded.InputText(), "34");
  EXPECT_EQ(loaded.ViewState(3).ValueIn, "");
  EXPECT_EQ(loaded.Format().Precision, 4);
  EXPECT_TRUE(LeftBehind(m_folder).empty());
}

}  // namespace
}  // namespace quantivo::model
