#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace quantivo::ui {

/// The folder of the interface's translations (quantivo_de.qm, ...), compiled into the
/// program: no file to find or to find damaged, and Qt reads them where they lie.
QString TranslationsPath();

/// The interface in the desktop's language while it lives: the program's translation
/// for the first of `languages` (most wanted first, as QLocale::uiLanguages gives
/// them) that it ships, and Qt's own for its standard dialogs where those are
/// installed. English, or C, before any shipped language keeps the interface English.
/// Made before the window, as the window takes its texts when it is built.
class InterfaceTranslation {
 public:
  explicit InterfaceTranslation(const QStringList& languages,
                                const QString& folder = TranslationsPath());
  InterfaceTranslation(const InterfaceTranslation&) = delete;
  InterfaceTranslation& operator=(const InterfaceTranslation&) = delete;

  /// The language shown ("de", "fr"); empty for English.
  const QString& Language() const { return m_language; }

 private:
  QTranslator m_program;
  QTranslator m_qtBase;
  QTranslator m_qtHelp;
  QString m_language;
};

}  // namespace quantivo::ui
