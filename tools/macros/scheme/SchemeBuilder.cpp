#include "macros/scheme/SchemeBuilder.h"

#include "macros/scheme/Vectors.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <tuple>

namespace trellis::macros {

namespace {

struct CellKey {
  qint64 x, y, z;
  bool operator==(const CellKey&) const = default;
};

size_t qHash(const CellKey& key, size_t seed = 0) {
  return qHashMulti(seed, key.x, key.y, key.z);
}

// Points sorted into cubes of one size, to find the points near a place without looking at
// all of them.
class PointGrid {
 public:
  explicit PointGrid(double cell) : cell_(cell) {}

  CellKey KeyOf(const Point3& p) const { return {CellOf(p.x), CellOf(p.y), CellOf(p.z)}; }
  void Add(const Point3& p, int index) { cells_[KeyOf(p)].push_back(index); }
  // Every index in the cube of Place and its 26 neighbours.
  template <typename Visit>
  void VisitNear(const Point3& place, Visit visit) const {
    const CellKey center = KeyOf(place);
    for (qint64 dx = -1; dx <= 1; ++dx) {
      for (qint64 dy = -1; dy <= 1; ++dy) {
        for (qint64 dz = -1; dz <= 1; ++dz) {
          const auto found = cells_.constFind({center.x + dx, center.y + dy, center.z + dz});
          if (found == cells_.constEnd()) continue;
          for (int index : *found) visit(index);
        }
      }
    }
  }
  double Cell() const { return cell_; }

 private:
  // A coordinate far outside any building (or not a number) still gets a cell, at the edge.
  qint64 CellOf(double coordinate) const {
    const double cell = std::floor(coordinate / cell_);
    if (!(cell > -4e18)) return qint64(-4e18);
    return cell < 4e18 ? qint64(cell) : qint64(4e18);
  }

  double cell_;
  QHash<CellKey, std::vector<int>> cells_;
};

// The nodes where lines end and node groups have points, each place once.
class NodePlaces {
 public:
  explicit NodePlaces(double tolerance) : tolerance_(tolerance), grid_(tolerance) {}

  // The node at Place, made when no node lies within the tolerance.
  int NodeAt(const Point3& place) {
    int found = -1;
    double nearest = tolerance_;
    grid_.VisitNear(place, [&](int index) {
      const double distance = Distance(places_[size_t(index)], place);
      if (distance <= nearest) {
        nearest = distance;
        found = index;
      }
    });
    if (found >= 0) return found;
    places_.push_back(place);
    grid_.Add(place, int(places_.size()) - 1);
    return int(places_.size()) - 1;
  }
  const std::vector<Point3>& Places() const { return places_; }

