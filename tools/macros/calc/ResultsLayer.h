#pragma once

#include "macros/ProjectTables.h"
#include "macros/calc/CaseResults.h"
#include "macros/layers/LayerDrawing.h"

#include <vector>

namespace trellis::macros::calc {

inline const QString kResultsLayer = QStringLiteral("KS_FEM_R");

// What the results layer shows besides the deformed shape, as Show/Operation of the settings
// chooses it: nothing more, the bending moments, the normal forces or the shears; the settings'
// scale of the drawn values; and whether values are written, how high.
struct ResultsView {
  enum class Diagram { None = 0, Moments = 1, NormalForces = 2, Shears = 3 };
  Diagram diagram = Diagram::Moments;
  double scale = 1;
  bool values = true;
  double textHeight = 0.15;  // m
};

// One bar of one load case as the layer draws it: its axis, the movement of evenly spaced
// points along it from start to end (m, global), and its forces at evenly spaced points.
struct BarPicture {
  Point3 from;
  Point3 to;
  LocalAxes axes;
  std::vector<Point3> moved;
  std::vector<BarForces> forces;
};

// The bars of a load case just solved: five points of the deformed axis and nine of the forces.
std::vector<BarPicture> PicturesOfStep(const Model& model, const DeckLayout& layout,
                                       const LoadCase& loadCase, const StepResults& step);

// The bars as the result tables hold the load case or combination Label (the first when the
// tables have no such one; Label then names it, "" when there are no results):
// the deformed axis between the nodes' displacements and the forces at the start, middle and
// end. Bars whose nodes the displacement table leaves out are drawn without their shape.
std::vector<BarPicture> PicturesFromTables(ProjectTables& tables, QString& label);

// The deformed shape (the largest movement drawn a twentieth of the scheme's size, times the
// scale, in orange) and the chosen diagram on each bar (its largest value a tenth of the size;
// moments on the stretched side; in the layer's magenta), with the largest value of each bar
// written beside it when asked and the bars are few enough to read. A spatial scheme shows
// both bending planes.
LayerDrawing ResultsDrawing(const std::vector<BarPicture>& bars, bool spatial,
                            const ViewPlane& plane, const ResultsView& view);

}  // namespace trellis::macros::calc
