#pragma once

#include <string>

#include "model/converter_model.h"
#include "model/profile_file.h"
#include "model/user_messages.h"

namespace quantivo::model {

/// The settings file's name; the window keeps it in the application's
/// configuration folder.
inline constexpr const char* kSettingsFileName = "QUANTIVO.INI";

/// Reads everything the user set into the model: tab order and selection, sort
/// state, result format, window bounds, fonts and every category's remembered state;
/// then shows the selected category. A missing key keeps the default; the model's
/// current window bounds and fonts are the defaults of theirs. A stored tab the tab
/// strip refuses is reported, and everything after it takes its default.
void LoadSettings(ConverterModel& model, const ProfileFile& file, UserMessages& messages);

/// Writes everything LoadSettings reads, in a fixed order of sections and keys.
void SaveSettings(const ConverterModel& model, ProfileFile& file);

/// LoadSettings from the file at `path`; a file that is missing or cannot be read
/// gives the defaults.
void LoadSettingsFile(ConverterModel& model, const std::string& path, UserMessages& messages);

/// SaveSettings into the file at `path`, keeping what the file holds that the
/// program does not know. The new file is written whole beside the old one and
/// renamed over it, so a failed save leaves the old file as it was; the failure is
/// reported as "Unable to write to" and the path. Returns whether it succeeded.
bool SaveSettingsFile(const ConverterModel& model, const std::string& path, UserMessages& messages);

}  // namespace quantivo::model
