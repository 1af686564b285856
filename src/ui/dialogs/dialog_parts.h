#pragma once

#include <QString>
#include <functional>
#include <initializer_list>

class QDialog;
class QFont;
class QListWidget;
class QPushButton;
class QWidget;

namespace quantivo::ui {

/// Opens the help topic whose identifier is the keyword.
using ShowHelpTopicFunction = std::function<void(const QString& keyword)>;

/// Makes a dialog of fixed client size with a close box only, placed in the middle of
/// the screen that holds its parent. It is modal to its parent window, so the help
/// window stays usable while it is open. Its labels and buttons are 11 pixels high,
/// or in the desktop's font where that is larger; then the dialog and every control
/// in it grow in proportion when it is first shown, so nothing is cut off.
void SetUpDialog(QDialog* dialog, const QString& caption, int width, int height);

/// The desktop font's size in points where it is larger than the 10 points the
/// design's sizes are made for; 0 where it is not.
double LargeDesktopPointSize();

/// A button showing the help glyph only, at the given place, that opens `keyword`.
QPushButton* AddHelpButton(QDialog* dialog, int left, int top, const QString& keyword,
                           const ShowHelpTopicFunction& showHelpTopic);

/// The row of buttons at a dialog's foot: Help at the left edge, then Cancel, Reset
/// (only with a `reset` command) and OK side by side, OK's left at `okLeft`. Cancel
/// rejects the dialog and OK, the default button, accepts it.
struct ButtonRow {
  QPushButton* Help = nullptr;
  QPushButton* Cancel = nullptr;
  QPushButton* Reset = nullptr;
  QPushButton* Ok = nullptr;
};
ButtonRow AddButtonRow(QDialog* dialog, int top, int okLeft, const QString& keyword,
                       const ShowHelpTopicFunction& showHelpTopic,
                       const std::function<void()>& reset = {});

/// Sets the Tab key's order through the widgets, in the order given.
void SetTabOrder(std::initializer_list<QWidget*> widgets);

/// The categories' list of the two order dialogs, under its caption, in the font of
/// the main window's lists.
QListWidget* AddCategoryList(QDialog* dialog, const QString& caption, const QFont& listFont);

/// A text button at the given place. `isDefault` makes Enter press it.
QPushButton* AddButton(QWidget* parent, const char* name, const QString& text, int left, int top,
                       int width, int height, bool isDefault = false);

}  // namespace quantivo::ui
