#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace trellis {

// What the generated routine of one table names: its file extension ("d05", "g01"), the title
// for its comment line and the joined column titles.
struct TableRoutineNames {
  QString extension;
  QString title;
  QString columnList;
};

// A table file as its routine AddA_<ext> sees it: the routine fills a string array (column,
// row) with the cells as the file holds them and hands it to the engine.
struct TableRoutine {
  TableRoutineNames names;
  QString fileText;
  qsizetype textSize = 0;   // without the closing CR LF
  qsizetype firstCell = 0;  // 1 for a geometry table, whose first column is left out
  qsizetype lastCell = 0;   // of the first row
  qsizetype lastRow = 0;
};

// The routine of a model table; nothing when the file text is shorter than three characters.
std::optional<TableRoutine> PlanTableRoutine(QString fileText, TableRoutineNames names);
// The same for a geometry table.
std::optional<TableRoutine> PlanGeometryTableRoutine(QString fileText, TableRoutineNames names);

// At least the length of the routine's text, so a caller can make room for it beforehand.
qsizetype RoutineSizeBound(const TableRoutine& routine);

// Appends the routine's text to Module. Cell texts go in as VB string literals.
void WriteTableRoutine(const TableRoutine& routine, QString& module);

// Appends Text as the inside of a VB string literal, where a quote is written doubled.
void AppendVbStringText(QString& out, QStringView text);

}  // namespace trellis
