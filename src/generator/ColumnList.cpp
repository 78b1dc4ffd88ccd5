#include "generator/ColumnList.h"

#include "app/IniFiles.h"

namespace trellis {
namespace {

QString TitleOf(IniFiles& ini, const QString& columnFile, int column) {
  return ini.ReadIni(QString(u'F' + QString::number(column)), u"Name", columnFile);
}

QString JoinTitlesFrom(IniFiles& ini, const QString& columnFile, int firstColumn,
                       bool removePadding) {
  QString list;
  for (int column = firstColumn;; ++column) {
    QString title = TitleOf(ini, columnFile, column);
    if (title.isEmpty()) break;
    if (removePadding) title.remove(QStringLiteral("______"));
    if (column > firstColumn) list += QStringLiteral(" : ");
    list += title;
  }
  return list;
}

}  // namespace

QString ReadColumnList(IniFiles& ini, const QString& columnFile) {
  return JoinTitlesFrom(ini, columnFile, 1, false);
}

QString ReadGeometryColumnList(IniFiles& ini, const QString& columnFile) {
  if (TitleOf(ini, columnFile, 1).isEmpty()) return QString();
  return JoinTitlesFrom(ini, columnFile, 2, true);
}

}  // namespace trellis
