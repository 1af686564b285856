#pragma once

#include <QMainWindow>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>

#include "model/converter_model.h"
#include "model/spoken_changes.h"
#include "ui/dialogs/fonts_dialog.h"
#include "ui/dialogs/message_boxes.h"
#include "ui/help/help_launcher.h"
#include "ui/window/menus.h"

class QLineEdit;
class QTabBar;

namespace quantivo::ui {

class ConversionTableWindow;
class FindUnitPopup;
class FrameFitter;
class KeyboardRouter;
class Announcer;
class TextBoxCommands;
class WorkingPanel;

/// The main window. It mirrors the converter model's shown values in its controls
/// and turns each user action into one model call.
class Tfrm_Converter : public QMainWindow, private model::ShownValuesObserver {
  Q_OBJECT
 public:
  /// Builds the window and reads the settings file at `settingsPath` (the file
  /// system's bytes); messages go to `messages`, which must outlive the window.
  Tfrm_Converter(std::string settingsPath, WindowMessages& messages, QWidget* parent = nullptr);
  /// Writes the settings file, unless closing the window or Exit already did.
  ~Tfrm_Converter() override;

  /// True while one of the two text boxes has its turn; the box is then the active
  /// text box.
  bool FocusFlag() const;
  QLineEdit* ActiveTextBox() const;

  /// Opens the help window at the topic whose identifier is the keyword.
  void ShowHelpTopic(const QString& keyword) { m_help.ShowTopic(keyword); }
  /// The help window, once a help command has opened it.
  HelpViewer* OpenHelpWindow() const { return m_help.Opened(); }
  /// The font chooser of the Fonts dialog's Change... buttons.
  void SetFontChooser(ChooseFontFunction chooseFont) { m_chooseFont = std::move(chooseFont); }
  /// The programs the Calculator command tries, in order.
  void SetCalculators(QStringList programs) { m_calculators = std::move(programs); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  friend struct MenuTable;

  void FormCreate();
  void FormDestroy();
  /// Writes the settings file, the first time only.
  void SaveSettings();
  void CreateControls();
  void ConnectControls();
  void ApplyWindowBounds();
  void RecordWindowBounds();

  void ShownValuesChanged(model::ShownParts parts) override;
  /// What a screen reader is told once the window settles after a change.
  QString SettledAnnouncement();
  void MirrorTexts(model::ShownParts parts);
  void MirrorSettings(model::ShownParts parts);
  /// Brings the factor and the table up to date with the shown values that changed.
  void ShowDerivedViews(model::ShownParts parts);
  QStringList TabCaptions() const;

  void mnu_Exit1Click();
  void mnu_Edit1Click();
  void mnu_Cut1Click();
  void mnu_Copy1Click();
  void mnu_Paste1Click();
  void mnu_CopyResult1Click();
  void mnu_ReverseSelectedUnits1Click();
  void mnu_ClearInputTextBox1Click();
  void mnu_Reset1Click();
  void mnu_Result1Click();
  void mnu_Fonts1Click();
  void mnu_ChooseUnitCategory1Click();
  void mnu_SortUnitLists1Click();
  void mnu_ArrangeOrderofCategories1Click();
  void mnu_FindUnit1Click();
  void mnu_ShowConversionFactor1Click();
  void mnu_StayOnTop1Click();
  void Calculator1Click();
  void mnu_MetricPrefixes1Click();
  void mnu_ConversionTable1Click();
  void mnu_CustomUnits1Click();
  /// Saves the user's own units and shows them; false when the file was not written.
  bool ApplyCustomUnits(catalogue::CustomUnitLists units);
  void mnu_Contents1Click();
  void mnu_SearchforHelpOn1Click();
  void mnu_HowtoUseHelp1Click();
  void mnu_About1Click();

  std::string m_settingsPath;
  std::string m_unitsPath;  // the units file, beside the settings file
  WindowMessages& m_messages;
  std::unique_ptr<model::ConverterModel> m_model;
  engine::NumberLocale m_locale;
  HelpLauncher m_help;
  ChooseFontFunction m_chooseFont = ChooseFontWithDialog;
  QStringList m_calculators = {"gnome-calculator", "kcalc",      "qalculate-qt", "qalculate-gtk",
                               "speedcrunch",      "galculator", "xcalc"};
  bool m_saved = false;

  QTabBar* TabSet1 = nullptr;
  WorkingPanel* pan = nullptr;
  MenuActions m_menus;
  KeyboardRouter* m_keys = nullptr;
  TextBoxCommands* m_textBoxes = nullptr;
  Announcer* m_announcer = nullptr;
  model::SpokenChanges m_spoken;
  FrameFitter* m_frame = nullptr;
  // Made on first use.
  FindUnitPopup* m_findUnit = nullptr;
  ConversionTableWindow* m_table = nullptr;
};

}  // namespace quantivo::ui