 private:
  double tolerance_;
  PointGrid grid_;
  std::vector<Point3> places_;
};

// Nodes other than its ends that lie on a line, ordered from its start.
std::vector<int> NodesOnLine(const DrawnLine& line, int startNode, int endNode,
                             const std::vector<Point3>& places, const PointGrid& grid,
                             double tolerance) {
  const Point3 d = line.end - line.start;
  const double length = Length(d);
  if (length <= tolerance) return {};
  // Looking around points at most one cell apart along the line covers every place within
  // the tolerance of it (the cell is at least twice the tolerance).
  // A line thousands of times longer than the others is looked along more coarsely.
  const int samples = int(std::min(std::ceil(length / grid.Cell()), 1e6)) + 1;
  std::vector<std::pair<double, int>> onLine;
  std::vector<int> seen;
  for (int i = 0; i <= samples; ++i) {
    const double t = double(i) / samples;
    const Point3 sample = line.start + d * t;
    grid.VisitNear(sample, [&](int index) {
      if (index == startNode || index == endNode) return;
      if (std::find(seen.begin(), seen.end(), index) != seen.end()) return;
      seen.push_back(index);
      const Point3& p = places[size_t(index)];
      const double along = Dot(p - line.start, d) / length;
      if (along <= tolerance || along >= length - tolerance) return;
      const Point3 foot = line.start + d * (along / length);
      if (Distance(foot, p) <= tolerance) onLine.emplace_back(along, index);
    });
  }
  std::sort(onLine.begin(), onLine.end());
  std::vector<int> nodes;
  for (const auto& [along, index] : onLine) nodes.push_back(index);
  return nodes;
}

// Main node numbers (from 1) by height, then Y, then X at the tolerance's grid.
std::vector<int> NumbersByPosition(const std::vector<Point3>& places, double tolerance) {
  std::vector<std::tuple<qint64, qint64, qint64, int>> keys;
  keys.reserve(places.size());
  for (size_t i = 0; i < places.size(); ++i) {
    const Point3& p = places[i];
    keys.emplace_back(std::llround(p.z / tolerance), std::llround(p.y / tolerance),
                      std::llround(p.x / tolerance), int(i));
  }
  std::sort(keys.begin(), keys.end());
  std::vector<int> numbers(places.size());
  for (size_t rank = 0; rank < keys.size(); ++rank) numbers[size_t(std::get<3>(keys[rank]))] = int(rank) + 1;
  return numbers;
}

// A step far below the piece's length is a slip of the keyboard more often than a wish for a
// million elements: a piece is cut into at most this many.
constexpr int kMaxPartsOfPiece = 1000;

int PartsOf(double length, double step) {
  if (!(step > 0)) return 1;
  const double parts = std::ceil(length / step - 1e-9);
  return parts < 1 ? 1 : int(std::min<double>(parts, kMaxPartsOfPiece));
}

double MeanLength(const std::vector<ElementGroupLines>& groups) {
  double total = 0;
  size_t count = 0;
  for (const auto& group : groups) {
    for (const auto& line : group.lines) {
      total += Distance(line.start, line.end);
      ++count;
    }
  }
  return count == 0 ? 0 : total / double(count);
}

}  // namespace

Scheme BuildScheme(const std::vector<ElementGroupLines>& elementGroups,
                   const std::vector<NodeGroupPoints>& nodeGroups, double tolerance) {
  tolerance = std::max(tolerance, 1e-9);
  NodePlaces nodes(tolerance);
  struct LineEnds {
    int start, end;
  };
  std::vector<std::vector<LineEnds>> ends(elementGroups.size());
  for (size_t g = 0; g < elementGroups.size(); ++g) {
    for (const auto& line : elementGroups[g].lines) {
      const int start = nodes.NodeAt(line.start);
      ends[g].push_back({start, nodes.NodeAt(line.end)});
    }
  }
  QHash<int, QString> groupOfNode;
  for (const auto& group : nodeGroups) {
    for (const auto& point : group.points) {
      const int node = nodes.NodeAt(point);
      if (!groupOfNode.contains(node)) groupOfNode.insert(node, group.group);
    }
  }

  const std::vector<Point3>& places = nodes.Places();
  PointGrid near(std::max(2 * tolerance, MeanLength(elementGroups) / 4));
  for (size_t i = 0; i < places.size(); ++i) near.Add(places[i], int(i));
  const std::vector<int> numbers = NumbersByPosition(places, tolerance);

  Scheme scheme;
  scheme.mainNodes.resize(places.size());
  for (size_t i = 0; i < places.size(); ++i) {
    scheme.mainNodes[size_t(numbers[i] - 1)] = {places[i], groupOfNode.value(int(i))};
  }
  const int mainCount = int(places.size());
  for (size_t g = 0; g < elementGroups.size(); ++g) {
    const ElementGroupLines& group = elementGroups[g];
    for (size_t l = 0; l < group.lines.size(); ++l) {
      const DrawnLine& line = group.lines[l];
      const LineEnds lineEnds = ends[g][l];
      std::vector<int> path{lineEnds.start};
      for (int node : NodesOnLine(line, lineEnds.start, lineEnds.end, places, near, tolerance)) {
        path.push_back(node);
      }
      path.push_back(lineEnds.end);
      for (size_t p = 0; p + 1 < path.size(); ++p) {
        const Point3& a = places[size_t(path[p])];
        const Point3& b = places[size_t(path[p + 1])];
        const double length = Distance(a, b);
        const int parts = PartsOf(length, group.step);
        int previous = numbers[size_t(path[p])];
        for (int part = 1; part <= parts; ++part) {
          int next = numbers[size_t(path[p + 1])];
          if (part < parts) {
            const double t = double(part) / parts;
            scheme.divisionNodes.push_back(a + (b - a) * t);
            next = mainCount + int(scheme.divisionNodes.size());
          }
          scheme.elements.push_back({previous, next, group.group});
          previous = next;
        }
      }
    }
  }
  return scheme;
}

}  // namespace trellis::macros
