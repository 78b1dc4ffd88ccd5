#pragma once

#include "macros/ProjectTables.h"
#include "macros/scheme/Scheme.h"

#include <QHash>
#include <QString>

#include <vector>

namespace trellis::macros {

// The scheme as the geometry tables hold it now (built earlier, perhaps edited by hand): nodes
// by number, the elements, and which nodes and elements each group has. Rows whose numbers are
// not numbers are left out.
struct BuiltScheme {
  struct Element {
    int number = 0;
    int node1 = 0;
    int node2 = 0;
    QString group;
    int row = 0;  // in the elements table
  };
  QHash<int, Point3> nodes;
  std::vector<Element> elements;
  QHash<QString, std::vector<int>> nodesOfGroup;     // node group -> main node numbers
  QHash<QString, std::vector<int>> elementsOfGroup;  // element group -> indexes into elements

  bool Has(const Element& element) const {
    return nodes.contains(element.node1) && nodes.contains(element.node2);
  }
};

BuiltScheme ReadBuiltScheme(ProjectTables& tables);

}  // namespace trellis::macros
