// Linked only into the program that is installed: it looks for what it ships only
// beside itself.
#include "ui/installed_path.h"

namespace quantivo::ui {

const BuildTreePaths kBuildTree{nullptr, nullptr};

}  // namespace quantivo::ui
