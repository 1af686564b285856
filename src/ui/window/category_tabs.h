#pragma once

#include <string>
#include <vector>

#include "model/converter_model.h"

class QTabBar;
class QWidget;

namespace quantivo::ui {

/// The tab strip of the categories along the window's foot: one tab per caption,
/// scrolled with buttons where they do not all fit, never cut short.
QTabBar* CreateCategoryTabs(QWidget* parent);

/// The tab strip in the tab font, 9 pixels higher than its characters, in the font's
/// colour where the user picked one.
void ApplyTabFont(QTabBar* tabs, const model::FontSpec& stored);

/// The captions in order and the selected tab (-1 for none), changed in place so that
/// unchanged tabs are not laid out again.
void ShowTabs(QTabBar* tabs, const std::vector<std::string>& captions, int selected);

}  // namespace quantivo::ui
