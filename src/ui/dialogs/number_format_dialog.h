#pragma once

#include <QDialog>

#include "engine/format_result.h"
#include "ui/dialogs/dialog_parts.h"

class QLabel;
class QRadioButton;
class QSpinBox;

namespace quantivo::ui {

/// "Result Number Format": the four formats, the precision 0 to 9 for the three
/// that use it, and a live sample; OK gives the format shown.
class Tfrm_NumberFormat : public QDialog {
  Q_OBJECT
 public:
  Tfrm_NumberFormat(const engine::ResultFormat& format, engine::NumberLocale locale,
                    const ShowHelpTopicFunction& showHelpTopic, QWidget* parent = nullptr);

  /// The format the dialog shows: the selected button's view type and the precision.
  engine::ResultFormat Format() const;

  /// The value every sample shows.
  static constexpr Extended kSampleValue = 1234567.890123456L;

 private:
  /// The four format buttons in their frame, as one group.
  void CreateFormatButtons();
  /// The precision's frame: its hint and the spin box.
  void CreatePrecisionBox();
  void CreateSampleBox();
  /// Help, Cancel and OK, in the tab order after the format buttons.
  void CreateDialogButtons(const ShowHelpTopicFunction& showHelpTopic);
  /// Selects the format's button and shows its precision and sample.
  void ShowFormat(const engine::ResultFormat& format);
  void RadioButton1Click();
  void SpinEdit1Change();

  engine::NumberLocale m_locale;
  QRadioButton* m_buttons[4] = {};
  QSpinBox* SpinEdit1 = nullptr;
  QLabel* Label1 = nullptr;
};

}  // namespace quantivo::ui
