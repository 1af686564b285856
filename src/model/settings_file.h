#pragma once

#include <string>

#include "model/converter_model.h"
#include "model/profile_file.h"
#include "model/user_messages.h"

namespace quantivo::model {

/// The settings file's name; the window keeps it in the application's
/// configuration folder.
inline constexpr const char* kSettingsFileName = "QUANTIVO.INI";

/// Reads everything the user set into `settings`: tab order and selection, sort
/// state, result format, window bounds, fonts and every category's remembered
/// state. A missing key keeps the value's window bounds and fonts, and the defaults
/// of everything else. A changed tab count and a stored tab the tab strip would
/// refuse are reported; the first tab is then selected.
void ReadSettings(const ProfileFile& file, const catalogue::UnitCatalogue& catalogue,
                  StoredSettings& settings, UserMessages& messages);

/// Writes everything ReadSettings reads, in a fixed order of sections and keys.
void WriteSettings(const StoredSettings& settings, const catalogue::UnitCatalogue& catalogue,
                   ProfileFile& file);

/// Reads everything the user set into the model: tab order and selection, sort
/// state, result format, window bounds, fonts and every category's remembered state;
/// then shows the selected category. A missing key keeps the default; the model's
/// current window bounds and fonts are the defaults of theirs. A stored tab the tab
/// strip refuses is reported, and the first tab stays selected.
void LoadSettings(ConverterModel& model, const ProfileFile& file, UserMessages& messages);

/// WriteSettings of the model's settings.
void SaveSettings(const ConverterModel& model, ProfileFile& file);

/// The user's home folder: `homeVariable` ($HOME) when it is an absolute path, else
/// `passwordHome` (the password database's) when that is, else "/". Never a folder
/// that depends on where the program was started.
std::string PickHomeFolder(const char* homeVariable, const char* passwordHome);

/// PickHomeFolder of $HOME and the home the password database gives the effective user.
std::string UserHomeFolder();

/// Where the settings file lives: Quantivo/QUANTIVO.INI in $XDG_CONFIG_HOME, or in
/// .config in `home` (UserHomeFolder) when that is unset, empty or relative; in
/// /.config when `home` is not absolute either. The path keeps the bytes of both,
/// whatever their encoding, so reading and writing reach one file.
std::string SettingsFilePath(const char* xdgConfigHome, const char* home);

/// LoadSettings from the file at `path`. A missing file gives the defaults; one that
/// exists but cannot be read, or is in UTF-16, is reported as "Unable to read" and the
/// path, and gives the defaults too. Line ends may be "\n", "\r\n" or "\r" alone.
void LoadSettingsFile(ConverterModel& model, const std::string& path, UserMessages& messages);

/// SaveSettings into the file at `path`, keeping what the file holds that the
/// program does not know. A link is written through to its target. The file is
/// replaced whole (ReplaceFileText), so a failed save leaves it as it was; a file that
/// cannot be read, a path that cannot be followed, and every failed step are reported
/// as "Unable to write to" and the path. Returns whether it succeeded.
bool SaveSettingsFile(const ConverterModel& model, const std::string& path, UserMessages& messages);

}  // namespace quantivo::model
