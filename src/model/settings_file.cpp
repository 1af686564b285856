#include "model/settings_file.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <span>
#include <vector>

#include "model/atomic_file.h"
#include "model/text_file.h"

namespace quantivo::model {
namespace {

using catalogue::UnitCatalogue;

constexpr const char* kMainSection = "Quantivo";
constexpr const char* kTabsSection = "IndexTabs";

// The longest face name a font takes from the file.
constexpr std::size_t kMaxFaceName = 31;

// The most room a user's entry of the password database is given: a bound, so that a
// failing lookup cannot grow the buffer without end.
constexpr std::size_t kMaxPasswordEntry = 1 << 20;

void ReadFont(const ProfileFile& file, const char* prefix, FontSpec& font) {
  const std::string p = prefix;
  const std::string name = file.ReadString(kMainSection, p + "Name", font.Name);
  // An empty name, or one that is nothing once cut, leaves the face as it is.
  const std::string_view cut = CutText(name, kMaxFaceName);
  if (!cut.empty()) font.Name = cut;
  // A size the window cannot be used at is fitted, and written back fitted.
  font.Size = UsableFontSize(file.ReadInteger(kMainSection, p + "Size", font.Size));
  font.Color = file.ReadInteger(kMainSection, p + "Color", font.Color);
  // Only bold and italic are stored; a missing key leaves the font regular.
  font.Underline = false;
  font.StrikeOut = false;
  font.Bold = file.ReadBool(kMainSection, p + "Bold", false);
  font.Italic = file.ReadBool(kMainSection, p + "Italic", false);
  // A file from before the choice was stored: black was the default, so any other
  // colour was the user's.
  font.ColorChosen = file.ReadBool(kMainSection, p + "ColorChosen", font.Color != 0);
}

void WriteFont(ProfileFile& file, const char* prefix, const FontSpec& font) {
  const std::string p = prefix;
  file.WriteString(kMainSection, p + "Name", font.Name);
  file.WriteInteger(kMainSection, p + "Size", font.Size);
  file.WriteInteger(kMainSection, p + "Color", font.Color);
  file.WriteBool(kMainSection, p + "Bold", font.Bold);
  file.WriteBool(kMainSection, p + "Italic", font.Italic);
  file.WriteBool(kMainSection, p + "ColorChosen", font.ColorChosen);
}

// A list position as stored. A unit of the user's own is also stored by its name (key
// + "Unit"), so that a units file edited since selects nothing in its place; a position
// among the user's units without its name selects nothing either.
int ReadPosition(const ProfileFile& file, const UnitCatalogue& catalogue, int category,
                 const std::string& key) {
  const catalogue::UnitCategory& unitCategory = catalogue.Category(category);
  const int position = file.ReadInteger(unitCategory.SectionName, key, -1);
  if (position < unitCategory.TableUnitCount) return position;
  const std::string name = file.ReadString(unitCategory.SectionName, key + "Unit", "");
  // A position beyond the list is taken as read: it selects nothing.
  if (name.empty() && position >= static_cast<int>(unitCategory.Units.size())) return position;
  return CustomUnitPosition(catalogue, category, name);
}

void WritePosition(ProfileFile& file, const UnitCatalogue& catalogue, int category,
                   const std::string& key, int position) {
  const catalogue::UnitCategory& unitCategory = catalogue.Category(category);
  file.WriteInteger(unitCategory.SectionName, key, position);
  const std::string_view name = CustomUnitName(catalogue, category, position);
  // The name key is written only for a unit of the user's own, and emptied after.
  const std::string nameKey = key + "Unit";
  if (!name.empty() || !file.ReadString(unitCategory.SectionName, nameKey, "").empty()) {
    file.WriteString(unitCategory.SectionName, nameKey, name);
  }
}

// The tab captions and the selected tab.
void ReadTabs(const ProfileFile& file, const UnitCatalogue& catalogue, StoredSettings& settings,
              UserMessages& messages) {
  const std::vector<std::string_view>& names = catalogue.CategoryNames();
  settings.IndexTabs.assign(names.begin(), names.end());
  const int tabCount = static_cast<int>(names.size());
  if (file.ReadInteger(kTabsSection, "TabCount", tabCount) != tabCount) {
    messages.ShowInformation({engine::MessageCode::CategoryArrangingLost});
  } else {
    // Captions are taken as they are: one that names no category shows the first.
    for (int position = 0; position < tabCount; ++position) {
      const std::string key = std::to_string(position + 1);
      settings.IndexTabs[position] = file.ReadString(kTabsSection, key, names[position]);
    }
  }
  // The tab strip refuses a tab outside -1 to the last. That is reported; the first
  // tab is shown and the rest of the file is read as usual, so one bad key loses the
  // user nothing else.
  const int tabIndex = file.ReadInteger(kMainSection, "TabIndex", 0);
  if (tabIndex < -1 || tabIndex >= tabCount) {
    messages.ShowError({engine::MessageCode::TabIndexOutOfBounds});
    settings.TabIndex = 0;
  } else {
    settings.TabIndex = tabIndex;
  }
}

// The keys of a window's bounds, in the order they are written.
struct BoundsKey {
  const char* Key;
  int WindowBounds::*Member;
};
constexpr BoundsKey kFormBounds[] = {{"FormTop", &WindowBounds::FormTop},
                                     {"FormLeft", &WindowBounds::FormLeft},
                                     {"FormWidth", &WindowBounds::FormWidth},
                                     {"FormHeight", &WindowBounds::FormHeight}};
constexpr BoundsKey kTableBounds[] = {{"TableLeft", &WindowBounds::FormLeft},
                                      {"TableTop", &WindowBounds::FormTop},
                                      {"TableWidth", &WindowBounds::FormWidth},
                                      {"TableHeight", &WindowBounds::FormHeight}};
// A maximised window's normal frame, which restoring it goes back to.
constexpr BoundsKey kNormalBounds[] = {{"NormalTop", &WindowBounds::FormTop},
                                       {"NormalLeft", &WindowBounds::FormLeft},
                                       {"NormalWidth", &WindowBounds::FormWidth},
                                       {"NormalHeight", &WindowBounds::FormHeight}};

// Each bound under its key; a missing key gives the bound of `fallback`.
void ReadBounds(const ProfileFile& file, std::span<const BoundsKey> keys,
                const WindowBounds& fallback, WindowBounds& bounds) {
  for (const BoundsKey& key : keys) {
    bounds.*key.Member = file.ReadInteger(kMainSection, key.Key, fallback.*key.Member);
  }
}

void WriteBounds(ProfileFile& file, std::span<const BoundsKey> keys, const WindowBounds& bounds) {
  for (const BoundsKey& key : keys) file.WriteInteger(kMainSection, key.Key, bounds.*key.Member);
}

void ReadWindowBounds(const ProfileFile& file, WindowBounds& window) {
  window.IsMaximized = file.ReadBool(kMainSection, "IsMaximized", window.IsMaximized);
  // A maximized window's stored bounds are the screen's and are not read; it opens
  // over its normal frame, where one was stored, and restoring it goes back there.
  ReadBounds(file, window.IsMaximized ? kNormalBounds : kFormBounds, window, window);
}

bool IsAbsolute(const char* path) {
  return path != nullptr && path[0] == '/';
}

}  // namespace

void ReadSettings(const ProfileFile& file, const UnitCatalogue& catalogue, StoredSettings& settings,
                  UserMessages& messages) {
  // A missing key of the main section gives the value a fresh start has; the window's
  // bounds and fonts keep the ones `settings` holds.
  const StoredSettings defaults;
  ReadTabs(file, catalogue, settings, messages);
  ReadWindowBounds(file, settings.Window);
  settings.Format = {engine::ViewTypeFromNumber(file.ReadInteger(
                         kMainSection, "ViewType", static_cast<int>(defaults.Format.View))),
                     file.ReadInteger(kMainSection, "Precision", defaults.Format.Precision)};
  settings.SortedUnitLists =
      file.ReadBool(kMainSection, "SortedUnitLists", defaults.SortedUnitLists);
  ReadFont(file, "Font1", settings.MainFont);
  ReadFont(file, "Font2", settings.TabFont);
  // Keys a file from before these commands lacks: everything off, the table unplaced.
  settings.ShowConversionFactor =
      file.ReadBool(kMainSection, "ShowConversionFactor", defaults.ShowConversionFactor);
  settings.StayOnTop = file.ReadBool(kMainSection, "StayOnTop", defaults.StayOnTop);
  ReadBounds(file, kTableBounds, defaults.TableWindow, settings.TableWindow);

  settings.ViewStates.resize(catalogue.CategoryCount());
  for (const int category : catalogue.CategoriesInSectionOrder()) {
    const catalogue::UnitCategory& unitCategory = catalogue.Category(category);
    const std::string_view section = unitCategory.SectionName;
    CategoryViewState& state = settings.ViewStates[category];
    // A hidden input list's position is not stored.
    if (catalogue::HasInputUnit(unitCategory.Kind)) {
      state.FormatIn = ReadPosition(file, catalogue, category, "FormatIn");
    }
    state.FormatOut = ReadPosition(file, catalogue, category, "FormatOut");
    state.ValueIn = file.ReadString(section, "ValueIn", "");
  }
}

void LoadSettings(ConverterModel& model, const ProfileFile& file, UserMessages& messages) {
  StoredSettings settings = model.Settings();
  ReadSettings(file, model.Catalogue(), settings, messages);
  model.ApplySettings(settings);
}

void WriteSettings(const StoredSettings& settings, const UnitCatalogue& catalogue,
                   ProfileFile& file) {
  const std::string dashes(50, '-');
  file.WriteString(kMainSection, "0---------", dashes);
  file.WriteString(kMainSection, "1-WARNING-",
                   "MODIFYING ANY PORTION OF THIS INI FILE MAY PREVENT");
  file.WriteString(kMainSection, "2-WARNING-", "Quantivo FROM OPERATING PROPERLY!");
  file.WriteString(kMainSection, "3---------", dashes);

  file.WriteInteger(kMainSection, "TabIndex", settings.TabIndex);
  WriteBounds(file, kFormBounds, settings.Window);
  file.WriteBool(kMainSection, "IsMaximized", settings.Window.IsMaximized);
  file.WriteInteger(kMainSection, "ViewType", static_cast<int>(settings.Format.View));
  file.WriteInteger(kMainSection, "Precision", settings.Format.Precision);
  file.WriteBool(kMainSection, "SortedUnitLists", settings.SortedUnitLists);
  WriteFont(file, "Font1", settings.MainFont);
  WriteFont(file, "Font2", settings.TabFont);
  file.WriteBool(kMainSection, "ShowConversionFactor", settings.ShowConversionFactor);
  file.WriteBool(kMainSection, "StayOnTop", settings.StayOnTop);
  // The conversion table's place once it has had one.
  if (settings.TableWindow.Sized()) WriteBounds(file, kTableBounds, settings.TableWindow);
  if (settings.Window.IsMaximized && settings.NormalWindow.Sized()) {
    WriteBounds(file, kNormalBounds, settings.NormalWindow);
  }

  const std::vector<std::string>& tabs = settings.IndexTabs;
  file.WriteInteger(kTabsSection, "TabCount", static_cast<int>(tabs.size()));
  for (std::size_t i = 0; i < tabs.size(); ++i) {
    file.WriteString(kTabsSection, std::to_string(i + 1), tabs[i]);
  }

  for (const int category : catalogue.CategoriesInSectionOrder()) {
    const catalogue::UnitCategory& unitCategory = catalogue.Category(category);
    const std::string_view section = unitCategory.SectionName;
    const CategoryViewState& state = settings.ViewStates.at(category);
    if (catalogue::HasInputUnit(unitCategory.Kind)) {
      WritePosition(file, catalogue, category, "FormatIn", state.FormatIn);
    }
    WritePosition(file, catalogue, category, "FormatOut", state.FormatOut);
    file.WriteString(section, "ValueIn", state.ValueIn);
  }
}

void SaveSettings(const ConverterModel& model, ProfileFile& file) {
  WriteSettings(model.Settings(), model.Catalogue(), file);
}

std::string PickHomeFolder(const char* homeVariable, const char* passwordHome) {
  for (const char* home : {homeVariable, passwordHome}) {
    if (IsAbsolute(home)) return home;
  }
  return "/";
}

std::string UserHomeFolder() {
  const char* home = std::getenv("HOME");
  // The password database only when it is needed, as it may ask a network service.
  if (IsAbsolute(home)) return home;
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  while (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE &&
         buffer.size() < kMaxPasswordEntry) {
    buffer.resize(buffer.size() * 2);
  }
  return PickHomeFolder(home, found != nullptr ? entry.pw_dir : nullptr);
}

std::string SettingsFilePath(const char* xdgConfigHome, const char* home) {
  // A relative or empty XDG_CONFIG_HOME is ignored, as the base-directory rules say.
  std::string folder = IsAbsolute(xdgConfigHome) ? xdgConfigHome : "";
  if (folder.empty()) {
    // The home without the slashes at its end, so that "/" gives "/.config".
    folder = IsAbsolute(home) ? home : "/";
    while (folder.ends_with('/')) folder.pop_back();
    folder += "/.config";
  }
  return PathInFolder(PathInFolder(folder, "Quantivo"), kSettingsFileName);
}

void LoadSettingsFile(ConverterModel& model, const std::string& path, UserMessages& messages) {
  const std::optional<std::string> text = ReadUserText(path);
  if (!text) messages.ShowError({engine::MessageCode::UnableToRead, path});
  ProfileFile file;
  file.LoadText(text.value_or(std::string()));
  LoadSettings(model, file, messages);
}

bool SaveSettingsFile(const ConverterModel& model, const std::string& path,
                      UserMessages& messages) {
  const bool ok = [&] {
    // Through a link the file it leads to is replaced, and the link stays. A path
    // that cannot be followed to its end is never written.
    const std::optional<std::filesystem::path> target = ResolveLinks(path);
    if (!target) return false;
    // A file that exists but cannot be read would lose what only it holds.
    const std::optional<std::string> old = ReadUserText(*target);
    if (!old) return false;
    ProfileFile file;
    file.LoadText(*old);
    SaveSettings(model, file);
    return ReplaceFileText(*target, file.Text());
  }();
  if (!ok) messages.ShowError({engine::MessageCode::UnableToWrite, path});
  return ok;
}

}  // namespace quantivo::model
