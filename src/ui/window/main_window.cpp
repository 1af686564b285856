#include "ui/window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <exception>

#include "engine/input_text.h"
#include "engine/message.h"
#include "model/custom_units_file.h"
#include "model/settings_file.h"
#include "ui/core_texts.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/arrange_units_dialog.h"
#include "ui/dialogs/choose_units_dialog.h"
#include "ui/dialogs/custom_units_dialog.h"
#include "ui/dialogs/number_format_dialog.h"
#include "ui/qt_convert.h"
#include "ui/start_up.h"
#include "ui/tools/conversion_table_window.h"
#include "ui/tools/find_unit_popup.h"
#include "ui/window/announcer.h"
#include "ui/window/category_tabs.h"
#include "ui/window/keyboard_router.h"
#include "ui/window/text_box_commands.h"
#include "ui/window/unit_list_view.h"
#include "ui/window/window_placement.h"
#include "ui/window/working_panel.h"

namespace quantivo::ui {
namespace {

using model::ConverterModel;
using model::ShownPart;

// The working area below the menu bar at design: the panel, 602 x 386, over the tab
// strip.
constexpr QSize kDesignWorkingArea(602, 404);
// The smallest working area at which the boxes, both lists (three units high, over
// a scroll bar) and the tab strip still show.
constexpr QSize kMinimumWorkingArea(320, 200);

}  // namespace

Tfrm_Converter::Tfrm_Converter(std::string settingsPath, WindowMessages& messages, QWidget* parent)
    : QMainWindow(parent),
      m_settingsPath(std::move(settingsPath)),
      m_unitsPath(model::CustomUnitsFilePath(m_settingsPath)),
      m_messages(messages) {
  CreateControls();
  FormCreate();
}

Tfrm_Converter::~Tfrm_Converter() {
  // The focus moves while the window is taken down; by then there is nothing to track.
  delete m_keys;
  delete m_textBoxes;
  FormDestroy();
  // The lists view the model's names, and the model goes before the lists do.
  for (UnitListView* list : {pan->lst_In, pan->lst_Out}) WorkingPanel::ShowUnitList(list, {}, true);
}

bool Tfrm_Converter::FocusFlag() const {
  return m_textBoxes->FocusFlag();
}

QLineEdit* Tfrm_Converter::ActiveTextBox() const {
  return m_textBoxes->ActiveTextBox();
}

void Tfrm_Converter::FormCreate() {
  setWindowTitle(QStringLiteral("Quantivo"));
  m_model = std::make_unique<ConverterModel>(catalogue::UnitCatalogue(), m_locale);
  try {
    // The user's own units come first: the settings' list positions count them.
    m_model->SetCustomUnits(
        model::LoadCustomUnitsFile(m_unitsPath, m_model->Catalogue(), m_messages));
    model::LoadSettingsFile(*m_model, m_settingsPath, m_messages);
  } catch (const std::exception& error) {
    m_messages.ShowUnexpectedError(error.what());
  }
  m_model->SetObserver(this);
  ShownValuesChanged(model::ShownParts::All());
  ApplyWindowBounds();
  pan->txt_In->setFocus();
}

void Tfrm_Converter::FormDestroy() {
  if (!m_model) return;
  m_model->SetObserver(nullptr);
  SaveSettings();
}

void Tfrm_Converter::SaveSettings() {
  // Once, at the first of: the window closing, Exit, the window going away.
  if (m_saved || !m_model) return;
  m_saved = true;
  try {
    RecordWindowBounds();
    model::SaveSettingsFile(*m_model, m_settingsPath, m_messages);
  } catch (const std::exception& error) {
    m_messages.ShowUnexpectedError(error.what());
  }
}

void Tfrm_Converter::closeEvent(QCloseEvent* event) {
  // Saved while the window is still there, so that a failure is told over it and
  // with the message loop running.
  SaveSettings();
  QMainWindow::closeEvent(event);
  // Closed, the main window ends the program as Exit does, whatever else is open.
  if (event->isAccepted()) {
    m_help.Close();
    QCoreApplication::quit();
  }
}

void Tfrm_Converter::CreateControls() {
  m_locale = SystemNumberLocale();
  auto* central = new QWidget(this);
  central->setMinimumSize(kMinimumWorkingArea);
  // There are no docks to make room for: the working area never slides.
  PlaceAtOnce(central);
  setCentralWidget(central);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  auto* notebook = new QStackedWidget(central);
  notebook->setObjectName(QStringLiteral("Notebook1"));
  auto* page = new QWidget(notebook);
  page->setObjectName(QStringLiteral("Units"));
  notebook->addWidget(page);
  auto* pageLayout = new QVBoxLayout(page);
  pageLayout->setContentsMargins(0, 0, 0, 0);
  pan = new WorkingPanel(page);
  pan->setObjectName(QStringLiteral("pan"));
  pageLayout->addWidget(pan);

  TabSet1 = CreateCategoryTabs(central);
  layout->addWidget(notebook, 1);
  layout->addWidget(TabSet1);

  // A quiet spell long enough that "1,5" typed at an ordinary speed is heard once.
  m_announcer = new Announcer(this, 250);
  // The menu bar is made here, last: it asks the session bus whether the desktop shows
  // applications' menus itself, and the start-up thread connects to the bus meanwhile.
  m_menus = BuildMenus(menuBar(), this);
  ConnectControls();
  qApp->installEventFilter(this);
}

void Tfrm_Converter::ConnectControls() {
  m_textBoxes = new TextBoxCommands(this, pan->txt_In, pan->txt_Out, m_locale);
  const QString decimal = ToQString(m_locale.Decimal);
  const char32_t decimalChar = decimal.size() == 1 ? decimal.front().unicode() : U'.';
  KeyboardRouter::Routes routes{
      [this] { mnu_Edit1Click(); }, [this](int step) { m_model->StepTab(step); },
      [this, decimalChar](char32_t c) {
        return engine::InputCharacterPasses(m_model->CurrentKind(), c, decimalChar);
      },
      [this](char32_t digit) {
        return m_model->CurrentKind() == catalogue::ConversionKind::NumberBase
                   ? digit
                   : m_locale.Zero + (digit - U'0');
      }};
  m_keys = new KeyboardRouter(this, menuBar(), pan->txt_In, {pan->txt_In, pan->txt_Out}, decimal,
                              std::move(routes));
  m_keys->SetShortcuts(m_menus.Shortcuts, m_menus.EditRule);

  connect(pan->txt_In, &QLineEdit::textChanged, this, [this](const QString& text) {
    m_model->SetInputText(engine::InputFromBoxText(ToStdString(text), m_locale));
    m_textBoxes->InputEdited();
  });
  connect(pan->lst_In, &UnitListView::currentRowChanged, this,
          [this](int row) { m_model->ClickInputList(row); });
  connect(pan->lst_Out, &UnitListView::currentRowChanged, this,
          [this](int row) { m_model->ClickOutputList(row); });
  // A click on a tab and a change made with the keyboard both go through the tab
  // strip's selection rule.
  connect(TabSet1, &QTabBar::tabBarClicked, this, [this](int index) {
    if (index >= 0) m_model->SelectTab(index);
  });
  connect(TabSet1, &QTabBar::currentChanged, this, [this](int index) {
    if (index >= 0) m_model->SelectTab(index);
  });
}

void Tfrm_Converter::ApplyWindowBounds() {
  const model::WindowBounds& bounds = m_model->Window().Window;
  // The stored size is the outer frame's; without one, the working area has its
  // design size under the menu bar.
  const QSize design = kDesignWorkingArea + QSize(0, menuBar()->sizeHint().height());
  const OpeningPlace place =
      StoredBoundsToGeometry(bounds, design, minimumSizeHint(), ScreenAreas(), PrimaryArea());
  // The frame's margins are known once it is shown; they come off then, and a window
  // stored maximised is maximised then, over its normal frame.
  m_frame = new FrameFitter(
      this, {place.TopLeft, bounds.Sized() ? place.Size : QSize(), bounds.IsMaximized});
  // Until then the inside takes the frame's size; one as large as the free area would
  // be maximised by some window managers (xfwm4), so it leaves room for a frame.
  const QSize frameRoom(16, 40);
  const QRect area = PrimaryArea();
  resize(area.isEmpty() ? place.Size : place.Size.boundedTo(area.size() - frameRoom));
  if (place.TopLeft) move(*place.TopLeft);
  // The table's stored size is fitted as this window's is, and saved so when it does not
  // open.
  m_model->SetWindowBounds(
      bounds, FitStoredBounds(m_model->Window().TableWindow, ScreenAreas(), PrimaryArea()));
}

bool Tfrm_Converter::eventFilter(QObject* watched, QEvent* event) {
  // A new theme brings new colours, told to the application alone: the output box's
  // background follows it.
  if (event->type() == QEvent::ApplicationPaletteChange && watched == qApp && m_model) {
    pan->ApplyColours(m_model->Window().MainFont);
    ApplyTabFont(TabSet1, m_model->Window().TabFont);
  }
  return QMainWindow::eventFilter(watched, event);
}

void Tfrm_Converter::RecordWindowBounds() {
  // A window never shown (ended while a box was shown at start) has no place of its
  // own: what was read stays, unplaced and unsized included.
  if (m_frame == nullptr || !m_frame->Fitted()) return;
  // The outer frame, as the window is placed and sized by its frame.
  const QRect frame = frameGeometry();
  const QRect normal = m_frame->NormalFrame();
  m_model->SetWindowBounds(
      {frame.top(), frame.left(), frame.width(), frame.height(), isMaximized()},
      m_table != nullptr ? m_table->StoredBounds() : m_model->Window().TableWindow,
      {normal.top(), normal.left(), normal.width(), normal.height(), false});
}

void Tfrm_Converter::ShownValuesChanged(model::ShownParts parts) {
  const ConverterModel& model = *m_model;
  if (parts.Any(ShownPart::InputListEntries | ShownPart::InputListSelection)) {
    WorkingPanel::ShowUnitList(pan->lst_In, model.InputList(),
                               parts.Any(ShownPart::InputListEntries));
  }
  if (parts.Any(ShownPart::OutputListEntries | ShownPart::OutputListSelection)) {
    WorkingPanel::ShowUnitList(pan->lst_Out, model.OutputList(),
                               parts.Any(ShownPart::OutputListEntries));
  }
  MirrorTexts(parts);
  if (parts.Any(ShownPart::InputListVisible)) {
    pan->lst_In->setVisible(model.InputListVisible());
    pan->lab2->setVisible(!model.InputListVisible());
  }
  if (parts.Any(ShownPart::Tabs)) ShowTabs(TabSet1, m_model->IndexTabs(), m_model->TabIndex());
  MirrorSettings(parts);
  // A new category or result is told to a screen reader wherever the focus is.
  if (parts.Any(ShownPart::OutputText | ShownPart::OutputListEntries |
                ShownPart::OutputListSelection | ShownPart::Tabs)) {
    m_announcer->Changed([this] { return SettledAnnouncement(); });
  }
  ShowDerivedViews(parts);
}

QString Tfrm_Converter::SettledAnnouncement() {
  // A message in the result's place is read without the unit, in whatever language it
  // is shown.
  QString result = pan->txt_Out->text();
  const int unit = pan->lst_Out->currentRow();
  if (!result.isEmpty() && unit >= 0 && !m_model->Output().Failure.has_value()) {
    result += QLatin1Char(' ') + pan->lst_Out->Text(unit);
  }
  const int tab = TabSet1->currentIndex();
  const QString category = tab >= 0 ? TabSet1->tabText(tab) : QString();
  // On the tab strip the focused tab says the category's name itself.
  return ToQString(
      m_spoken.Settled(ToStdString(category), ToStdString(result), TabSet1->hasFocus()));
}

void Tfrm_Converter::MirrorTexts(model::ShownParts parts) {
  if (parts.Any(ShownPart::InputText)) {
    pan->ShowInputText(ToQString(
        engine::BoxTextFromInput(m_model->InputText(), m_locale,
                                 m_model->CurrentKind() != catalogue::ConversionKind::NumberBase)));
  }
  if (parts.Any(ShownPart::OutputText)) {
    pan->txt_Out->setText(ShownOutputText(m_model->Output()));
  }
}

// How the user set the window up: the check marks, the fonts, the factor's line and
// the place above other windows.
void Tfrm_Converter::MirrorSettings(model::ShownParts parts) {
  const model::WindowSettings& settings = m_model->Window();
  if (parts.Any(ShownPart::InputListEntries)) {
    m_menus.mnu_SortUnitLists1->setChecked(m_model->SortedUnitLists());
  }
  if (parts.Any(ShownPart::Fonts)) {
    pan->ApplyFonts(settings.MainFont);
    ApplyTabFont(TabSet1, settings.TabFont);
  }
  if (parts.Any(ShownPart::FactorLine)) {
    m_menus.mnu_ShowConversionFactor1->setChecked(settings.ShowConversionFactor);
    pan->ShowFactorLine(settings.ShowConversionFactor);
  }
  if (parts.Any(ShownPart::StayOnTop)) {
    m_menus.mnu_StayOnTop1->setChecked(settings.StayOnTop);
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) != settings.StayOnTop) {
      // setWindowFlag() would make the window system's window anew, which some window
      // managers then put elsewhere: once it is made, its flag changes in place.
      if (QWindow* handle = windowHandle()) {
        overrideWindowFlags(windowFlags() ^ Qt::WindowStaysOnTopHint);
        handle->setFlag(Qt::WindowStaysOnTopHint, settings.StayOnTop);
      } else {
        setWindowFlag(Qt::WindowStaysOnTopHint, settings.StayOnTop);
      }
    }
  }
}

