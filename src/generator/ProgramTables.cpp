#include "generator/ProgramTables.h"

#include "app/FilePaths.h"
#include "app/TextFiles.h"

#include <QFileInfo>
#include <QStringList>

namespace trellis {

ProgramTableNames FillProgramTableNames() {
  ProgramTableNames n;
  const auto set = [&n](int table, const char16_t* title, const char* ini) {
    n.ProgramTableTitle[size_t(table)] = QString::fromUtf16(title);
    n.ProgramTableIni[size_t(table)] = QString::fromLatin1(ini);
  };
  set(1, u"Материалы", "Materials");
  set(2, u"Группы элементов", "Elements");
  set(3, u"Группы узлов", "Points");
  set(4, u"Загружения", "Loads");
  set(5, u"Нагрузки на элементы", "q");
  set(6, u"Нагрузки на узлы", "p");
  set(7, u"Сочетания нагрузок", "Combinations");
  set(8, u"Закрепления", "Locking");
  set(10, u"Несочетаемые нагрузки", "LoadsNo");
  set(12, u"Температура", "T");
  set(14, u"Диаграммы работы материала", "Diagr");
  set(15, u"Участки сечения арматуры", "Sec");
  set(16, u"Участки сечения", "SecBH");
  set(18, u"Слои грунта", "Layers");
  set(19, u"Фундамент", "Fund");
  set(20, u"Соседние здания", "Fund2");
  n.GeometryTableTitle = {QString(), QStringLiteral("Основные узлы"), QStringLiteral("Все узлы"),
                          QStringLiteral("Элементы")};
  n.GeometryTableIni = {QString(), QStringLiteral("CoordPoints"), QStringLiteral("CoordAllPoints"),
                        QStringLiteral("NumEl")};
  return n;
}

int ProvideGeneratorColumnFiles(const QString& installationFolder, const QString& familyFolder,
                                QStringList* problems) {
  const ProgramTableNames names = FillProgramTableNames();
  QStringList files;
  for (const QString& ini : names.ProgramTableIni)
    if (!ini.isEmpty()) files << ini;
  for (const QString& ini : names.GeometryTableIni)
    if (!ini.isEmpty()) files << ini;

  int copied = 0;
  for (const QString& base : files) {
    const QString source = installationFolder + kPathSeparator + base + QStringLiteral(".ini");
    const QString target = familyFolder + kPathSeparator + base + QStringLiteral(".ini");
    const QFileInfo from(source), to(target);
    if (!from.isFile() || (to.exists() && to.lastModified() >= from.lastModified())) continue;
    if (ReplaceFileContent(target, ReadWholeFileBytes(source))) {
      ++copied;
    } else if (problems) {
      *problems << QStringLiteral("Не удалось скопировать %1 в %2").arg(source, familyFolder);
    }
  }
  return copied;
}

}  // namespace trellis
