#pragma once

#include "app/FilePaths.h"

#include <QString>

namespace trellis {

// Where the catalogue and the pictures of an installation lie.
inline QString InstallationPath(const QString& installationFolder, const QString& relative) {
  QString path = relative;
  path.replace(u'/', kPathSeparator);
  return installationFolder + kPathSeparator + path;
}

inline QString TablesIniPath(const QString& installationFolder) {
  return InstallationPath(installationFolder, QStringLiteral("Tables.ini"));
}

inline QString DescriptionFilePath(const QString& installationFolder, const QString& tableKey) {
  return InstallationPath(installationFolder, tableKey + QStringLiteral(".ini"));
}

}  // namespace trellis
