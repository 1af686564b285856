#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quantivo::model {

/// Follows the symbolic links from `path` to the file they lead to, which need not
/// exist yet (the target of a dangling link is created by a save). Nothing when the
/// chain cannot be followed: a loop, a link that cannot be read, or a folder on the
/// way that may not be searched.
std::optional<std::filesystem::path> ResolveLinks(const std::filesystem::path& path);

/// The bytes of the file at `path`: empty when there is no such file, nothing when
/// there is one that cannot be read as a plain file (no permission, a folder, a FIFO,
/// a link loop). Never waits on a FIFO.
std::optional<std::string> ReadFileText(const std::filesystem::path& path);

/// The text of a file that ReplaceFileText writes: as ReadFileText reads it, or, when a
/// save writing the file in place was cut short, the whole text that save kept beside
/// it. Waits while a save writes the file in place.
std::optional<std::string> ReadSavedText(const std::filesystem::path& path);

/// Replaces the file at `path` (the file itself, not a link to it) with `text`: the
/// new text is written to a file beside it, flushed and renamed into place, so the
/// file is at every moment the old one or the new one, whole. The replacement keeps
/// the old file's mode, owner, access control list and user.* attributes; a file whose
/// mode does not let the user write it, or whose owner, attributes or mode cannot be
/// kept, is left alone. A new file gets 0666 less the umask, and missing folders are
/// made with 0700. Returns false, with nothing of the user's changed, when any step
/// fails. A file of several names (hard links) is written in place instead, so that
/// every name shows the new text, once the whole text is kept beside it: a failure
/// while the file holds part of it leaves that copy for ReadSavedText.
bool ReplaceFileText(const std::filesystem::path& path, std::string_view text);

/// The path of `name`, a relative one, in `folder`, as std::filesystem::path's
/// operator/ makes it: no slash is added after an empty folder or one that ends in a
/// slash. Built by hand because the library's operator/ runs code of the C++ library
/// that nothing else in a start needs.
std::string PathInFolder(std::string_view folder, std::string_view name);

/// The name of the file a save writes before renaming it over `fileName`, without
/// its six random characters. Only ReplaceFileText makes such names, so only they are
/// cleared away when a killed save left one behind.
std::string TemporaryNamePrefix(std::string_view fileName);

}  // namespace quantivo::model
