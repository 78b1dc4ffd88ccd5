#include "macros/scheme/SchemeFromDrawing.h"

#include "macros/CellValues.h"
#include "macros/MacroMembers.h"
#include "macros/ModelTables.h"
#include "macros/scheme/DrawingGroups.h"
#include "macros/scheme/SchemeBuilder.h"
#include "macros/scheme/SchemeTables.h"

#include <QHash>

namespace trellis::macros {

namespace {

// The numbered rows of a group table and the drawing groups they own.
struct GroupRows {
  QStringList numbers;
  QStringList groupNames;
  std::vector<int> rows;
};

GroupRows RowsWithGroups(ProjectTables& tables, const QString& key, const TableRows& rows) {
  GroupRows found;
  const QString letter = tables.GroupLetterOf(key);
  for (int row = 1; row <= rows.RowCount(); ++row) {
    const QString number = rows.Cell(row, model::kNumber).trimmed();
    if (number.isEmpty()) continue;
    found.numbers << number;
    found.groupNames << RowGroupName(letter, number);
    found.rows.push_back(row);
  }
  return found;
}

}  // namespace

SchemeOutcome SchemeFromDrawing(ProjectTables& tables, Dispatch& document, double tolerance,
                                const StopFlag& stop) {
  const TableRows elementRows = tables.Read(model::kElementGroups);
  const TableRows nodeRows = tables.Read(model::kNodeGroups);
  const GroupRows elementGroups = RowsWithGroups(tables, model::kElementGroups, elementRows);
  const GroupRows nodeGroups = RowsWithGroups(tables, model::kNodeGroups, nodeRows);
  const std::vector<GroupContents> drawn =
      ReadDrawingGroups(document, elementGroups.groupNames + nodeGroups.groupNames);

  SchemeOutcome outcome;
  if (stop.StopRequested()) {
    outcome.result = SchemeOutcome::Result::Stopped;
    return outcome;
  }
  std::vector<ElementGroupLines> lines;
  QHash<QString, QString> groupNames;
  for (qsizetype i = 0; i < elementGroups.numbers.size(); ++i) {
    const int row = elementGroups.rows[size_t(i)];
    const QString& number = elementGroups.numbers[i];
    groupNames.insert(number, elementRows.Cell(row, model::elementGroups::kName));
    lines.push_back({number, CellNumber(elementRows.Cell(row, model::elementGroups::kStep)).value_or(0),
                     drawn[size_t(i)].lines});
  }
  std::vector<NodeGroupPoints> points;
  for (qsizetype i = 0; i < nodeGroups.numbers.size(); ++i) {
    points.push_back({nodeGroups.numbers[i], drawn[size_t(elementGroups.numbers.size() + i)].points});
  }
  outcome.scheme = BuildScheme(lines, points, tolerance);
  outcome.writeError = tables.Write(SchemeTables(outcome.scheme, tables, groupNames));
  if (outcome.writeError) outcome.result = SchemeOutcome::Result::NotWritten;
  return outcome;
}

}  // namespace trellis::macros
