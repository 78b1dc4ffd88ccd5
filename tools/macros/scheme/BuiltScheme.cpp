#include "macros/scheme/BuiltScheme.h"

#include "macros/CellValues.h"
#include "macros/ModelTables.h"

namespace trellis::macros {

namespace {

std::optional<Point3> PlaceIn(const TableRows& rows, int row) {
  const auto x = CellNumber(rows.Cell(row, model::nodes::kX));
  const auto y = CellNumber(rows.Cell(row, model::nodes::kX + 1));
  const auto z = CellNumber(rows.Cell(row, model::nodes::kX + 2));
  if (!x || !y || !z) return std::nullopt;
  return Point3{*x, *y, *z};
}

}  // namespace

BuiltScheme ReadBuiltScheme(ProjectTables& tables) {
  BuiltScheme scheme;
  const TableRows all = tables.Read(model::kAllNodes);
  for (int row = 1; row <= all.RowCount(); ++row) {
    const auto number = CellWholeNumber(all.Cell(row, model::kNumber));
    const auto place = PlaceIn(all, row);
    if (number && place) scheme.nodes.insert(*number, *place);
  }
  const TableRows main = tables.Read(model::kMainNodes);
  for (int row = 1; row <= main.RowCount(); ++row) {
    const auto number = CellWholeNumber(main.Cell(row, model::kNumber));
    const QString group = main.Cell(row, model::nodes::kGroupOrMain).trimmed();
    if (!number || group.isEmpty()) continue;
    scheme.nodesOfGroup[group].push_back(*number);
    // A main node missing from the list of all nodes still has its place.
    if (const auto place = PlaceIn(main, row); place && !scheme.nodes.contains(*number)) {
      scheme.nodes.insert(*number, *place);
    }
  }
  const TableRows elements = tables.Read(model::kElements);
  for (int row = 1; row <= elements.RowCount(); ++row) {
    const auto number = CellWholeNumber(elements.Cell(row, model::kNumber));
    const auto node1 = CellWholeNumber(elements.Cell(row, model::elements::kNode1));
    const auto node2 = CellWholeNumber(elements.Cell(row, model::elements::kNode2));
    if (!number || !node1 || !node2) continue;
    const QString group = elements.Cell(row, model::elements::kGroup).trimmed();
    scheme.elementsOfGroup[group].push_back(int(scheme.elements.size()));
    scheme.elements.push_back({*number, *node1, *node2, group, row});
  }
  return scheme;
}

}  // namespace trellis::macros
