#include "generator/ProgramModule.h"

#include "app/FilePaths.h"
#include "app/TextFiles.h"
#include "generator/ColumnList.h"
#include "generator/ProgramTables.h"
#include "generator/SettingsRoutine.h"
#include "generator/TableRoutine.h"

#include <vector>

namespace trellis {
namespace {

QString AddAllArrStart(const QString& baseName) {
  QString start = QStringLiteral(
      "Public Sub AddAllArr()\r\n"
      "\t\r\n"
      "\tAddSettings\r\n"
      "\t\r\n"
      "\tIf Api Is Nothing Then Set Api = New ksfemapi.main\r\n"
      "\t\r\n"
      "\tif Not DirExists (App.Path & \"\\temp\") Then MkDir App.Path & \"\\temp\"\r\n"
      "\tApi.SetPath KSPath, App.Path & \"\\temp\", \"");
  AppendVbStringText(start, baseName);
  return start + QStringLiteral("\", Me\r\n");
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

  // Which tables get a routine is known once their files are read; AddAllArr, which calls
  // them, comes first. So the files are read first and the module is then written once into
  // room made for all of it.
  std::vector<TableRoutine> routines;
  for (int table = 1; table <= 30; ++table) {
    // d11 and d17 are not tables the engine takes.
    if (table == 11 || table == 17) continue;
    const QString extension = QStringLiteral("d%1").arg(table, 2, 10, QLatin1Char('0'));
    const QString& columnFile = names.ProgramTableIni[size_t(table)];
    // Tables without a column file name have no column list, whatever the family folder holds.
    const QString columns = columnFile.isEmpty()
                                ? QString()
                                : ReadColumnList(ini, ColumnFilePath(familyFolder, columnFile));
    auto routine = PlanTableRoutine(ReadWholeFile(projectFiles + extension),
                                    {extension, names.ProgramTableTitle[size_t(table)], columns});
    if (routine) routines.push_back(*std::move(routine));
  }
  for (int table = 1; table <= 3; ++table) {
    const QString extension = QStringLiteral("g0%1").arg(table);
    const QString columns = ReadGeometryColumnList(
        ini, ColumnFilePath(familyFolder, names.GeometryTableIni[size_t(table)]));
    auto routine =
        PlanGeometryTableRoutine(ReadWholeFile(projectFiles + extension),
                                 {extension, names.GeometryTableTitle[size_t(table)], columns});
    if (routine) routines.push_back(*std::move(routine));
  }

  QString allArr = AddAllArrStart(baseName);
  for (const TableRoutine& routine : routines) {
    allArr += QStringLiteral("\tAddA_") + routine.names.extension + QStringLiteral("\r\n");
  }
  allArr += AddAllArrEnd();
  const QString settings = WriteSettingsRoutine(ini, projectFiles + QStringLiteral("ini"));

  qsizetype size = allArr.size() + 2 + settings.size();
  for (const TableRoutine& routine : routines) size += 4 + RoutineSizeBound(routine);
  QString module;
  module.reserve(size);
  module += allArr;
  module += QStringLiteral("\r\n");
  for (TableRoutine& routine : routines) {
    module += QStringLiteral("\r\n");
    WriteTableRoutine(routine, module);
    module += QStringLiteral("\r\n");
    routine.fileText.clear();  // its cells are in the module now
  }
  module += settings;
  return module;
}

}  // namespace trellis
