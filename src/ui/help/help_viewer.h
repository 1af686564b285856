#pragma once

#include <QCoreApplication>
#include <QString>
#include <QUrl>
#include <memory>

class QWidget;

namespace quantivo::ui {

/// The help window as the program sees it. The window itself, and the help engine
/// behind it, live in a library of their own that is loaded on first use, so that
/// starting the program does not load them.
class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  /// Whether the help file was found and read.
  virtual bool HasHelp() const = 0;
  /// The page shown.
  virtual QUrl CurrentPage() const = 0;
  virtual void ShowContents() = 0;
  /// The keyword index with an empty search field, ready for typing.
  virtual void ShowIndex() = 0;
  /// The page on how to use the help window.
  virtual void ShowHelpOnHelp() = 0;
  /// The topic whose identifier is `keyword`; false when the help file has none.
  virtual bool ShowHelpTopic(const QString& keyword) = 0;
  /// The window, for tests and for raising it.
  virtual QWidget* Window() = 0;
};

/// The page a help window shows in place of help it cannot show, with the reason.
/// Inline, as both the program and the help library show it.
inline QString MissingHelpPage(const QString& reason) {
  return QStringLiteral("<h2>%1</h2><p>%2</p>")
      .arg(QCoreApplication::translate("HelpViewer", "Help is not available").toHtmlEscaped(),
           reason.toHtmlEscaped());
}

/// The help file: the collection the build compiles from the pages in help/. Looked
/// for beside the program, then (by a program run in its build tree) in the build
/// tree; QUANTIVO_HELP names another.
QString HelpCollectionPath();

/// The help window for the help file at `collectionFile`, from the help library.
/// Without the library, a window that says help is not available.
std::unique_ptr<HelpViewer> LoadHelpViewer(const QString& collectionFile);

}  // namespace quantivo::ui

/// The help library's entry: a new help window, owned by the caller.
using CreateHelpViewerFunction = quantivo::ui::HelpViewer* (*)(const QString& collectionFile);
