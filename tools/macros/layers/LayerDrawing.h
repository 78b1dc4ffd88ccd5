#pragma once

#include "macros/ProjectTables.h"
#include "macros/scheme/BuiltScheme.h"

#include <QString>

#include <vector>

namespace trellis::macros {

// The service layers of the drawing: what the left toolbar's layer switches show.
inline const QString kNodeNumbersLayer = QStringLiteral("KS_FEM_NUMP");
inline const QString kElementNumbersLayer = QStringLiteral("KS_FEM_NUME");
inline const QString kLoadsLayer = QStringLiteral("KS_FEM_LOAD");
inline const QString kSupportsLayer = QStringLiteral("KS_FEM_FIX");

// The plane the scheme is seen in: a plane frame in its own plane (XZ or YZ), anything else
// from the front (XZ), or a flat grid from above (XY). Texts and symbols lie in it.
struct ViewPlane {
  Point3 across{1, 0, 0};  // the texts' writing direction
  Point3 up{0, 0, 1};
  Point3 normal{0, -1, 0};
};
ViewPlane PlaneOf(const BuiltScheme& scheme);

struct DrawnText {
  QString text;
  Point3 at;
  double height = 0;
};

// Open polylines in a colour of their own.
struct ColoredLines {
  int color = 7;
  std::vector<std::vector<Point3>> lines;
};

// What a service layer holds: texts, lines (open polylines) and circles in the scheme's plane,
// and points.
struct LayerDrawing {
  ViewPlane plane;
  int color = 7;  // of the layer, so the layers tell apart where they overlap
  std::vector<DrawnText> texts;
  std::vector<std::vector<Point3>> lines;
  std::vector<ColoredLines> coloredLines;
  std::vector<std::pair<Point3, double>> circles;  // centre, radius
  std::vector<Point3> points;
};

// Text heights and whether nodes get a point: the display settings of the calculation.
struct LabelSizes {
  double nodeNumbers = 0.15;
  double elementNumbers = 0.15;
  double loads = 0.15;
  bool nodePoints = true;
};

// Every node's number beside it, and a point at each node when asked for.
LayerDrawing NodeNumbers(const BuiltScheme& scheme, const LabelSizes& sizes);
// Every element's number at its middle.
LayerDrawing ElementNumbers(const BuiltScheme& scheme, const LabelSizes& sizes);
// Arrows with values for the node loads and the element loads of every load case, each value
// headed by its load case's number ("2: Fz=-10").
LayerDrawing Loads(ProjectTables& tables, const BuiltScheme& scheme, const LabelSizes& sizes);
// A symbol under every supported node: a hatched line for a node fixed in every direction, a
// triangle for one held in place but free to turn, a triangle on a circle for one held in
// some directions only; beside it the fixed directions ("X Z UY").
LayerDrawing Supports(ProjectTables& tables, const BuiltScheme& scheme, const LabelSizes& sizes);

}  // namespace trellis::macros
