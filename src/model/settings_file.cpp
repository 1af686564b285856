#include "model/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace quantivo::model {
namespace {

using catalogue::UnitCatalogue;

constexpr const char* kMainSection = "Quantivo";
constexpr const char* kTabsSection = "IndexTabs";
constexpr const char* kTabCountChanged =
    "Because of the addition of new unit categories in this version of Quantivo, any custom "
    "category arranging will need to be redone.";
constexpr const char* kTabIndexOutOfBounds = "Tab index out of bounds";

// The category sections in the order they are written and read: index order, but
// with Flow after Fractions and Computer last.
constexpr int kSectionOrder[UnitCatalogue::CategoryCount] = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 12, 19, 20, 21, 22, 18};

// The longest face name a font takes from the file.
constexpr std::size_t kMaxFaceName = 31;

void ReadFont(const ProfileFile& file, const char* prefix, FontSpec& font) {
  const std::string p = prefix;
  const std::string name = file.ReadString(kMainSection, p + "Name", font.Name);
  // An empty name, or one that is nothing once cut, leaves the face as it is.
  const std::string_view cut = CutText(name, kMaxFaceName);
  if (!cut.empty()) font.Name = cut;
  font.Size = file.ReadInteger(kMainSection, p + "Size", font.Size);
  font.Color = file.ReadInteger(kMainSection, p + "Color", font.Color);
  // Only bold and italic are stored; a missing key leaves the font regular.
  font.Underline = false;
  font.StrikeOut = false;
  font.Bold = file.ReadBool(kMainSection, p + "Bold", false);
  font.Italic = file.ReadBool(kMainSection, p + "Italic", false);
}

void WriteFont(ProfileFile& file, const char* prefix, const FontSpec& font) {
  const std::string p = prefix;
  file.WriteString(kMainSection, p + "Name", font.Name);
  file.WriteInteger(kMainSection, p + "Size", font.Size);
  file.WriteInteger(kMainSection, p + "Color", font.Color);
  file.WriteBool(kMainSection, p + "Bold", font.Bold);
  file.WriteBool(kMainSection, p + "Italic", font.Italic);
}

// Everything after the tab selection; `file` is empty when the tab strip refused the
// stored tab, so that all of it takes its default.
void LoadAfterTabs(ConverterModel& model, const ProfileFile& file) {
  const bool isMaximized = file.ReadBool(kMainSection, "IsMaximized", model.Window.IsMaximized);
  const int viewType = file.ReadInteger(kMainSection, "ViewType", 1);
  const int precision = file.ReadInteger(kMainSection, "Precision", 4);
  // The sort state comes before the view states, whose positions refer to the
  // lists in the order they were saved from.
  if (file.ReadBool(kMainSection, "SortedUnitLists", false)) model.SetSortedUnitLists(true);
  model.Format = {engine::ViewTypeFromNumber(viewType), precision};

  WindowBounds& window = model.Window;
  window.IsMaximized = isMaximized;
  if (!isMaximized) {
    window.FormTop = file.ReadInteger(kMainSection, "FormTop", window.FormTop);
    window.FormLeft = file.ReadInteger(kMainSection, "FormLeft", window.FormLeft);
    window.FormWidth = file.ReadInteger(kMainSection, "FormWidth", window.FormWidth);
    window.FormHeight = file.ReadInteger(kMainSection, "FormHeight", window.FormHeight);
  }
  ReadFont(file, "Font1", model.MainFont);
  ReadFont(file, "Font2", model.TabFont);

  const UnitCatalogue& catalogue = model.Catalogue();
  for (const int category : kSectionOrder) {
    const std::string_view section = catalogue.Category(category).SectionName;
    CategoryViewState state = model.ViewState(category);
    // Fractions' input list is hidden; its position is not stored.
    if (category != UnitCatalogue::FractionsIndex) {
      state.FormatIn = file.ReadInteger(section, "FormatIn", -1);
    }
    state.FormatOut = file.ReadInteger(section, "FormatOut", -1);
    state.ValueIn = file.ReadString(section, "ValueIn", "");
    model.SetViewState(category, std::move(state));
  }
  model.SwitchCategory(model.TabIndex());
}

// The file's bytes: empty when there is no file, nothing when it exists but cannot
// be read as a file.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, bool& exists) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  exists = std::filesystem::exists(status);
  if (!exists) return std::string();
  if (!std::filesystem::is_regular_file(status)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return text;
}

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
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// A save cut short (the process killed, the machine off) leaves its new file beside
// the settings file. Such files older than this are removed; a younger one may be
// another instance saving at this moment.
constexpr auto kStaleAge = std::chrono::minutes(10);

void RemoveStaleTemporaries(const std::filesystem::path& path) {
  const std::string prefix = path.filename().string() + ".";
  std::error_code error;
  const auto now = std::filesystem::file_time_type::clock::now();
  for (const auto& entry : std::filesystem::directory_iterator(
           path.has_parent_path() ? path.parent_path() : ".", error)) {
    const std::string name = entry.path().filename().string();
    // mkstemp's names: the file's own name, a point and six characters.
    if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) continue;
    const auto written = entry.last_write_time(error);
    if (!error && now - written > kStaleAge) std::filesystem::remove(entry.path(), error);
  }
}

