#include "macros/layers/LayerDrawing.h"

#include "macros/CellValues.h"
#include "macros/ModelTables.h"
#include "macros/scheme/Vectors.h"

#include <algorithm>
#include <array>
#include <limits>

namespace trellis::macros {

namespace {

// The size of the symbols: a small part of the scheme's extent, never less than a text line.
double SymbolSize(const BuiltScheme& scheme, const LabelSizes& sizes) {
  Point3 low{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
             std::numeric_limits<double>::max()};
  Point3 high = low * -1;
  for (const Point3& p : scheme.nodes) {
    low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
  }
  const double extent = scheme.nodes.isEmpty() ? 0 : Distance(low, high);
  return std::max(0.04 * extent, 2 * sizes.loads);
}

QString Label(const QString& loadCase, const QString& name, double value) {
  return QStringLiteral("%1: %2=%3").arg(loadCase, name, NumberCell(value, 3));
}

// An arrow of Length along Direction whose head touches Head, and its tail.
Point3 AddArrow(LayerDrawing& drawing, const Point3& head, const Point3& direction, double length) {
  const Point3 d = Normalized(direction);
  const Point3 tail = head - d * length;
  Point3 side = Cross(d, drawing.plane.normal);
  if (Length(side) < 1e-9) side = drawing.plane.across;
  side = Normalized(side) * (0.12 * length);
  const Point3 back = head - d * (0.3 * length);
  drawing.lines.push_back({tail, head});
  drawing.lines.push_back({back + side, head, back - side});
  return tail;
}

const std::array<QString, 3> kForceNames{QStringLiteral("Fx"), QStringLiteral("Fy"), QStringLiteral("Fz")};
const std::array<QString, 3> kMomentNames{QStringLiteral("Mx"), QStringLiteral("My"), QStringLiteral("Mz")};
const std::array<Point3, 3> kAxes{Point3{1, 0, 0}, Point3{0, 1, 0}, Point3{0, 0, 1}};

void NodeLoads(ProjectTables& tables, const BuiltScheme& scheme, double size, double text, LayerDrawing& drawing) {
  namespace col = model::nodeLoads;
  const TableRows rows = tables.Read(model::kNodeLoads);
  for (int row = 1; row <= rows.RowCount(); ++row) {
    const QString loadCase = rows.Cell(row, col::kLoadCase).trimmed();
    for (int node : scheme.nodesOfGroup.value(rows.Cell(row, col::kGroup).trimmed())) {
      if (!scheme.nodes.contains(node)) continue;
      const Point3 at = scheme.nodes.value(node);
      for (int axis = 0; axis < 3; ++axis) {
        const double force = CellNumber(rows.Cell(row, col::kFx + axis)).value_or(0);
        if (force != 0) {
          const Point3 tail = AddArrow(drawing, at, kAxes[size_t(axis)] * (force > 0 ? 1 : -1), 2.5 * size);
          drawing.texts.push_back({Label(loadCase, kForceNames[size_t(axis)], force), tail, text});
        }
        const double moment = CellNumber(rows.Cell(row, col::kFx + 3 + axis)).value_or(0);
        if (moment != 0) {
          drawing.circles.emplace_back(at, 0.8 * size);
          drawing.texts.push_back({Label(loadCase, kMomentNames[size_t(axis)], moment),
                                   at + drawing.plane.up * size + drawing.plane.across * size, text});
        }
      }
    }
  }
}

void ElementLoads(ProjectTables& tables, const BuiltScheme& scheme, double size, double text, LayerDrawing& drawing) {
  namespace col = model::elementLoads;
  const TableRows rows = tables.Read(model::kElementLoads);
  for (int row = 1; row <= rows.RowCount(); ++row) {
    const QString loadCase = rows.Cell(row, col::kLoadCase).trimmed();
    const QString kind = CellListItem(rows.Cell(row, col::kKind));
    int axis = 2;
    for (int option = 0; option < 3; ++option) {
      if (CellIsSet(rows.Cell(row, col::kAlongX + option))) {
        axis = option;
        break;
      }
    }
    const bool local = CellIsSet(rows.Cell(row, col::kLocalAxes));
    const double q1 = CellNumber(rows.Cell(row, col::kQ1)).value_or(0);
    const double q2 = CellNumber(rows.Cell(row, col::kQ2)).value_or(q1);
    for (int index : scheme.elementsOfGroup.value(rows.Cell(row, col::kGroup).trimmed())) {
      const BuiltScheme::Element& element = scheme.elements[size_t(index)];
      if (!scheme.Has(element)) continue;
      const Point3 a = scheme.nodes.value(element.node1);
      const Point3 b = scheme.nodes.value(element.node2);
      const double length = Distance(a, b);
      const LocalAxes axes = LocalAxesOf(a, b);
      const std::array<Point3, 3> localAxes{axes.x, axes.y, axes.z};
      const Point3 direction = local ? localAxes[size_t(axis)] : kAxes[size_t(axis)];
      const auto along = [&](double distance) {
        return length > 0 ? a + (b - a) * (std::clamp(distance, 0.0, length) / length) : a;
      };
      const double a1 = CellNumber(rows.Cell(row, col::kA1)).value_or(0);
      if (kind.startsWith(QStringLiteral("Сосредоточенная"))) {
        const double force = CellNumber(rows.Cell(row, col::kForce)).value_or(0);
        if (force == 0) continue;
        const Point3 tail = AddArrow(drawing, along(a1), direction * (force > 0 ? 1 : -1), 2.5 * size);
        drawing.texts.push_back({Label(loadCase, QStringLiteral("F"), force), tail, text});
      } else if (kind.startsWith(QStringLiteral("Сосредоточенный"))) {
        const double moment = CellNumber(rows.Cell(row, col::kMoment)).value_or(0);
        if (moment == 0) continue;
        drawing.circles.emplace_back(along(a1), 0.8 * size);
        drawing.texts.push_back({Label(loadCase, QStringLiteral("M"), moment), along(a1) + drawing.plane.up * size, text});
      } else {
        // A uniform load over the whole element, a trapezoid from a1 to a2 (the element's end
        // when a2 is not given); arrows as long as the values are large, their tails joined.
        const bool trapezoid = kind.startsWith(QStringLiteral("Трапец"));
        const double from = trapezoid ? a1 : 0;
        const double to = trapezoid ? CellNumber(rows.Cell(row, col::kA2)).value_or(length) : length;
        const double largest = std::max(std::abs(q1), std::abs(q2));
        if (largest == 0) continue;
        std::vector<Point3> tails;
        for (int i = 0; i <= 2; ++i) {
          const double t = i / 2.0;
          const double q = trapezoid ? q1 + (q2 - q1) * t : q1;
          const Point3 head = along(from + (to - from) * t);
          tails.push_back(q == 0 ? head : AddArrow(drawing, head, direction * (q > 0 ? 1 : -1), 2.5 * size * std::abs(q) / largest));
        }
        drawing.lines.push_back(tails);
        drawing.texts.push_back({trapezoid ? QStringLiteral("%1: q=%2..%3").arg(loadCase, NumberCell(q1, 3), NumberCell(q2, 3))
                                           : Label(loadCase, QStringLiteral("q"), q1),
                                 tails[1], text});
      }
    }
  }
}

}  // namespace

ViewPlane PlaneOf(const BuiltScheme& scheme) {
  if (scheme.nodes.isEmpty()) return {};
  const Point3 first = *scheme.nodes.cbegin();
  double spreadX = 0, spreadY = 0, spreadZ = 0;
  for (const Point3& p : scheme.nodes) {
    spreadX = std::max(spreadX, std::abs(p.x - first.x));
    spreadY = std::max(spreadY, std::abs(p.y - first.y));
    spreadZ = std::max(spreadZ, std::abs(p.z - first.z));
  }
  const double flat = 1e-6 * std::max({spreadX, spreadY, spreadZ, 1.0});
  if (spreadX <= flat && spreadY > flat) return {{0, 1, 0}, {0, 0, 1}, {1, 0, 0}};
  if (spreadZ <= flat && spreadY > flat) return {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  return {};
}

LayerDrawing NodeNumbers(const BuiltScheme& scheme, const LabelSizes& sizes) {
  LayerDrawing drawing;
  drawing.plane = PlaneOf(scheme);
  drawing.color = 2;  // yellow
  const Point3 offset = (drawing.plane.across + drawing.plane.up) * (0.3 * sizes.nodeNumbers);
  for (auto node = scheme.nodes.cbegin(); node != scheme.nodes.cend(); ++node) {
    drawing.texts.push_back({QString::number(node.key()), node.value() + offset, sizes.nodeNumbers});
    if (sizes.nodePoints) drawing.points.push_back(node.value());
  }
  return drawing;
}

LayerDrawing ElementNumbers(const BuiltScheme& scheme, const LabelSizes& sizes) {
  LayerDrawing drawing;
  drawing.plane = PlaneOf(scheme);
  drawing.color = 4;  // cyan
  // Below and beside the middle: above it are the node numbers and the loads.
  const Point3 offset = drawing.plane.across * (0.3 * sizes.elementNumbers) - drawing.plane.up * (1.3 * sizes.elementNumbers);
  for (const BuiltScheme::Element& element : scheme.elements) {
    if (!scheme.Has(element)) continue;
    const Point3 middle = (scheme.nodes.value(element.node1) + scheme.nodes.value(element.node2)) * 0.5;
    drawing.texts.push_back({QString::number(element.number), middle + offset, sizes.elementNumbers});
  }
  return drawing;
}

LayerDrawing Loads(ProjectTables& tables, const BuiltScheme& scheme, const LabelSizes& sizes) {
  LayerDrawing drawing;
  drawing.plane = PlaneOf(scheme);
  drawing.color = 1;  // red
  const double size = SymbolSize(scheme, sizes);
  NodeLoads(tables, scheme, size, sizes.loads, drawing);
  ElementLoads(tables, scheme, size, sizes.loads, drawing);
  return drawing;
}

LayerDrawing Supports(ProjectTables& tables, const BuiltScheme& scheme, const LabelSizes& sizes) {
  namespace col = model::supports;
  LayerDrawing drawing;
  drawing.plane = PlaneOf(scheme);
  drawing.color = 3;  // green
  const Point3& across = drawing.plane.across;
  const Point3& up = drawing.plane.up;
  const double s = SymbolSize(scheme, sizes);
  static const QStringList kDirections{"X", "Y", "Z", "UX", "UY", "UZ"};
  const TableRows rows = tables.Read(model::kSupports);
  for (int row = 1; row <= rows.RowCount(); ++row) {
    QStringList fixed;
    for (int i = 0; i < 6; ++i) {
      if (CellIsSet(rows.Cell(row, col::kFirstFixity + i))) fixed << kDirections[i];
    }
    if (fixed.isEmpty()) continue;
    const bool held = fixed.contains(u"X") && fixed.contains(u"Y") && fixed.contains(u"Z");
    const bool clamped = held && fixed.size() == 6;
    for (int node : scheme.nodesOfGroup.value(rows.Cell(row, col::kNodeGroup).trimmed())) {
      if (!scheme.nodes.contains(node)) continue;
      const Point3 p = scheme.nodes.value(node);
      if (clamped) {
        drawing.lines.push_back({p - across * s, p + across * s});
        for (int i = 0; i < 4; ++i) {
          const Point3 start = p - across * s + across * (2 * s * i / 3);
          drawing.lines.push_back({start, start - up * (0.4 * s) - across * (0.3 * s)});
        }
      } else {
        const Point3 left = p - up * s - across * (0.6 * s);
        const Point3 right = p - up * s + across * (0.6 * s);
        drawing.lines.push_back({p, left, right, p});
        if (!held) drawing.circles.emplace_back(p - up * (1.2 * s), 0.2 * s);
      }
      drawing.texts.push_back({fixed.join(u' '), p + across * (0.8 * s) - up * (0.5 * s), sizes.loads});
    }
  }
  return drawing;
}

}  // namespace trellis::macros