// What follows from the shown values besides the controls that mirror them: the
// factor of the selected units and the conversion table.
void Tfrm_Converter::ShowDerivedViews(model::ShownParts parts) {
  // The factor depends on the units and the format alone, the table on the input as
  // well; neither on the result, which each keystroke reports apart from its input.
  const model::ShownParts units = ShownPart::InputListEntries | ShownPart::InputListSelection |
                                  ShownPart::OutputListEntries | ShownPart::OutputListSelection |
                                  ShownPart::Tabs | ShownPart::ResultFormat;
  if (parts.Any(units)) pan->SetFactor(ShownFactorText(m_model->ConversionFactor()));
  if (parts.Any(units | ShownPart::InputText) && m_table != nullptr && m_table->isVisible()) {
    // Other lists or another tab may list other units; anything else changes only
    // results, which the table words as it shows them.
    const model::ShownParts lists =
        ShownPart::InputListEntries | ShownPart::OutputListEntries | ShownPart::Tabs;
    m_table->ShowTable(m_model->LazyTable(),
                       parts.Any(lists) ? TableChange::Anything : TableChange::Results);
  }
}

QStringList Tfrm_Converter::TabCaptions() const {
  QStringList captions;
  for (const std::string& caption : m_model->IndexTabs()) captions.append(ToQString(caption));
  return captions;
}

