// Replacing a file of the user's: links, modes, owners, folders and the leftovers of
// saves that were cut short.

#include "model/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "model/file_attributes.h"
#include "support/temporary_folder.h"

namespace quantivo::model {
namespace {

namespace fs = std::filesystem;

using test::Contents;

class AtomicFileTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(m_temporary.Path().empty()); }
  static void Write(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  static void MakeOld(const fs::path& path) {
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(1));
  }
  static struct stat Status(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info;
  }

  test::TemporaryFolder m_temporary;
  const fs::path& m_folder = m_temporary.Path();
};

// A name in a folder is the path std::filesystem::path's operator/ makes of them.
TEST(PathInFolder, JoinsAsTheLibraryDoes) {
  const char* folders[] = {
      "", "/", "/home/u/.config/Quantivo", "/home/u/.config/Quantivo/", "relative", "relative/"};
  const char* names[] = {"QUANTIVO.INI", ".QUANTIVO.INI.quantivo-pending", "sub/units.ini"};
  for (const char* folder : folders) {
    for (const char* name : names) {
      EXPECT_EQ(PathInFolder(folder, name), (fs::path(folder) / name).string())
          << folder << " + " << name;
    }
  }
}

TEST_F(AtomicFileTest, LinksAreWrittenThroughAndStayLinks) {
  const fs::path dotfiles = m_folder / "dotfiles";
  fs::create_directories(dotfiles);
  Write(dotfiles / "real.ini", "old");
  // A link to a link, the second one relative.
  fs::create_symlink("real.ini", dotfiles / "relative");
  fs::create_symlink(dotfiles / "relative", m_folder / "settings.ini");

  const std::optional<fs::path> target = ResolveLinks(m_folder / "settings.ini");
  ASSERT_TRUE(target);
  EXPECT_EQ(fs::canonical(*target), fs::canonical(dotfiles / "real.ini"));
  ASSERT_TRUE(ReplaceFileText(*target, "new"));
  EXPECT_TRUE(fs::is_symlink(m_folder / "settings.ini"));
  EXPECT_EQ(Contents(dotfiles / "real.ini"), "new");

  // A dangling link leads to the file to be made, in a folder that is made too.
  fs::create_symlink(m_folder / "missing" / "made.ini", m_folder / "dangling");
  const std::optional<fs::path> dangling = ResolveLinks(m_folder / "dangling");
  ASSERT_TRUE(dangling);
  ASSERT_TRUE(ReplaceFileText(*dangling, "made"));
  EXPECT_TRUE(fs::is_symlink(m_folder / "dangling"));
  EXPECT_EQ(Contents(m_folder / "missing" / "made.ini"), "made");

  // A settings folder that is a dangling link: the folder it names is made.
  fs::create_symlink(m_folder / "dotfiles" / "Quantivo", m_folder / "linked");
  ASSERT_TRUE(ReplaceFileText(m_folder / "linked" / "QUANTIVO.INI", "in the link"));
  EXPECT_TRUE(fs::is_symlink(m_folder / "linked"));
  EXPECT_EQ(Contents(m_folder / "dotfiles" / "Quantivo" / "QUANTIVO.INI"), "in the link");
}

TEST_F(AtomicFileTest, PathsThatCannotBeFollowedResolveToNothing) {
  fs::create_symlink("loop", m_folder / "loop");
  fs::create_symlink("b", m_folder / "a");
  fs::create_symlink("a", m_folder / "b");
  Write(m_folder / "file", "x");
  EXPECT_FALSE(ResolveLinks(m_folder / "loop"));
  EXPECT_FALSE(ResolveLinks(m_folder / "a"));
  EXPECT_FALSE(ResolveLinks(m_folder / "file" / "below"));  // a file is no folder
  EXPECT_FALSE(ReadFileText(m_folder / "loop"));
  EXPECT_FALSE(ReadFileText(m_folder));
  EXPECT_EQ(ReadFileText(m_folder / "file"), "x");
  EXPECT_EQ(ReadFileText(m_folder / "missing"), "");
}

TEST_F(AtomicFileTest, ReadOnlyFilesAndFoldersInPlaceAreNotReplaced) {
  Write(m_folder / "read-only", "keep");
  ::chmod((m_folder / "read-only").c_str(), 0444);
  fs::create_directories(m_folder / "folder");
  EXPECT_FALSE(ReplaceFileText(m_folder / "read-only", "new"));
  EXPECT_FALSE(ReplaceFileText(m_folder / "folder", "new"));
  EXPECT_EQ(Contents(m_folder / "read-only"), "keep");
  EXPECT_EQ(Status(m_folder / "read-only").st_mode & 07777, 0444u);
  EXPECT_TRUE(fs::is_directory(m_folder / "folder"));
  // Nothing is left beside them.
  EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 2);
}

TEST_F(AtomicFileTest, TheModeIsKeptAndNewFilesAndFoldersFollowTheRules) {
  Write(m_folder / "kept", "old");
  ::chmod((m_folder / "kept").c_str(), 0640);
  ASSERT_TRUE(ReplaceFileText(m_folder / "kept", "new"));
  EXPECT_EQ(Status(m_folder / "kept").st_mode & 07777, 0640u);

  const mode_t mask = ::umask(022);
  const bool made = ReplaceFileText(m_folder / "config" / "Quantivo" / "new.ini", "new");
  ::umask(mask);
  ASSERT_TRUE(made);
  EXPECT_EQ(Status(m_folder / "config" / "Quantivo" / "new.ini").st_mode & 07777, 0644u);
  EXPECT_EQ(Status(m_folder / "config").st_mode & 07777, 0700u);
  EXPECT_EQ(Status(m_folder / "config" / "Quantivo").st_mode & 07777, 0700u);
}

