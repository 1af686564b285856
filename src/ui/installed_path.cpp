#include "ui/installed_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quantivo::ui {

QString InstalledPath(const char* variable, const QString& installed, const char* buildTree) {
  if (variable != nullptr) {
    const QString fromEnvironment = qEnvironmentVariable(variable);
    if (!fromEnvironment.isEmpty()) return fromEnvironment;
  }
  const QString beside =
      QDir::cleanPath(QDir(QCoreApplication::applicationDirPath()).filePath(installed));
  if (QFileInfo::exists(beside) || buildTree == nullptr) return beside;
  return QString::fromUtf8(buildTree);
}

}  // namespace quantivo::ui
