// Linked only into the programs that run in the build tree.
#include "ui/installed_path.h"

namespace quantivo::ui {

const BuildTreePaths kBuildTree{QUANTIVO_BUILD_HELP_LIBRARY, QUANTIVO_BUILD_HELP};

}  // namespace quantivo::ui
