#pragma once

#include "macros/check/SchemeCheck.h"
#include "macros/scheme/Scheme.h"
#include "macros/scheme/Vectors.h"

#include <QHash>
#include <QString>

#include <array>
#include <vector>

namespace trellis::macros::calc {

// Units throughout the calculation: kN, m, kN/m² (so MPa × 1000), t/m³, °C.

// What a section offers a bar: its area and stiffness figures about the bar's local axes, and
// the outline the solver expands the bar into.
struct Section {
  enum class Shape { Rectangle, Circle, Ring };
  Shape shape = Shape::Rectangle;
  double width = 0;   // along local y (the diameter of a circle or ring), m
  double height = 0;  // along local z, m
  double wall = 0;    // a ring's wall, m
  double area = 0;
  double iy = 0;  // about local y: bending in the x–z plane
  double iz = 0;
  double torsion = 0;
};

struct Material {
  double modulus = 0;  // kN/m²
  double poisson = 0;
  double density = 0;  // t/m³
  double expansion = 0;  // 1/°C
};

// A scheme element as the solver sees it. A truss bar carries axial force only.
struct Bar {
  int number = 0;
  int node1 = 0;
  int node2 = 0;
  QString group;
  bool truss = false;
  bool hinge1 = false;  // the bar turns freely against the joint at its start
  bool hinge2 = false;
  Material material;  // with the group's stiffness factor applied to the modulus
  Section section;
  LocalAxes axes;  // with the group's rotation angle applied
  double length = 0;
};

// A bar that turns freely at both ends passes only axial force to its joints.
inline bool PinnedAtBothEnds(const Bar& bar) { return bar.truss || (bar.hinge1 && bar.hinge2); }

// A load on a bar in its local axes: Force per metre from `from` to `to` (m from the start),
// varying linearly from `q1` to `q2`, or a concentrated force or moment at `from`.
struct SpanLoad {
  enum class Kind { Distributed, Force, Moment };
  Kind kind = Kind::Distributed;
  Point3 direction;  // local unit vector of the force or the moment's axis
  double q1 = 0;
  double q2 = 0;
  double from = 0;
  double to = 0;
};

// Heating of a bar: uniform, and the differences between its +y and −y, +z and −z faces.
struct Heating {
  double uniform = 0;
  double acrossY = 0;
  double acrossZ = 0;
};

struct LoadCase {
  QString number;  // the load case row's number
  QString name;
  QHash<int, std::array<double, 6>> nodeLoads;  // global Fx, Fy, Fz, Mx, My, Mz by node
  QHash<int, std::vector<SpanLoad>> spanLoads;  // by bar index
  QHash<int, Heating> heating;                  // by bar index
};

// A combination: load cases (by index) with their factors.
struct Combination {
  QString number;
  QString name;
  std::vector<std::pair<int, double>> cases;
};

struct Model {
  bool spatial = true;  // false: a plane frame in the XZ plane (also a spatial scheme lying in it)
  QHash<int, Point3> nodes;
  std::vector<int> nodeNumbers;  // ascending
  std::vector<Bar> bars;
  QHash<int, std::array<bool, 6>> supports;  // fixed X, Y, Z, UX, UY, UZ by node
  std::vector<LoadCase> cases;
  std::vector<Combination> combinations;
  std::vector<int> reportedNodes;  // the nodes the displacement table lists
};

struct CalcOptions {
  bool spatial = true;
  bool designLoads = false;   // each load case times its reliability factor
  double selfWeightFactor = 1;  // for the self-weight under design loads
};

// The model from the project's tables (the scheme must have been built), or the problems that
// keep it from being calculated, each at its cell. A spatial scheme that lies and is loaded in
// the XZ plane is read as a plane frame.
struct ModelReading {
  Model model;
  std::vector<SchemeProblem> problems;
};
ModelReading ReadModel(ProjectTables& tables, const CalcOptions& options);

}  // namespace trellis::macros::calc
