#include "macros/calc/ResultsLayer.h"

#include "macros/CellValues.h"
#include "macros/ModelTables.h"
#include "macros/scheme/BuiltScheme.h"

#include <QHash>

#include <cmath>

namespace trellis::macros::calc {

namespace {

constexpr int kDiagramPieces = 8;      // of a freshly solved bar's diagram
constexpr size_t kLabelledBars = 300;  // more bars than this get no value labels
constexpr int kLayerColor = 6;         // magenta: apart from the service layers' colours
constexpr int kShapeColor = 30;        // orange

Point3 Moved(const StepResults& step, int node) {
  const auto found = step.displacements.constFind(node);
  return found == step.displacements.cend() ? Point3{} : Point3{(*found)[0], (*found)[1], (*found)[2]};
}

using Value = double (*)(const BarForces&);

// The diagrams a view draws: the value of each and the local direction a positive value is
// drawn towards.
std::vector<std::pair<Value, Point3 LocalAxes::*>> Diagrams(ResultsView::Diagram diagram,
                                                            bool spatial) {
  using D = ResultsView::Diagram;
  std::vector<std::pair<Value, Point3 LocalAxes::*>> drawn;
  switch (diagram) {
    case D::None:
      break;
    case D::Moments:
      // A positive My stretches the −z side, a positive Mz the +y side: each drawn there.
      drawn.push_back({[](const BarForces& f) { return -f.my; }, &LocalAxes::z});
      if (spatial) drawn.push_back({[](const BarForces& f) { return f.mz; }, &LocalAxes::y});
      break;
    case D::NormalForces:
      drawn.push_back({[](const BarForces& f) { return f.n; }, &LocalAxes::z});
      break;
    case D::Shears:
      drawn.push_back({[](const BarForces& f) { return f.qz; }, &LocalAxes::z});
      if (spatial) drawn.push_back({[](const BarForces& f) { return f.qy; }, &LocalAxes::y});
      break;
  }
  return drawn;
}

}  // namespace

std::vector<BarPicture> PicturesOfStep(const Model& model, const DeckLayout& layout,
                                       const LoadCase& loadCase, const StepResults& step) {
  const auto forces = ForcesAlongBars(model, layout, loadCase, step, kDiagramPieces);
  std::vector<BarPicture> pictures;
  for (size_t i = 0; i < model.bars.size(); ++i) {
    const Bar& bar = model.bars[i];
    BarPicture picture{model.nodes[bar.node1], model.nodes[bar.node2], bar.axes, {}, forces[i]};
    picture.moved.push_back(Moved(step, layout.startNode[i]));
    if (!PinnedAtBothEnds(bar)) {
      for (int node : layout.innerNodes[i]) picture.moved.push_back(Moved(step, node));
    }
    picture.moved.push_back(Moved(step, layout.endNode[i]));
    pictures.push_back(std::move(picture));
  }
  return pictures;
}

std::vector<BarPicture> PicturesFromTables(ProjectTables& tables, QString& label) {
  const TableRows moved = tables.Read(model::kDisplacements);
  bool known = false;
  for (int row = 1; row <= moved.RowCount() && !known; ++row) known = moved.Cell(row, 3) == label;
  if (!known) label = moved.Cell(1, 3);
  QHash<int, Point3> movements;
  for (int row = 1; row <= moved.RowCount(); ++row) {
    if (moved.Cell(row, 3) != label) continue;
    const auto node = CellWholeNumber(moved.Cell(row, 2));
    if (!node) continue;
    movements.insert(*node, Point3{CellNumber(moved.Cell(row, 4)).value_or(0),
                                   CellNumber(moved.Cell(row, 5)).value_or(0),
                                   CellNumber(moved.Cell(row, 6)).value_or(0)} * 0.001);
  }
  const TableRows forces = tables.Read(model::kForcesNM);
  const TableRows shears = tables.Read(model::kForcesQ);
  QHash<int, std::vector<BarForces>> forcesOf;  // by element, at its start, middle and end
  for (int row = 1; row <= forces.RowCount(); ++row) {
    if (forces.Cell(row, 3) != label) continue;
    const auto element = CellWholeNumber(forces.Cell(row, 2));
    if (!element) continue;
    auto at = [](const TableRows& rows, int r, int c) { return CellNumber(rows.Cell(r, c)).value_or(0); };
    forcesOf[*element].push_back({at(forces, row, 5), at(forces, row, 6), at(forces, row, 7),
                                  at(forces, row, 8), at(shears, row, 5), at(shears, row, 6)});
  }
  const TableRows groups = tables.Read(model::kElementGroups);
  QHash<QString, double> angleOf;
  for (int row = 1; row <= groups.RowCount(); ++row) {
    angleOf.insert(groups.Cell(row, model::kNumber).trimmed(),
                   CellNumber(groups.Cell(row, model::elementGroups::kAngle)).value_or(0));
  }
  const BuiltScheme scheme = ReadBuiltScheme(tables);
  std::vector<BarPicture> pictures;
  for (const BuiltScheme::Element& element : scheme.elements) {
    if (!scheme.Has(element) || element.node1 == element.node2) continue;
    const Point3 from = scheme.nodes[element.node1];
    const Point3 to = scheme.nodes[element.node2];
    if (Distance(from, to) <= 0) continue;
    BarPicture picture{from, to, TurnedAxes(LocalAxesOf(from, to), angleOf.value(element.group)), {},
                       forcesOf.value(element.number)};
    if (movements.contains(element.node1) && movements.contains(element.node2)) {
      picture.moved = {movements[element.node1], movements[element.node2]};
    }
    pictures.push_back(std::move(picture));
  }
  return pictures;
}

LayerDrawing ResultsDrawing(const std::vector<BarPicture>& bars, bool spatial,
                            const ViewPlane& plane, const ResultsView& view) {
  LayerDrawing drawing;
  drawing.plane = plane;
  drawing.color = kLayerColor;
  if (bars.empty()) return drawing;
  double size = 0, largestMove = 0;
  for (const BarPicture& bar : bars) {
    size = std::max({size, Distance(bar.from, bars.front().from), Distance(bar.to, bars.front().from)});
    for (const Point3& move : bar.moved) largestMove = std::max(largestMove, Length(move));
  }
  if (size <= 0) return drawing;

  ColoredLines shape{kShapeColor, {}};
  const double moveScale = largestMove > 0 ? size / 20 * view.scale / largestMove : 0;
  for (const BarPicture& bar : bars) {
    if (bar.moved.size() < 2) continue;
    std::vector<Point3> line;
    for (size_t k = 0; k < bar.moved.size(); ++k) {
      const double t = double(k) / double(bar.moved.size() - 1);
      line.push_back(bar.from + (bar.to - bar.from) * t + bar.moved[k] * moveScale);
    }
    shape.lines.push_back(std::move(line));
  }
  drawing.coloredLines.push_back(std::move(shape));

  const auto diagrams = Diagrams(view.diagram, spatial);
  double overall = 0;
  for (const auto& [value, towards] : diagrams) {
    for (const BarPicture& bar : bars) {
      for (const BarForces& f : bar.forces) overall = std::max(overall, std::abs(value(f)));
    }
  }
  // What is below a millionth of the largest value is the solver's rounding, not a force.
  const double noise = overall * 1e-6;
  for (const auto& [value, towards] : diagrams) {
    double largest = 0;
    for (const BarPicture& bar : bars) {
      for (const BarForces& f : bar.forces) largest = std::max(largest, std::abs(value(f)));
    }
    if (largest <= noise) continue;
    const double scale = size / 10 * view.scale / largest;
    for (const BarPicture& bar : bars) {
      if (bar.forces.size() < 2) continue;
      const Point3 side = bar.axes.*towards;
      std::vector<Point3> outline{bar.from};
      double barLargest = 0;
      Point3 labelAt = bar.from;
      for (size_t k = 0; k < bar.forces.size(); ++k) {
        const double v = value(bar.forces[k]);
        const double t = double(k) / double(bar.forces.size() - 1);
        const Point3 tip = bar.from + (bar.to - bar.from) * t + side * (v * scale);
        outline.push_back(tip);
        if (std::abs(v) > std::abs(barLargest)) {
          barLargest = v;
          labelAt = tip;
        }
      }
      outline.push_back(bar.to);
      drawing.lines.push_back(std::move(outline));
      if (view.values && bars.size() <= kLabelledBars && std::abs(barLargest) > largest * 1e-3) {
        drawing.texts.push_back({NumberCell(std::abs(barLargest), 2), labelAt, view.textHeight});
      }
    }
  }
  return drawing;
}

}  // namespace trellis::macros::calc