void Tfrm_Converter::mnu_Exit1Click() {
  SaveSettings();
  QCoreApplication::quit();
}

void Tfrm_Converter::mnu_Edit1Click() {
  m_textBoxes->EnableEditItems(m_menus.mnu_Cut1, m_menus.mnu_Copy1, m_menus.mnu_Paste1);
}

void Tfrm_Converter::mnu_Cut1Click() {
  m_textBoxes->Cut();
}

void Tfrm_Converter::mnu_Copy1Click() {
  m_textBoxes->Copy();
}

void Tfrm_Converter::mnu_Paste1Click() {
  m_textBoxes->Paste();
}

// The result reaches the clipboard whatever has the focus, as the output box is
// skipped by the Tab key: without thousands separators, so that it pastes as a number
// into other programs.
void Tfrm_Converter::mnu_CopyResult1Click() {
  TextBoxCommands::CopyResult(m_model->ResultForCopy());
}

void Tfrm_Converter::mnu_ReverseSelectedUnits1Click() {
  if (const std::optional<engine::Message> refusal = m_model->InvertConversion()) {
    m_messages.ShowCommandError(*refusal);
  }
}

void Tfrm_Converter::mnu_ClearInputTextBox1Click() {
  m_model->SetInputText({});
}

void Tfrm_Converter::mnu_Reset1Click() {
  m_model->ClearAll();
  pan->txt_In->setFocus();
}

