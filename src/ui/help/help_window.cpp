#include "ui/help/help_window.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHelpContentItem>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace quantivo::ui {
namespace {

constexpr const char* kPages = "qthelp://org.quantivo.help/doc/";

QUrl Page(const char* file) {
  return QUrl(QString::fromLatin1(kPages) + QString::fromLatin1(file));
}

// The search index is written beside the collection file; an installed one is
// read-only, so the collection and its pages are read from a copy in the cache.
QString WritableCopy(const QString& collectionFile) {
  const QFileInfo collection(collectionFile);
  if (QFileInfo(collection.absolutePath()).isWritable()) return collectionFile;
  const QString cache =
      QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/help");
  QDir().mkpath(cache);
  const QDir source = collection.absoluteDir();
  for (const QString& name : source.entryList({QStringLiteral("*.qhc"), QStringLiteral("*.qch")})) {
    const QString from = source.filePath(name);
    const QString to = QDir(cache).filePath(name);
    if (QFileInfo(to).lastModified() != QFileInfo(from).lastModified() ||
        QFileInfo(to).size() != QFileInfo(from).size()) {
      QFile::remove(to);
      QFile::copy(from, to);
      QFile(to).setFileTime(QFileInfo(from).lastModified(), QFileDevice::FileModificationTime);
      QFile(to).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
  }
  return QDir(cache).filePath(collection.fileName());
}

}  // namespace

HelpBrowser::HelpBrowser(QHelpEngine* engine, QWidget* parent)
    : QTextBrowser(parent), m_engine(engine) {
  // The browser would hand every link of a qthelp page to the desktop, which cannot
  // open them: the links are followed here instead.
  setOpenLinks(false);
  connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::FollowLink);
}

