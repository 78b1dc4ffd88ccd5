#pragma once

#include "cad-host/EntityRecords.h"
#include "cad-host/Geometry.h"

#include <QString>

#include <vector>

namespace trellis::cadhost {

class DxfCodec;

// A text as drawn: its lines start at Origin, run along Across and stack downwards against Up;
// Box is its outline (four corners), by which it is picked.
struct ShapeLabel {
  Point3 origin;
  Point3 across;
  Point3 up;
  double height = 1;
  QString text;
  std::vector<Point3> box;
};

// What an object looks like, in world coordinates: polylines (arcs and circles already divided
// into short segments), point marks and texts. Empty for the kinds the host does not draw.
struct EntityShape {
  std::vector<std::vector<Point3>> paths;
  std::vector<Point3> points;
  std::vector<ShapeLabel> labels;
  // Objects of paper space are kept but not drawn in model space.
  bool paperSpace = false;

  bool Empty() const { return paths.empty() && points.empty() && labels.empty(); }
  // Every corner and point, for extents and window picks.
  std::vector<Point3> Vertices() const;
};

EntityShape ShapeOf(const DxfRecord& record, EntityKind kind, const DxfCodec& codec);

// The plain text of an MTEXT value: paragraph breaks become line breaks, formatting goes.
QString PlainMText(const QString& text);

}  // namespace trellis::cadhost
