#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "model/converter_model.h"
#include "ui/dialogs/dialog_parts.h"
#include "ui/dialogs/message_boxes.h"

class QLabel;

namespace quantivo::ui {

/// Lets the user choose a font seeded with the given one: face, size, bold, italic,
/// underline, strike-out and colour; nothing when the user cancels.
using ChooseFontFunction =
    std::function<std::optional<model::FontSpec>(const model::FontSpec& seed, QWidget* parent)>;

/// The system's font dialog with a colour button beside it.
std::optional<model::FontSpec> ChooseFontWithDialog(const model::FontSpec& seed, QWidget* parent);

/// "Fonts": samples of the text-box font and the tab font, each changed with the
/// font chooser; OK applies both.
class Tfrm_Fonts : public QDialog {
  Q_OBJECT
 public:
  Tfrm_Fonts(model::FontSpec mainFont, model::FontSpec tabFont, ChooseFontFunction chooseFont,
             WindowMessages& messages, const ShowHelpTopicFunction& showHelpTopic,
             QWidget* parent = nullptr);

  const model::FontSpec& MainFont() const { return m_mainFont; }
  const model::FontSpec& TabFont() const { return m_tabFont; }

 private:
  void btn_Font1Click();
  void btn_Font2Click();
  void btn_ResetClick();
  void ChangeFont(model::FontSpec& font, QLabel* sample);
  static void ShowSample(QLabel* sample, const model::FontSpec& font);

  model::FontSpec m_mainFont;
  model::FontSpec m_tabFont;
  ChooseFontFunction m_chooseFont;
  WindowMessages& m_messages;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
};

}  // namespace quantivo::ui