// Only root can make a file of another owner; the owner must survive the save.
TEST_F(AtomicFileTest, AnotherOwnersFileKeepsItsOwner) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
  const fs::path path = m_folder / "theirs";
  Write(path, "old");
  ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
  ::chmod(path.c_str(), 0644);
  ASSERT_TRUE(ReplaceFileText(path, "new"));
  EXPECT_EQ(Contents(path), "new");
  EXPECT_EQ(Status(path).st_uid, 65534u);
  EXPECT_EQ(Status(path).st_gid, 65534u);
  EXPECT_EQ(Status(path).st_mode & 07777, 0644u);
}

TEST_F(AtomicFileTest, OnlyOwnOldLeftoversAreRemoved) {
  // A save of QUANTIVO.INI writes a hidden file beside it, named after it and ending
  // in six random letters and digits.
  const std::string ours = ".QUANTIVO.INI.quantivo-save-";
  struct Case {
    std::string name;
    bool old;
    bool removed;
  };
  const Case kCases[] = {
      {ours + "a1B2c3", true, true},
      {ours + "d4E5f6", false, false},  // another instance may be saving
      {ours + "a1B2c", true, false},
      {ours + "a1-2c3", true, false},
      {"QUANTIVO.INI.backup", true, false},
      {"QUANTIVO.INI.a1B2c3", true, false},
      {".bashrc", true, false},
  };
  for (const Case& c : kCases) {
    Write(m_folder / c.name, "[Quantivo]\n");
    if (c.old) MakeOld(m_folder / c.name);
  }
  for (int save = 0; save < 10; ++save) ASSERT_TRUE(ReplaceFileText(m_folder / "QUANTIVO.INI", ""));
  for (const Case& c : kCases) EXPECT_EQ(fs::exists(m_folder / c.name), !c.removed) << c.name;
}

// An access control list as the kernel stores it: its version, then entries of a tag,
// permissions and an id. The owner rw-, user 4242 rw-, the group r--, the mask rw-, others
// r--: a mode of 0664, whose group bits show the mask.
const std::string kSharedList(
    "\2\0\0\0\1\0\6\0\xFF\xFF\xFF\xFF\2\0\6\0\x92\x10\0\0\4\0\4\0\xFF\xFF\xFF\xFF"
    "\x10\0\6\0\xFF\xFF\xFF\xFF\x20\0\4\0\xFF\xFF\xFF\xFF",
    44);

std::string Attribute(const fs::path& path, const char* name) {
  std::string value(256, '\0');
  const ssize_t size = ::getxattr(path.c_str(), name, value.data(), value.size());
  return size < 0 ? "(none)" : value.substr(0, static_cast<std::size_t>(size));
}

TEST_F(AtomicFileTest, AccessListsAndUserAttributesAreKept) {
  const fs::path shared = m_folder / "shared.ini";
  Write(shared, "old");
  if (::setxattr(shared.c_str(), "user.origin", "mine", 4, 0) != 0 ||
      ::setxattr(shared.c_str(), "system.posix_acl_access", kSharedList.data(), 44, 0) != 0) {
    GTEST_SKIP() << "no attributes on this file system: " << std::strerror(errno);
  }
  // A file from before its folder gave new files the list keeps having none.
  Write(m_folder / "plain.ini", "old");
  ::chmod((m_folder / "plain.ini").c_str(), 0644);
  ASSERT_EQ(::setxattr(m_folder.c_str(), "system.posix_acl_default", kSharedList.data(), 44, 0), 0);
  const struct {
    const char *name, *origin;
    std::string list;
    mode_t mode;
  } kCases[] = {{"shared.ini", "mine", kSharedList, 0664}, {"plain.ini", "(none)", "(none)", 0644}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(ReplaceFileText(m_folder / c.name, "new"));
    EXPECT_EQ(Attribute(m_folder / c.name, "user.origin"), c.origin);
    EXPECT_EQ(Attribute(m_folder / c.name, "system.posix_acl_access"), c.list);
    EXPECT_EQ(Status(m_folder / c.name).st_mode & 07777, c.mode);
  }
  // A new file that cannot take them, as a pipe takes no user.* attributes, fails the
  // copy, and the save with it; one without any needs none.
  int pipe[2];
  ASSERT_EQ(::pipe(pipe), 0);
  EXPECT_FALSE(CopyUserAttributes(shared, pipe[1]));
  EXPECT_TRUE(CopyUserAttributes(m_folder / "plain.ini", pipe[1]));
  ::close(pipe[0]);
  ::close(pipe[1]);
}

// Every name of a file of several sees the new text, and nothing is left beside it.
TEST_F(AtomicFileTest, AFileOfSeveralNamesIsWrittenInPlace) {
  const fs::path path = m_folder / "QUANTIVO.INI";
  Write(path, "old text");
  fs::create_hard_link(path, m_folder / "backup.ini");
  for (const char* text : {"new, longer text", "cut"}) {
    ASSERT_TRUE(ReplaceFileText(path, text));
    EXPECT_EQ(Contents(m_folder / "backup.ini"), text);
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 2);
}

}  // namespace
}  // namespace quantivo::model
