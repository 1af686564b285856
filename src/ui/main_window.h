#pragma once

#include <QFrame>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <climits>
#include <memory>
#include <span>
#include <string>

#include "catalogue/unit_catalogue.h"
#include "model/converter_model.h"
#include "ui/fonts_dialog.h"
#include "ui/help_viewer.h"
#include "ui/message_boxes.h"
#include "ui/working_area_layout.h"

class QAction;
class QKeyEvent;
class QLabel;
class QListWidget;
class QMenu;
class QStackedWidget;
class QTabBar;

namespace quantivo::ui {

class ConversionTableWindow;
class FindUnitPopup;
class ResultAnnouncer;

class Tfrm_Converter;
struct MenuDefinition;
struct MenuItem;
using MenuCommand = void (Tfrm_Converter::*)();

/// The bevelled panel that holds the working area; it lays its controls out
/// whenever its size changes.
class WorkingPanel : public QFrame {
  Q_OBJECT
 public:
  using QFrame::QFrame;

 signals:
  void Resized();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

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

  /// True while one of the two text boxes has the keyboard focus; the box is then
  /// the active text box.
  bool FocusFlag() const { return m_focusFlag; }
  QLineEdit* ActiveTextBox() const { return m_activeTextBox; }

  /// Lays the working area out for the panel's size.
  void On_Resize();

  /// Opens the help window at the topic whose identifier is the keyword.
  void ShowHelpTopic(const QString& keyword);
  /// The help window, once a help command has opened it.
  HelpViewer* OpenHelpWindow() const { return m_helpWindow.get(); }
  /// The font chooser of the Fonts dialog's Change... buttons.
  void SetFontChooser(ChooseFontFunction chooseFont) { m_chooseFont = std::move(chooseFont); }
  /// The programs the Calculator command tries, in order.
  void SetCalculators(QStringList programs) { m_calculators = std::move(programs); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void FormDestroy();
  /// Writes the settings file, the first time only.
  void SaveSettings();
  void CreateControls();
  void CreateWorkingControls();
  void ConnectControls();
  void NameForScreenReaders();
  void CreateMenus();
  static std::span<const MenuDefinition> Menus();
  static std::span<const MenuItem> MenuItems();
  void ApplyFonts();
  void ApplyColours();
  void ApplyWindowBounds();
  void FitFrameToScreen();
  void RecordWindowBounds();

  void ShownValuesChanged(model::ShownParts parts) override;
  void MirrorTabs();
  void BoundUndoHistory();

  bool Key_Press(QKeyEvent* event);
  void Txt_Enter(QLineEdit* box);
  void Txt_Exit();
  /// Carries out the menu command whose shortcut the key is; false for no command.
  bool DispatchShortcut(QKeyEvent* event);

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
  void mnu_FindUnit1Click();
  void mnu_ShowConversionFactor1Click();
  void mnu_StayOnTop1Click();
  void mnu_ConversionTable1Click();
  void PlaceFactorLine();
  static int CategoryStep(QKeyCombination keys);
  void StepCategory(int step);
  /// Brings the factor and the table up to date with the shown values that changed;
  /// all of them by default, as after a change of the result format.
  void ShowDerivedViews(model::ShownParts parts = model::ShownParts::All());
  void ShowTable();
  std::vector<int> TabCategories() const;
  void ChooseFoundUnit(int category, int position, bool forOutput);
  void mnu_ArrangeOrderofCategories1Click();
  void Calculator1Click();
  void mnu_MetricPrefixes1Click();
  void mnu_Contents1Click();
  void mnu_SearchforHelpOn1Click();
  void mnu_HowtoUseHelp1Click();
  void mnu_About1Click();
  HelpViewer& Help();
  void KeepInView(QWidget* dialog, QWidget* help);
  QStringList TabCaptions() const;

  std::string m_settingsPath;
  WindowMessages& m_messages;
  std::unique_ptr<model::ConverterModel> m_model;
  engine::NumberLocale m_locale;
  std::unique_ptr<HelpViewer> m_helpWindow;
  ChooseFontFunction m_chooseFont = ChooseFontWithDialog;
  QStringList m_calculators;

  bool m_frameFitted = false;
  QSize m_storedFrame;
  bool m_saved = false;
  QMetaObject::Connection m_focusChanges;
  /// The text box's selection when the menu bar took the keys from it.
  struct Selection {
    QPointer<QLineEdit> Box;
    int Start = -1;
    qsizetype Length = 0;
  } m_selectionBeforeMenu;
  bool m_focusFlag = false;
  QPointer<QLineEdit> m_activeTextBox;
  int m_inputEdits = 0;

  QTabBar* TabSet1 = nullptr;
  QStackedWidget* Notebook1 = nullptr;
  WorkingPanel* pan = nullptr;
  QLineEdit* txt_In = nullptr;
  QListWidget* lst_In = nullptr;
  QLabel* lab = nullptr;
  QLineEdit* txt_Out = nullptr;
  QListWidget* lst_Out = nullptr;
  QLabel* lab2 = nullptr;
  QLabel* lab_Factor = nullptr;
  // Made on first use.
  FindUnitPopup* m_findUnit = nullptr;
  ConversionTableWindow* m_table = nullptr;
  ResultAnnouncer* m_resultAnnouncer = nullptr;

  QMenu* mnu_Edit1 = nullptr;
  QAction* mnu_Cut1 = nullptr;
  QAction* mnu_Copy1 = nullptr;
  QAction* mnu_Paste1 = nullptr;
  QAction* mnu_SortUnitLists1 = nullptr;
  QAction* mnu_ShowConversionFactor1 = nullptr;
  QAction* mnu_StayOnTop1 = nullptr;
  QList<QAction*> m_editActions;
  QList<QAction*> m_shortcutActions;
};

}  // namespace quantivo::ui
