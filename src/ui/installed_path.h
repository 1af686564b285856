#pragma once

#include <QString>

namespace quantivo::ui {

/// Where a file or folder the program ships is found: the environment variable
/// `variable` when set (nullptr for none), else `installed` beside the installed
/// program (a path relative to its folder, such as "../share/quantivo/help"), else
/// `buildTree`, its place in the build tree the program was built in.
QString InstalledPath(const char* variable, const QString& installed, const char* buildTree);

}  // namespace quantivo::ui