void Tfrm_Converter::mnu_Result1Click() {
  Tfrm_NumberFormat dialog(
      m_model->Format(), m_locale, [this](const QString& k) { ShowHelpTopic(k); }, this);
  if (dialog.exec() == QDialog::Accepted) m_model->SetFormat(dialog.Format());
}

void Tfrm_Converter::mnu_Fonts1Click() {
  const model::WindowSettings& settings = m_model->Window();
  Tfrm_Fonts dialog(
      settings.MainFont, settings.TabFont, m_chooseFont, m_messages,
      [this](const QString& k) { ShowHelpTopic(k); }, this);
  if (dialog.exec() == QDialog::Accepted) m_model->SetFonts(dialog.MainFont(), dialog.TabFont());
}

void Tfrm_Converter::mnu_ChooseUnitCategory1Click() {
  Tfrm_ChooseUnits dialog(
      TabCaptions(), m_model->TabIndex(), DisplayFont(m_model->Window().MainFont),
      [this](const QString& k) { ShowHelpTopic(k); }, this);
  if (dialog.exec() == QDialog::Accepted) m_model->SelectTab(dialog.SelectedPosition());
}

void Tfrm_Converter::mnu_SortUnitLists1Click() {
  m_model->SetSortedUnitLists(m_menus.mnu_SortUnitLists1->isChecked());
}