// Writes the text to a new file beside `path` and renames it into place, so that the
// file at `path` is at every moment either the old one or the new one, whole.
bool ReplaceFile(const std::filesystem::path& path, std::string_view text, mode_t mode) {
  RemoveStaleTemporaries(path);
  std::string temporary = path.string() + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return false;
  bool ok = WriteAll(fd, text) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary.c_str());
    return false;
  }
  // Make the rename itself durable; a failure here no longer risks the file.
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace

void LoadSettings(ConverterModel& model, const ProfileFile& file, UserMessages& messages) {
  const UnitCatalogue& catalogue = model.Catalogue();
  const std::vector<std::string_view>& names = catalogue.CategoryNames();
  model.SetCategoryOrder(std::vector<std::string>(names.begin(), names.end()));

  const int tabCount = static_cast<int>(model.IndexTabs().size());
  if (file.ReadInteger(kTabsSection, "TabCount", tabCount) != tabCount) {
    messages.ShowInformation(kTabCountChanged);
  } else {
    // Captions are taken as they are: one that names no category shows Length.
    for (int position = 0; position < tabCount; ++position) {
      const std::string key = std::to_string(position + 1);
      model.SetTabCaption(position, file.ReadString(kTabsSection, key, names[position]));
    }
  }

  if (!model.SelectTab(file.ReadInteger(kMainSection, "TabIndex", model.TabIndex()))) {
    messages.ShowError(kTabIndexOutOfBounds);
    LoadAfterTabs(model, ProfileFile());
    return;
  }
  LoadAfterTabs(model, file);
}

void SaveSettings(const ConverterModel& model, ProfileFile& file) {
  const std::string dashes(50, '-');
  file.WriteString(kMainSection, "0---------", dashes);
  file.WriteString(kMainSection, "1-WARNING-",
                   "MODIFYING ANY PORTION OF THIS INI FILE MAY PREVENT");
  file.WriteString(kMainSection, "2-WARNING-", "Quantivo FROM OPERATING PROPERLY!");
  file.WriteString(kMainSection, "3---------", dashes);

  const WindowBounds& window = model.Window;
  file.WriteInteger(kMainSection, "TabIndex", model.TabIndex());
  file.WriteInteger(kMainSection, "FormTop", window.FormTop);
  file.WriteInteger(kMainSection, "FormLeft", window.FormLeft);
  file.WriteInteger(kMainSection, "FormWidth", window.FormWidth);
  file.WriteInteger(kMainSection, "FormHeight", window.FormHeight);
  file.WriteBool(kMainSection, "IsMaximized", window.IsMaximized);
  file.WriteInteger(kMainSection, "ViewType", static_cast<int>(model.Format.View));
  file.WriteInteger(kMainSection, "Precision", model.Format.Precision);
  file.WriteBool(kMainSection, "SortedUnitLists", model.SortedUnitLists());
  WriteFont(file, "Font1", model.MainFont);
  WriteFont(file, "Font2", model.TabFont);

  const std::vector<std::string>& tabs = model.IndexTabs();
  file.WriteInteger(kTabsSection, "TabCount", static_cast<int>(tabs.size()));
  for (std::size_t i = 0; i < tabs.size(); ++i) {
    file.WriteString(kTabsSection, std::to_string(i + 1), tabs[i]);
  }

  const UnitCatalogue& catalogue = model.Catalogue();
  for (const int category : kSectionOrder) {
    const std::string_view section = catalogue.Category(category).SectionName;
    const CategoryViewState& state = model.ViewState(category);
    if (category != UnitCatalogue::FractionsIndex) {
      file.WriteInteger(section, "FormatIn", state.FormatIn);
    }
    file.WriteInteger(section, "FormatOut", state.FormatOut);
    file.WriteString(section, "ValueIn", state.ValueIn);
  }
}

void LoadSettingsFile(ConverterModel& model, const std::string& path, UserMessages& messages) {
  bool exists = false;
  ProfileFile file;
  file.LoadText(ReadWholeFile(path, exists).value_or(std::string()));
  LoadSettings(model, file, messages);
}

bool SaveSettingsFile(const ConverterModel& model, const std::string& path,
                      UserMessages& messages) {
  std::filesystem::path target = path;
  std::error_code error;
  // Through a link the file it points to is replaced, not the link.
  if (std::filesystem::is_symlink(target, error)) {
    target = std::filesystem::weakly_canonical(target, error);
  }
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), error);

  bool exists = false;
  const std::optional<std::string> old = ReadWholeFile(target, exists);
  struct stat info {};
  const bool ok = [&] {
    // A file that exists but cannot be read would lose what only it holds.
    if (!old) return false;
    ProfileFile file;
    file.LoadText(*old);
    SaveSettings(model, file);
    const mode_t mode =
        exists && ::stat(target.c_str(), &info) == 0 ? (info.st_mode & 07777) : NewFileMode();
    return ReplaceFile(target, file.Text(), mode);
  }();
  if (!ok) messages.ShowError("Unable to write to " + path);
  return ok;
}

}  // namespace quantivo::model
