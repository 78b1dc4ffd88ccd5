#include "tables/ValueLists.h"

#include "app/FilePaths.h"
#include "tables/InstallationFiles.h"

namespace trellis {

bool IsInList(const QString& value, const QString& list) {
  if (value.isEmpty() || list.isEmpty()) return false;
  return list.split(u'|').contains(value);
}

QString GetListPicture(const QString& value, const QString& folder, const QString& list,
                       const QString& listBmp, const QString& installationFolder) {
  if (value.isEmpty()) return QString();
  const QStringList items = list.split(u'|');
  const QStringList images = listBmp.split(u'|');
  for (qsizetype i = 0; i < items.size(); ++i) {
    if (items[i].isEmpty() || !value.startsWith(items[i] + kImageItemSuffix)) continue;
    const QString name = images.value(i);
    if (name.isEmpty()) return QString();
    const QString direct =
        InstallationPath(installationFolder, QStringLiteral("bmp/Materials/") + name + QStringLiteral(".bmp"));
    if (FileExists(direct)) return direct;
    const QString inFolder = InstallationPath(
        installationFolder, QStringLiteral("bmp/Materials/") + folder + u'/' + name + QStringLiteral(".bmp"));
    return FileExists(inFolder) ? inFolder : QString();
  }
  return QString();
}

QStringList FillComboFromList(const QString& list) {
  const QStringList items = list.split(u'|');
  QStringList combo{items.front()};
  for (qsizetype i = 1; i < items.size(); ++i) {
    if (!items[i].isEmpty()) combo << items[i];
  }
  return combo;
}

}  // namespace trellis
