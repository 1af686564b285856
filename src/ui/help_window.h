#pragma once

#include <QMainWindow>
#include <QString>
#include <QTextBrowser>
#include <QUrl>

class QHelpEngine;
class QLineEdit;
class QTabWidget;

namespace quantivo::ui {

/// The help file: the collection the build compiles from the pages in help/. Looked
/// for beside an installed program, then in the build tree; QUANTIVO_HELP names
/// another.
QString HelpCollectionPath();

/// Shows pages of the help file, which lives in a QHelpEngine.
class HelpBrowser : public QTextBrowser {
  Q_OBJECT
 public:
  explicit HelpBrowser(QHelpEngine* engine, QWidget* parent = nullptr);
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  QHelpEngine* m_engine;
};

/// The help window: contents, a keyword index with a search field, full-text search
/// and the pages. A help file that cannot be found is reported in the window.
class HelpWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit HelpWindow(const QString& collectionFile, QWidget* parent = nullptr);

  /// Whether the help file was found and read.
  bool HasHelp() const { return m_ready; }
  /// The page shown.
  QUrl CurrentPage() const;

  void ShowContents();
  /// The keyword index with an empty search field, ready for typing.
  void ShowIndex();
  /// The page on how to use this window.
  void ShowHelpOnHelp();
  /// The topic whose identifier is `keyword`; false when the help file has none.
  bool ShowHelpTopic(const QString& keyword);
  /// The help engine behind the window; nullptr without a help file.
  QHelpEngine* Engine() const { return m_ready ? m_engine : nullptr; }

 private:
  void Present();
  void ShowPage(const QUrl& url);
  void ShowMissing(const QString& collectionFile);

  QHelpEngine* m_engine = nullptr;
  HelpBrowser* m_browser = nullptr;
  QTabWidget* m_tabs = nullptr;
  QLineEdit* m_indexFilter = nullptr;
  bool m_ready = false;
  bool m_indexed = false;
};

}  // namespace quantivo::ui
