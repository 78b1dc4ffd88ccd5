#pragma once

#include "macros/ProjectTables.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace trellis::macros {

// A fault found before the calculation: the message for the error list and the cell it is
// about, as the table's key and the row and column of its grid (0 for no single cell).
struct SchemeProblem {
  QString message;
  QString tableKey;
  int row;
  int column;
};

// The drawing groups the check wants counted: those of the numbered rows of the element and
// node groups, in upper case.
QStringList CheckedDrawingGroups(ProjectTables& tables);

// Everything that would make the calculation fail or mean something else than the engineer
// drew: references to rows that do not exist, element groups without material or section,
// groups with nothing in the drawing, an unbuilt scheme, zero-length elements, loose nodes,
// unusable materials and sections, missing supports and supports that leave a piece of the
// scheme free to move as a rigid body, loads on empty groups. ObjectsInGroups holds the object
// count of every drawing group by upper-case name (nullopt without a drawing: that check is
// skipped). A plane frame (not Spatial) lies in the XZ plane. Rows whose cells are all empty
// are ignored. Problems come in the tables' tab order, then by row.
std::vector<SchemeProblem> CheckScheme(ProjectTables& tables,
                                       const std::optional<QHash<QString, int>>& objectsInGroups,
                                       bool spatial);

}  // namespace trellis::macros
