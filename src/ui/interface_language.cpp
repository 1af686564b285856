#include "ui/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace quantivo::ui {

QString TranslationsPath() {
  return QStringLiteral(":/translations");
}

InterfaceTranslation::InterfaceTranslation(const QStringList& languages, const QString& folder) {
  for (const QString& name : languages) {
    const QLocale locale(name);
    // The texts are written in English: a desktop that wants it first gets them.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C) return;
    if (!m_program.load(locale, QStringLiteral("quantivo"), QStringLiteral("_"), folder)) continue;
    QCoreApplication::installTranslator(&m_program);
    m_language = QLocale(m_program.language()).name().section(QLatin1Char('_'), 0, 0);
    // Qt's texts in the same language, where the desktop has them installed.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (m_qtBase.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), qtFolder)) {
      QCoreApplication::installTranslator(&m_qtBase);
    }
    if (m_qtHelp.load(locale, QStringLiteral("qt_help"), QStringLiteral("_"), qtFolder)) {
      QCoreApplication::installTranslator(&m_qtHelp);
    }
    return;
  }
}

}  // namespace quantivo::ui