void HelpBrowser::FollowLink(const QUrl& link) {
  const QUrl url = source().resolved(link);
  // A page of the help file (or a place in one) opens here, with Back and Forward;
  // an address outside it opens in the desktop's browser.
  if (url.scheme() == QLatin1String("qthelp")) {
    setSource(url);
  } else {
    QDesktopServices::openUrl(url);
  }
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  if (m_engine != nullptr && name.scheme() == QLatin1String("qthelp")) {
    return m_engine->fileData(name);
  }
  return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(const QString& collectionFile, QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(tr("Quantivo Help"));
  resize(860, 600);

  if (QFileInfo::exists(collectionFile)) {
    m_engine = new QHelpEngine(WritableCopy(collectionFile), this);
    m_ready = m_engine->setupData() && !m_engine->registeredDocumentations().isEmpty();
  }
  m_browser = new HelpBrowser(m_ready ? m_engine : nullptr, this);
  m_browser->setObjectName(QStringLiteral("HelpBrowser"));
  if (!m_ready) {
    setCentralWidget(m_browser);
    ShowMissing(collectionFile);
    return;
  }

  CreateTabs();
  NameControls();
  ConnectPageLinks();
  CreateSplitter();
  CreateToolBar();
  ShowFirstPage();
}

void HelpWindow::CreateTabs() {
  m_tabs = new QTabWidget(this);
  m_tabs->setObjectName(QStringLiteral("HelpTabs"));
  m_tabs->addTab(m_engine->contentWidget(), tr("&Contents"));
  m_tabs->addTab(CreateIndexPage(), tr("&Index"));
  QWidget* search = CreateSearchPage();
  m_tabs->addTab(search, tr("&Search"));
  // The full-text index is built the first time the search page is shown.
  connect(m_tabs, &QTabWidget::currentChanged, this, [this, search](int) {
    if (m_tabs->currentWidget() == search && !m_indexed) {
      m_indexed = true;
      m_engine->searchEngine()->reindexDocumentation();
    }
  });
}

// What a screen reader says of the parts that show no text of their own.
void HelpWindow::NameControls() {
  m_browser->setAccessibleName(tr("Help page"));
  m_engine->contentWidget()->setAccessibleName(tr("Contents"));
  m_engine->indexWidget()->setAccessibleName(tr("Index"));
  QHelpSearchEngine* search = m_engine->searchEngine();
  if (auto* field = search->queryWidget()->findChild<QLineEdit*>()) {
    field->setAccessibleName(tr("Search for"));
  }
  for (QTextBrowser* results : search->resultWidget()->findChildren<QTextBrowser*>()) {
    results->setAccessibleName(tr("Search results"));
  }
  // The page buttons of the hits show arrows alone, in this order along their row.
  const QStringList pages = {tr("First page of hits"), tr("Previous page of hits"),
                             tr("Next page of hits"), tr("Last page of hits")};
  QList<QToolButton*> arrows;
  for (QToolButton* button : search->resultWidget()->findChildren<QToolButton*>()) {
    if (button->text().isEmpty() && button->toolTip().isEmpty()) arrows.append(button);
  }
  const auto place = [](const QToolButton* button) {
    const QLayout* row = button->parentWidget()->layout();
    return row != nullptr ? row->indexOf(button) : -1;
  };
  std::stable_sort(
      arrows.begin(), arrows.end(),
      [&place](const QToolButton* a, const QToolButton* b) { return place(a) < place(b); });
  for (int i = 0; i < arrows.size() && arrows.size() == pages.size(); ++i) {
    arrows[i]->setAccessibleName(pages[i]);
  }
  // The other buttons take their tooltip or their word; a box's clear button is one.
  for (QWidget* part : {static_cast<QWidget*>(search->queryWidget()),
                        static_cast<QWidget*>(search->resultWidget())}) {
    for (QAbstractButton* button : part->findChildren<QAbstractButton*>()) {
      const QString name = button->text().isEmpty() ? button->toolTip() : button->text();
      if (button->accessibleName().isEmpty()) {
        button->setAccessibleName(name.isEmpty() ? tr("Clear")
                                                 : name.simplified().remove(QLatin1Char('&')));
      }
    }
  }
}

QWidget* HelpWindow::CreateIndexPage() {
  auto* index = new QWidget(m_tabs);
  auto* indexLayout = new QVBoxLayout(index);
  auto* lookFor = new QLabel(tr("&Look for:"), index);
  indexLayout->addWidget(lookFor);
  m_indexFilter = new QLineEdit(index);
  // With its buddy the label shows "L" as the access key and Alt+L goes to the field.
  lookFor->setBuddy(m_indexFilter);
  m_indexFilter->setObjectName(QStringLiteral("IndexFilter"));
  indexLayout->addWidget(m_indexFilter);
  indexLayout->addWidget(m_engine->indexWidget());
  connect(m_indexFilter, &QLineEdit::textChanged, this,
          [this](const QString& text) { m_engine->indexWidget()->filterIndices(text); });
  // The index is read in the background; a search typed before then applies once it
  // is there.
  connect(m_engine->indexModel(), &QHelpIndexModel::indexCreated, this,
          [this] { m_engine->indexWidget()->filterIndices(m_indexFilter->text()); });
  connect(m_indexFilter, &QLineEdit::returnPressed, m_engine->indexWidget(),
          &QHelpIndexWidget::activateCurrentItem);
  return index;
}

QWidget* HelpWindow::CreateSearchPage() {
  auto* search = new QWidget(m_tabs);
  auto* searchLayout = new QVBoxLayout(search);
  QHelpSearchEngine* searchEngine = m_engine->searchEngine();
  searchLayout->addWidget(searchEngine->queryWidget());
  searchLayout->addWidget(searchEngine->resultWidget());
  connect(searchEngine->queryWidget(), &QHelpSearchQueryWidget::search, this,
          [searchEngine] { searchEngine->search(searchEngine->queryWidget()->searchInput()); });
  return search;
}

void HelpWindow::ConnectPageLinks() {
  connect(m_engine->contentWidget(), &QHelpContentWidget::linkActivated, this,
          &HelpWindow::ShowPage);
  // One click on an entry opens its page, as a link does.
  connect(m_engine->contentWidget(), &QHelpContentWidget::clicked, this,
          [this](const QModelIndex& entry) {
            if (const QHelpContentItem* item = m_engine->contentModel()->contentItemAt(entry)) {
              ShowPage(item->url());
            }
          });
  // Whatever opened the page (the contents, a link, Back), the contents mark it.
  connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::MarkInContents);
  connect(m_engine->indexWidget(), &QHelpIndexWidget::documentActivated, this,
          [this](const QHelpLink& link, const QString&) { ShowPage(link.url); });
  connect(m_engine->indexWidget(), &QHelpIndexWidget::documentsActivated, this,
          [this](const QList<QHelpLink>& links, const QString&) {
            if (!links.isEmpty()) ShowPage(links.first().url);
          });
  connect(m_engine->searchEngine()->resultWidget(), &QHelpSearchResultWidget::requestShowLink, this,
          &HelpWindow::ShowPage);
}

