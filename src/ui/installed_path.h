#pragma once

#include <QString>

namespace quantivo::ui {

/// Where a file the program ships is found: the environment variable `variable` when
/// set (nullptr for none), else `installed` beside the program (a path relative to its
/// folder, such as "../share/quantivo/help/quantivo.qhc") when it is there, else
/// `buildTree` when that is not null, else `installed` all the same (to name where it
/// was looked for).
QString InstalledPath(const char* variable, const QString& installed, const char* buildTree);

/// The build tree's places of the help window's library and of the help file. Only
/// the programs that run in the build tree (the window there, the tests, the
/// benchmarks) know them; in the installed program both are null, so that it never
/// loads a library from a path that whoever can create it on another machine chooses.
/// Each program links one definition: build_tree.cpp, or installed_program.cpp.
struct BuildTreePaths {
  const char* HelpLibrary;
  const char* HelpCollection;
};
extern const BuildTreePaths kBuildTree;

}  // namespace quantivo::ui
