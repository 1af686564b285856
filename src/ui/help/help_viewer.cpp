#include "ui/help/help_viewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QTextBrowser>

#include "ui/installed_path.h"

namespace quantivo::ui {
namespace {

// Shown when the help library itself cannot be loaded: the program goes on.
class MissingHelpViewer : public HelpViewer {
 public:
  explicit MissingHelpViewer(const QString& reason) {
    m_browser.setObjectName(QStringLiteral("HelpBrowser"));
    m_browser.setWindowTitle(QCoreApplication::translate("HelpViewer", "Quantivo Help"));
    m_browser.resize(520, 240);
    m_browser.setHtml(MissingHelpPage(reason));
  }
  bool HasHelp() const override { return false; }
  QUrl CurrentPage() const override { return {}; }
  void ShowContents() override { Present(); }
  void ShowIndex() override { Present(); }
  void ShowHelpOnHelp() override { Present(); }
  bool ShowHelpTopic(const QString&) override {
    Present();
    return false;
  }
  QWidget* Window() override { return &m_browser; }

 private:
  void Present() {
    m_browser.show();
    m_browser.raise();
    m_browser.activateWindow();
  }
  QTextBrowser m_browser;
};

QString HelpLibraryPath() {
  return InstalledPath(nullptr, QStringLiteral("../lib/quantivo/libquantivo_help.so"),
                       kBuildTree.HelpLibrary);
}

}  // namespace

QString HelpCollectionPath() {
  return InstalledPath("QUANTIVO_HELP", QStringLiteral("../share/quantivo/help/quantivo.qhc"),
                       kBuildTree.HelpCollection);
}

std::unique_ptr<HelpViewer> LoadHelpViewer(const QString& collectionFile) {
  QLibrary library(HelpLibraryPath());
  const auto create =
      reinterpret_cast<CreateHelpViewerFunction>(library.resolve("quantivo_create_help_viewer"));
  if (create == nullptr) {
    return std::make_unique<MissingHelpViewer>(
        QCoreApplication::translate("HelpViewer", "The help window's library cannot be loaded: %1")
            .arg(library.errorString()));
  }
  // The library stays loaded for the rest of the run: QLibrary does not unload it
  // when this object goes.
  return std::unique_ptr<HelpViewer>(create(collectionFile));
}

}  // namespace quantivo::ui
