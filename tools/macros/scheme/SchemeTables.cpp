#include "macros/scheme/SchemeTables.h"

#include "macros/CellValues.h"
#include "macros/ModelTables.h"

namespace trellis::macros {

namespace {

QStringList NodeRow(int number, const Point3& p, const QString& last) {
  return {QString::number(number), NumberCell(p.x), NumberCell(p.y), NumberCell(p.z), last};
}

}  // namespace

std::vector<std::pair<QString, TableRows>> SchemeTables(const Scheme& scheme, ProjectTables& tables,
                                                        const QHash<QString, QString>& groupNames) {
  TableRows mainNodes(tables.ColumnCountOf(model::kMainNodes));
  TableRows allNodes(tables.ColumnCountOf(model::kAllNodes));
  TableRows elements(tables.ColumnCountOf(model::kElements));
  int number = 0;
  for (const SchemeNode& node : scheme.mainNodes) {
    ++number;
    mainNodes.AddRow(NodeRow(number, node.position, node.nodeGroup));
    allNodes.AddRow(NodeRow(number, node.position, QString::number(number)));
  }
  for (const Point3& place : scheme.divisionNodes) allNodes.AddRow(NodeRow(++number, place, QString()));
  number = 0;
  for (const SchemeElement& element : scheme.elements) {
    elements.AddRow({QString::number(++number), QString::number(element.node1),
                     QString::number(element.node2), element.group, groupNames.value(element.group)});
  }
  return {{model::kMainNodes, mainNodes}, {model::kAllNodes, allNodes}, {model::kElements, elements}};
}

}  // namespace trellis::macros
