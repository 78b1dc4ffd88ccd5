#pragma once

#include "app/IniFiles.h"

#include <QString>
#include <QStringList>

#include <system_error>
#include <utility>
#include <vector>

namespace trellis::macros {

// One table as its file holds it. Rows and columns count from 1, as the program's grid shows
// them, so a place found here is the place the error list names.
class TableRows {
 public:
  TableRows() = default;
  explicit TableRows(int columns) : columns_(columns) {}

  int ColumnCount() const { return columns_; }
  int RowCount() const { return int(rows_.size()); }
  // "" outside the table.
  const QString& Cell(int row, int column) const;
  // A row whose cells are all empty holds nothing (a table without data keeps one such row).
  bool RowIsEmpty(int row) const;
  // Rows shorter than the table are padded, longer ones cut.
  void AddRow(QStringList cells);

 private:
  int columns_ = 0;
  std::vector<QStringList> rows_;
};

// The project's tables in the working folder, found through the program folder's Tables.ini
// (file extension, name, drawing group letter) and the column description files.
class ProjectTables {
 public:
  ProjectTables(QString programFolder, QString workingFolder, QString baseName);

  // <working folder>/<base name>.<Ext>; "" for a table Tables.ini does not describe.
  QString FileOf(const QString& key);
  QString NameOf(const QString& key);
  // The letter of a table whose rows own drawing groups ("E" for element groups); "" if none.
  QString GroupLetterOf(const QString& key);
  // The columns of <key>.ini: F1, F2, … up to the first without a name, at most 20.
  int ColumnCountOf(const QString& key);
  // A value of column Column's section in <key>.ini ("Source", "Var", "Type", …).
  QString ColumnValue(const QString& key, int column, const QString& name);
  // The tables Tables.ini lists, in tab order.
  QStringList Keys();

  // The table's rows; a missing file reads as no rows. Lines end with CR LF, LF or CR.
  TableRows Read(const QString& key);
  // Writes the tables together: every file is written beside its old one first, and only when
  // all of them were written whole do they replace the old ones. A table without rows is
  // written as one empty row, as the program writes an empty table.
  std::error_code Write(const std::vector<std::pair<QString, TableRows>>& tables);

  const QString& ProgramFolder() const { return programFolder_; }

 private:
  QString TablesIni() const;
  QString ColumnFile(const QString& key) const;

  QString programFolder_;
  QString workingFolder_;
  QString baseName_;
  IniFiles ini_;
};

// The drawing group of a table row: "KS_FEM_" + letter + "_" + the row's number with at least
// three digits, as the program names the group it fills when the row is bound.
QString RowGroupName(const QString& letter, const QString& rowNumber);

}  // namespace trellis::macros
