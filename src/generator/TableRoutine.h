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

// The routine AddA_<ext> that fills a string array (column, row) with the cells of a table file
// as the file holds them, and hands it to the engine. Nothing when the file text is shorter
// than three characters. Cell texts go in unchanged, with no escaping.
std::optional<QString> WriteTableRoutine(QStringView fileText, const TableRoutineNames& names);

// The same for a geometry table: the first column of every row is left out.
std::optional<QString> WriteGeometryTableRoutine(QStringView fileText,
                                                 const TableRoutineNames& names);

}  // namespace trellis
