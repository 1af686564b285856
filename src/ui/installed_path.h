#pragma once

#include <QString>

namespace quantivo::ui {

/// Where a file or folder the program ships is found: the environment variable
/// `variable` when set (nullptr for none), else `installed` beside the installed
/// program (a path relative to its folder, such as "../share/quantivo/help"), else
/// `buildTree` when the program runs from a build tree (nullptr for none), else the
/// installed place all the same, so that a message can name it.
QString InstalledPath(const char* variable, const QString& installed, const char* buildTree);

}  // namespace quantivo::ui
