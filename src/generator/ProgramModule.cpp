#include "generator/ProgramModule.h"

#include "app/FilePaths.h"
#include "app/TextFiles.h"
#include "generator/ColumnList.h"
#include "generator/ProgramTables.h"
#include "generator/SettingsRoutine.h"
#include "generator/TableRoutine.h"

#include <QStringList>

namespace trellis {
namespace {

QString AddAllArrStart(const QString& baseName) {
  return QStringLiteral(
             "Public Sub AddAllArr()\r\n"
             "\t\r\n"
             "\tAddSettings\r\n"
             "\t\r\n"
             "\tIf Api Is Nothing Then Set Api = New ksfemapi.main\r\n"
             "\t\r\n"
             "\tif Not DirExists (App.Path & \"\\temp\") Then MkDir App.Path & \"\\temp\"\r\n"
             "\tApi.SetPath KSPath, App.Path & \"\\temp\", \"") +
         baseName + QStringLiteral("\", Me\r\n");
}

QString AddAllArrEnd() {
  return QStringLiteral(
      "\tApi.Calc\r\n"
      "\tApi.GetArrZ ArrZ\r\n"
      "\tApi.GetArrNM ArrNM\r\n"
      "\tApi.GetArrQ ArrQ\r\n"
      "End Sub\r\n");
}

QString ColumnFilePath(const QString& familyFolder, const QString& baseName) {
  return familyFolder + kPathSeparator + baseName + QStringLiteral(".ini");
}

}  // namespace

QString BuildProgramModule(const QString& baseName, const QString& projectFolder,
                           const QString& familyFolder, IniFiles& ini) {
  const ProgramTableNames names = FillProgramTableNames();
  const QString projectFiles = projectFolder + kPathSeparator + baseName + u'.';

  QString allArr = AddAllArrStart(baseName);
  // The routines stay separate pieces and are joined once at the end, so no part of the
  // module is copied more than once however many rows the tables hold.
  QStringList routines;
  const auto add = [&](const QString& extension, std::optional<QString> routine) {
    if (!routine) return;
    routines << QStringLiteral("\r\n") << *std::move(routine) << QStringLiteral("\r\n");
    allArr += QStringLiteral("\tAddA_") + extension + QStringLiteral("\r\n");
  };

  for (int table = 1; table <= 30; ++table) {
    // d11 and d17 are not tables the engine takes.
    if (table == 11 || table == 17) continue;
    const QString extension = QStringLiteral("d%1").arg(table, 2, 10, QLatin1Char('0'));
    const QString columnFile = names.ProgramTableIni[size_t(table)];
    // Tables without a column file name have no column list, whatever the family folder holds.
    const QString columns = columnFile.isEmpty()
                                ? QString()
                                : ReadColumnList(ini, ColumnFilePath(familyFolder, columnFile));
    add(extension, WriteTableRoutine(ReadWholeFile(projectFiles + extension),
                                     {extension, names.ProgramTableTitle[size_t(table)], columns}));
  }
  for (int table = 1; table <= 3; ++table) {
    const QString extension = QStringLiteral("g0%1").arg(table);
    const QString columns = ReadGeometryColumnList(
        ini, ColumnFilePath(familyFolder, names.GeometryTableIni[size_t(table)]));
    add(extension,
        WriteGeometryTableRoutine(ReadWholeFile(projectFiles + extension),
                                  {extension, names.GeometryTableTitle[size_t(table)], columns}));
  }
  allArr += AddAllArrEnd();

  // AddAllArr, complete only now, goes in front of the table routines.
  routines.prepend(QStringLiteral("\r\n"));
  routines.prepend(allArr);
  routines << WriteSettingsRoutine(ini, projectFiles + QStringLiteral("ini"));
  return routines.join(QString());
}

}  // namespace trellis
