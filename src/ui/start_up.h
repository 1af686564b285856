#pragma once

#include <thread>

namespace quantivo::ui {

/// Puts the application's own style behind one that hands out the menu bar's and
/// tool bars' extension arrows unread: the style reads those icons from image files,
/// which loads every image-format plugin to learn which of them reads the format,
/// for a button that shows only when a window is narrower than its menus. The icon
/// is read the first time it is drawn or measured. Call once, after the
/// application object exists and before any window is made.
void DeferExtensionIcons();

}  // namespace quantivo::ui
