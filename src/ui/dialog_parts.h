#pragma once

#include <QString>
#include <functional>

class QDialog;
class QFont;
class QListWidget;
class QPushButton;
class QScreen;
class QWidget;

namespace quantivo::ui {

/// Opens the help topic whose identifier is the keyword.
using ShowHelpTopicFunction = std::function<void(const QString& keyword)>;

/// Makes a dialog of fixed client size with a close box only, placed in the middle of
/// the screen that holds its parent. It is modal to its parent window, so the help
/// window stays usable while it is open.
void SetUpDialog(QDialog* dialog, const QString& caption, int width, int height);

/// Places a window of its present size in the middle of the screen's free area.
void CentreOnScreen(QWidget* window, const QScreen* screen);

/// A button showing the help glyph only, at the given place, that opens `keyword`.
QPushButton* AddHelpButton(QDialog* dialog, int left, int top, const QString& keyword,
                           const ShowHelpTopicFunction& showHelpTopic);

/// The categories' list of the two order dialogs, under its caption, in the font of
/// the main window's lists.
QListWidget* AddCategoryList(QDialog* dialog, const QString& caption, const QFont& listFont);

/// A text button at the given place. `isDefault` makes Enter press it.
QPushButton* AddButton(QWidget* parent, const char* name, const QString& text, int left, int top,
                       int width, int height, bool isDefault = false);

}  // namespace quantivo::ui
