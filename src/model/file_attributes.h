#pragma once

#include <filesystem>

namespace quantivo::model {

/// Gives the open file `to` the extended attributes of the file at `from` that are the
/// user's: the access control list and those named user.*. Others, as security labels,
/// are the system's, set as for any new file. An access control list `to` took from its
/// folder and `from` lacks is removed, so that `to` grants what `from` granted. False
/// when an attribute cannot be read or given; a file that has none needs none, also on
/// a file system that takes none.
bool CopyUserAttributes(const std::filesystem::path& from, int to);

}  // namespace quantivo::model
