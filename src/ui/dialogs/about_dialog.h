#pragma once

#include <QDialog>
#include <QWidget>

namespace quantivo::ui {

/// The program's picture: a drawing of its own, crisp at any size.
class ProgramPicture : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

/// "About": the name, version, number of units and the word size of this build.
class Tfrm_About : public QDialog {
  Q_OBJECT
 public:
  explicit Tfrm_About(int totalUnits, QWidget* parent = nullptr);

  /// "64-bit" or "32-bit": the word size of the running build.
  static QString VersionPlatform();

 private:
  /// The program's picture in its sunken panel.
  void CreatePicture();
  /// The shadowed title, the version and the rule under them.
  void CreateTitle();
  /// The bottom line: the number of units and the word size, each after its caption.
  void CreateFacts(int totalUnits);
};

}  // namespace quantivo::ui
