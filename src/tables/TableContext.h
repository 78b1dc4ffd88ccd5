#pragma once

#include "tables/EditHistory.h"
#include "tables/Grid.h"
#include "tables/TableCatalogue.h"
#include "tables/TableData.h"
#include "tables/ValueChecks.h"

#include <QString>

#include <map>

namespace trellis {

class IniFiles;
class TableHooks;
class TextFileWriter;
class WindowModel;
class WorkingFolders;
struct ProjectState;

// The program's table state: the catalogue of the chosen group, which table is shown and
// which file the main store came from, and the stores beside the main grid.
struct TableState {
  TableCatalogue catalogue;
  QString currentTableKey;
  QString lastOpenedTableKey;
  QString loadedTableFile = QStringLiteral(".d01");
  // Until the first catalogue load the tab image list is cleared with the tabs.
  bool firstCatalogueLoad = true;
  int firstMacroButton = 0;
  Grid popupGrid;  // the value list popup's grid
  TableData fgTable;
  TableData fgSource;
  EditHistory history;  // the project's steps to undo
  ValueChecks valueChecks;  // of the shown table
  std::map<QString, std::map<int, int>> userColumnWidths;  // by table, for the session
};

// What the table procedures work with.
struct TableContext {
  QString installationFolder;
  IniFiles& ini;
  WorkingFolders& folders;
  TextFileWriter& writer;
  ProjectState& project;
  WindowModel& window;
  TableState& tables;
  TableHooks& hooks;
};

}  // namespace trellis
