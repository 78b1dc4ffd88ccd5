#pragma once

#include <QString>

#include <vector>

namespace trellis::macros {

struct Point3 {
  double x = 0;
  double y = 0;
  double z = 0;
};

// The calculation scheme: nodes and the elements between them. Main nodes are where lines end
// or meet and where node groups have points; division nodes are the points that divide a piece
// of a line by its group's step. Numbers are positions from 1: main nodes first, then division
// nodes, so node i of the whole list is main node i for i up to the main count.
struct SchemeNode {
  Point3 position;
  QString nodeGroup;  // the node group row's number, "" when no group has a point here
};

struct SchemeElement {
  int node1 = 0;  // node numbers from 1, main and division nodes counted together
  int node2 = 0;
  QString group;  // the element group row's number
};

struct Scheme {
  std::vector<SchemeNode> mainNodes;
  std::vector<Point3> divisionNodes;
  std::vector<SchemeElement> elements;

  int NodeCount() const { return int(mainNodes.size() + divisionNodes.size()); }
  // Node Number's place, counted from 1 over main and division nodes.
  const Point3& PositionOf(int number) const {
    return number <= int(mainNodes.size()) ? mainNodes[size_t(number - 1)].position
                                           : divisionNodes[size_t(number - 1) - mainNodes.size()];
  }
};

}  // namespace trellis::macros
