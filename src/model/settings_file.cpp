#include "model/settings_file.h"

#include <optional>

#include "model/atomic_file.h"

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
  // A size the window cannot be used at is fitted, and written back fitted.
  font.Size = UsableFontSize(file.ReadInteger(kMainSection, p + "Size", font.Size));
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

// Everything after the tab selection.
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

  // A stored tab the strip refuses is reported; the first tab stays selected and the
  // rest of the file is read as usual, so one bad key loses the user nothing else.
  if (!model.SelectTab(file.ReadInteger(kMainSection, "TabIndex", model.TabIndex()))) {
    messages.ShowError(kTabIndexOutOfBounds);
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

std::string SettingsFilePath(const char* xdgConfigHome, const char* home) {
  // A relative or empty XDG_CONFIG_HOME is ignored, as the base-directory rules say.
  std::string folder =
      xdgConfigHome != nullptr && xdgConfigHome[0] == '/'
          ? xdgConfigHome
          : std::string(home != nullptr && home[0] != '\0' ? home : "/") + "/.config";
  if (folder.back() != '/') folder.push_back('/');
  return folder + "Quantivo/" + kSettingsFileName;
}

void LoadSettingsFile(ConverterModel& model, const std::string& path, UserMessages& messages) {
  const std::optional<std::string> text = ReadFileText(path);
  if (!text) messages.ShowError("Unable to read " + path);
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
    const std::optional<std::string> old = ReadFileText(*target);
    if (!old) return false;
    ProfileFile file;
    file.LoadText(*old);
    SaveSettings(model, file);
    return ReplaceFileText(*target, file.Text());
  }();
  if (!ok) messages.ShowError("Unable to write to " + path);
  return ok;
}

}  // namespace quantivo::model
