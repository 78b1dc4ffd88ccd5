#pragma once

#include "macros/calc/CaseResults.h"
#include "macros/layers/LayerDrawing.h"

namespace trellis::macros::calc {

inline const QString kResultsLayer = QStringLiteral("KS_FEM_R");

// What the results layer shows besides the deformed shape, as Show/Operation of the settings
// chooses it: nothing more, the bending moments, the normal forces or the shears; and the
// settings' scale of the drawn values.
struct ResultsView {
  enum class Diagram { None = 0, Moments = 1, NormalForces = 2, Shears = 3 };
  Diagram diagram = Diagram::Moments;
  double scale = 1;
  bool values = true;       // each bar's largest value written beside its diagram
  double textHeight = 0.15;  // m
};

// The deformed shape of a load case over the scheme (its largest movement drawn a twentieth of
// the scheme's size, times the scale) and the chosen diagram on each bar (its largest value a
// tenth of the size; moments on the stretched side), with the largest value of each bar written
// beside it when asked and the bars are few enough to read.
LayerDrawing ResultsDrawing(const Model& model, const DeckLayout& layout, const LoadCase& loadCase,
                            const StepResults& step, const ViewPlane& plane,
                            const ResultsView& view);

}  // namespace trellis::macros::calc
