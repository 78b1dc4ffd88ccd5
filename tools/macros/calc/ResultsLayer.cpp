#include "macros/calc/ResultsLayer.h"

#include "macros/CellValues.h"

#include <cmath>

namespace trellis::macros::calc {

namespace {

constexpr int kDiagramPoints = 8;       // pieces of a bar's diagram
constexpr size_t kLabelledBars = 300;   // more bars than this get no value labels
constexpr int kColor = 6;               // magenta: apart from the service layers' colours

Point3 Moved(const StepResults& step, int node, const Point3& at, double scale) {
  const auto found = step.displacements.constFind(node);
  if (found == step.displacements.cend()) return at;
  return at + Point3{(*found)[0], (*found)[1], (*found)[2]} * scale;
}

// The diagrams a view draws: the value of each and the local direction a positive value is
// drawn towards.
std::vector<std::pair<double (*)(const BarForces&), Point3 LocalAxes::*>> Diagrams(
    ResultsView::Diagram diagram, bool spatial) {
  using D = ResultsView::Diagram;
  switch (diagram) {
    case D::None:
      return {};
    case D::Moments: {
      // A positive My stretches the −z side, a positive Mz the +y side: each drawn there.
      std::vector<std::pair<double (*)(const BarForces&), Point3 LocalAxes::*>> drawn{
          {[](const BarForces& f) { return -f.my; }, &LocalAxes::z}};
      if (spatial) drawn.push_back({[](const BarForces& f) { return f.mz; }, &LocalAxes::y});
      return drawn;
    }
    case D::NormalForces:
      return {{[](const BarForces& f) { return f.n; }, &LocalAxes::z}};
    case D::Shears: {
      std::vector<std::pair<double (*)(const BarForces&), Point3 LocalAxes::*>> drawn{
          {[](const BarForces& f) { return f.qz; }, &LocalAxes::z}};
      if (spatial) drawn.push_back({[](const BarForces& f) { return f.qy; }, &LocalAxes::y});
      return drawn;
    }
  }
  return {};
}

}  // namespace

LayerDrawing ResultsDrawing(const Model& model, const DeckLayout& layout, const LoadCase& loadCase,
                            const StepResults& step, const ViewPlane& plane,
                            const ResultsView& view) {
  LayerDrawing drawing;
  drawing.plane = plane;
  drawing.color = kColor;
  double size = 0, largestMove = 0;
  const Point3 first = model.nodes.isEmpty() ? Point3{} : *model.nodes.cbegin();
  for (const Point3& p : model.nodes) size = std::max(size, Distance(p, first));
  for (const auto& moved : step.displacements) {
    largestMove = std::max(largestMove, std::hypot(moved[0], moved[1], moved[2]));
  }
  if (size <= 0) return drawing;
  const double moveScale = largestMove > 0 ? size / 20 * view.scale / largestMove : 0;

  for (size_t i = 0; i < model.bars.size(); ++i) {
    const Bar& bar = model.bars[i];
    const Point3& from = model.nodes[bar.node1];
    const Point3& to = model.nodes[bar.node2];
    std::vector<Point3> shape{Moved(step, layout.startNode[i], from, moveScale)};
    if (!PinnedAtBothEnds(bar)) {
      const auto& inner = layout.innerNodes[i];
      for (size_t k = 0; k < inner.size(); ++k) {
        shape.push_back(Moved(step, inner[k], from + (to - from) * (0.25 * double(k + 1)), moveScale));
      }
    }
    shape.push_back(Moved(step, layout.endNode[i], to, moveScale));
    drawing.lines.push_back(std::move(shape));
  }

  const auto diagrams = Diagrams(view.diagram, model.spatial);
  if (diagrams.empty()) return drawing;
  const auto along = ForcesAlongBars(model, layout, loadCase, step, kDiagramPoints);
  for (const auto& [value, towards] : diagrams) {
    double largest = 0;
    for (const auto& forces : along) {
      for (const BarForces& f : forces) largest = std::max(largest, std::abs(value(f)));
    }
    if (largest <= 0) continue;
    const double scale = size / 10 * view.scale / largest;
    for (size_t i = 0; i < model.bars.size(); ++i) {
      const Bar& bar = model.bars[i];
      const Point3& from = model.nodes[bar.node1];
      const Point3 side = bar.axes.*towards;
      std::vector<Point3> outline{from};
      double barLargest = 0;
      Point3 labelAt = from;
      for (int k = 0; k <= kDiagramPoints; ++k) {
        const double v = value(along[i][size_t(k)]);
        const Point3 tip = from + bar.axes.x * (bar.length * k / kDiagramPoints) + side * (v * scale);
        outline.push_back(tip);
        if (std::abs(v) > std::abs(barLargest)) {
          barLargest = v;
          labelAt = tip;
        }
      }
      outline.push_back(model.nodes[bar.node2]);
      drawing.lines.push_back(std::move(outline));
      if (view.values && model.bars.size() <= kLabelledBars &&
          std::abs(barLargest) > largest * 1e-3) {
        drawing.texts.push_back({NumberCell(std::abs(barLargest), 2), labelAt, view.textHeight});
      }
    }
  }
  return drawing;
}

}  // namespace trellis::macros::calc
