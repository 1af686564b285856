#pragma once

#include <QMainWindow>
#include <QString>
#include <QTextBrowser>
#include <QUrl>

#include "ui/help/help_viewer.h"

class QHelpEngine;
class QLineEdit;
class QTabWidget;

namespace quantivo::ui {

/// Shows pages of the help file, which lives in a QHelpEngine.
class HelpBrowser : public QTextBrowser {
  Q_OBJECT
 public:
  explicit HelpBrowser(QHelpEngine* engine, QWidget* parent = nullptr);
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  void FollowLink(const QUrl& link);

  QHelpEngine* m_engine;
};

/// The help window: contents, a keyword index with a search field, full-text search
/// and the pages. A help file that cannot be found is reported in the window.
class HelpWindow : public QMainWindow, public HelpViewer {
  Q_OBJECT
 public:
  explicit HelpWindow(const QString& collectionFile, QWidget* parent = nullptr);

  bool HasHelp() const override { return m_ready; }
  QUrl CurrentPage() const override;
  void ShowContents() override;
  void ShowIndex() override;
  void ShowHelpOnHelp() override;
  bool ShowHelpTopic(const QString& keyword) override;
  QWidget* Window() override { return this; }
  /// The help engine behind the window; nullptr without a help file.
  QHelpEngine* Engine() const { return m_ready ? m_engine : nullptr; }

 private:
  /// The contents, index and search pages, in that order, beside the page shown.
  void CreateTabs();
  /// The keyword index under its "Look for" field.
  void NameControls();
  QWidget* CreateIndexPage();
  /// The full-text search: the query above its results.
  QWidget* CreateSearchPage();
  /// Every way of choosing a page (contents, index, search results) opens it here.
  void ConnectPageLinks();
  void CreateSplitter();
  /// Back, Forward and Contents.
  void CreateToolBar();
  void ShowFirstPage();
  void Present();
  void ShowPage(const QUrl& url);
  void MarkInContents(const QUrl& url);
  void ShowMissing(const QString& collectionFile);

  QHelpEngine* m_engine = nullptr;
  HelpBrowser* m_browser = nullptr;
  QTabWidget* m_tabs = nullptr;
  QLineEdit* m_indexFilter = nullptr;
  bool m_ready = false;
  bool m_indexed = false;
};

}  // namespace quantivo::ui