void Tfrm_Converter::mnu_ArrangeOrderofCategories1Click() {
  QStringList builtIn;
  for (const std::string_view name : m_model->Catalogue().CategoryNames())
    builtIn.append(ToQString(name));
  Tfrm_ArrangeUnits dialog(
      TabCaptions(), builtIn, DisplayFont(m_model->Window().MainFont),
      [this](const QString& k) { ShowHelpTopic(k); }, this);
  if (dialog.exec() != QDialog::Accepted) return;
  std::vector<std::string> captions;
  for (const QString& caption : dialog.Captions()) captions.push_back(ToStdString(caption));
  m_model->SetCategoryOrder(std::move(captions));
}

void Tfrm_Converter::mnu_FindUnit1Click() {
  // Built the first time it is asked for, so the start pays nothing for it.
  if (m_findUnit == nullptr) {
    m_findUnit = new FindUnitPopup(
        m_model->Catalogue(), [this] { return m_model->TabCategories(); }, this);
    connect(m_findUnit, &FindUnitPopup::UnitChosen, this,
            [this](int category, int position, bool forOutput) {
              m_model->ChooseUnit(category, position, forOutput);
            });
  }
  m_findUnit->open();
}

void Tfrm_Converter::mnu_ShowConversionFactor1Click() {
  m_model->SetShowConversionFactor(m_menus.mnu_ShowConversionFactor1->isChecked());
}

void Tfrm_Converter::mnu_StayOnTop1Click() {
  m_model->SetStayOnTop(m_menus.mnu_StayOnTop1->isChecked());
}

void Tfrm_Converter::Calculator1Click() {
  // The first calculator of the desktop that starts; the program does not wait for it.
  const auto started = [](const QString& program) { return QProcess::startDetached(program, {}); };
  if (std::none_of(m_calculators.begin(), m_calculators.end(), started)) {
    m_messages.ShowCommandError({engine::MessageCode::UnableToStartCalculator});
  }
}

void Tfrm_Converter::mnu_MetricPrefixes1Click() {
  ShowHelpTopic(QStringLiteral("MetricPrefixes"));
}

void Tfrm_Converter::mnu_ConversionTable1Click() {
  if (m_table == nullptr) {
    m_table = new ConversionTableWindow(this);
    // Where it was last, when that is on a screen; otherwise beside this window.
    m_table->RestoreBounds(m_model->Window().TableWindow);
  }
  // Filled first: a table opened the first time takes the size its rows ask for.
  m_table->ShowTable(m_model->LazyTable(), TableChange::Anything);
  m_table->show();
  m_table->raise();
  m_table->activateWindow();
}

void Tfrm_Converter::mnu_CustomUnits1Click() {
  Tfrm_CustomUnits dialog(
      m_model->Catalogue(), m_model->CurrentCategory(), m_locale, m_messages,
      [this](catalogue::CustomUnitLists units) { return ApplyCustomUnits(std::move(units)); },
      [this](const QString& k) { ShowHelpTopic(k); }, this);
  dialog.exec();
}

bool Tfrm_Converter::ApplyCustomUnits(catalogue::CustomUnitLists units) {
  std::optional<catalogue::CustomUnitLists> saved =
      model::SaveCustomUnitsFile(m_unitsPath, m_model->Catalogue(), units, m_messages);
  if (!saved) return false;
  // The lists' new entries bring an open conversion table up to date.
  m_model->SetCustomUnits(std::move(*saved));
  return true;
}

void Tfrm_Converter::mnu_Contents1Click() {
  m_help.Show(&HelpViewer::ShowContents);
}

void Tfrm_Converter::mnu_SearchforHelpOn1Click() {
  m_help.Show(&HelpViewer::ShowIndex);
}

void Tfrm_Converter::mnu_HowtoUseHelp1Click() {
  m_help.Show(&HelpViewer::ShowHelpOnHelp);
}

void Tfrm_Converter::mnu_About1Click() {
  Tfrm_About dialog(m_model->Catalogue().TotalUnitCount(), this);
  dialog.exec();
}

}  // namespace quantivo::ui