void HelpWindow::CreateSplitter() {
  auto* splitter = new QSplitter(this);
  splitter->addWidget(m_tabs);
  splitter->addWidget(m_browser);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({240, 620});
  setCentralWidget(splitter);
}

void HelpWindow::CreateToolBar() {
  QToolBar* tools = addToolBar(tr("Navigation"));
  tools->setObjectName(QStringLiteral("HelpNavigation"));
  tools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"), m_browser,
                   &QTextBrowser::backward);
  tools->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"), m_browser,
                   &QTextBrowser::forward);
  tools->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Contents"), this,
                   &HelpWindow::ShowContents);
  // The arrow that shows the buttons a narrow window has no room for.
  if (auto* more = tools->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"))) {
    more->setAccessibleName(tr("More buttons"));
  }
}

void HelpWindow::ShowFirstPage() {
  // The contents arrive once the engine has read them; show their first level.
  connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, this,
          [this] { m_engine->contentWidget()->expandToDepth(0); });
  m_engine->contentWidget()->expandToDepth(0);
  ShowPage(Page("index.html"));
}

QUrl HelpWindow::CurrentPage() const {
  return m_browser->source();
}

void HelpWindow::ShowContents() {
  if (m_ready) {
    m_tabs->setCurrentIndex(0);
    ShowPage(Page("index.html"));
  }
  Present();
}

void HelpWindow::ShowIndex() {
  if (m_ready) {
    m_tabs->setCurrentIndex(1);
    m_indexFilter->clear();
    m_indexFilter->setFocus();
  }
  Present();
}

void HelpWindow::ShowHelpOnHelp() {
  if (m_ready) ShowPage(Page("how-to-use-help.html"));
  Present();
}

bool HelpWindow::ShowHelpTopic(const QString& keyword) {
  bool found = false;
  if (m_ready) {
    const QList<QHelpLink> links = m_engine->documentsForIdentifier(keyword);
    if (!links.isEmpty()) {
      ShowPage(links.first().url);
      found = true;
    }
  }
  Present();
  return found;
}

void HelpWindow::Present() {
  show();
  raise();
  activateWindow();
}

void HelpWindow::ShowPage(const QUrl& url) {
  m_browser->setSource(url);
}

void HelpWindow::MarkInContents(const QUrl& url) {
  const QModelIndex index = m_engine->contentWidget()->indexOf(url);
  if (index.isValid()) m_engine->contentWidget()->setCurrentIndex(index);
}

void HelpWindow::ShowMissing(const QString& collectionFile) {
  m_browser->setHtml(MissingHelpPage(
      tr("The help file %1 cannot be found or read. Build the program again, or reinstall it, "
         "to put the help file back.")
          .arg(collectionFile)));
}

}  // namespace quantivo::ui

extern "C" Q_DECL_EXPORT quantivo::ui::HelpViewer* quantivo_create_help_viewer(
    const QString& collectionFile) {
  return new quantivo::ui::HelpWindow(collectionFile);
}
