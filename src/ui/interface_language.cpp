#include "ui/interface_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

namespace quantivo::ui {

QString TranslationsPath() {
  const QString fromEnvironment = qEnvironmentVariable("QUANTIVO_TRANSLATIONS");
  if (!fromEnvironment.isEmpty()) return fromEnvironment;
  const QString installed = QDir(QCoreApplication::applicationDirPath())
                                .filePath(QStringLiteral("../share/quantivo/translations"));
  if (QFileInfo::exists(installed)) return QDir::cleanPath(installed);
#ifdef QUANTIVO_BUILD_TRANSLATIONS
  return QStringLiteral(QUANTIVO_BUILD_TRANSLATIONS);
#else
  return QDir::cleanPath(installed);
#endif
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
