#pragma once

#include "macros/scheme/Scheme.h"

#include <QString>

#include <vector>

namespace trellis::macros {

struct DrawnLine {
  Point3 start;
  Point3 end;
};

// What the drawing holds for one row of the element groups: its lines in the group's order,
// and the row's division step (0: a piece of a line between two nodes is one element).
struct ElementGroupLines {
  QString group;
  double step = 0;
  std::vector<DrawnLine> lines;
};

struct NodeGroupPoints {
  QString group;
  std::vector<Point3> points;
};

// Builds the scheme. Places closer than Tolerance are one node. A line is cut where another
// line ends on it or a node group's point lies on it; lines that only cross do not meet (a
// brace passing another is not joined to it). Numbering follows the geometry alone, so an
// unchanged drawing numbers the same way every time:
// - main nodes by height (Z), then Y, then X, each compared at the tolerance's grid;
// - elements by group in the given order, lines in the group's order, pieces from the line's
//   start, each piece cut into equal parts no longer than the step;
// - division nodes in the order of the elements that make them.
// A changed step therefore renumbers division nodes and elements, never main nodes.
// A line whose ends are one node gives an element from that node to itself, so that the check
// can show it. A point that lies on no line is a node of its own.
Scheme BuildScheme(const std::vector<ElementGroupLines>& elementGroups,
                   const std::vector<NodeGroupPoints>& nodeGroups, double tolerance);

}  // namespace trellis::macros
