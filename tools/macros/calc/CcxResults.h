#pragma once

#include <QHash>
#include <QString>

#include <array>
#include <vector>

namespace trellis::macros::calc {

// What the solver wrote into its result file (.frd), step by step: every node's displacement
// and, at the nodes of beams, the section forces (two shears, the normal force, the torque and
// two bending moments, in the section's directions).
struct StepResults {
  QHash<int, std::array<double, 3>> displacements;
  QHash<int, std::array<double, 6>> sectionForces;
};

struct SolverResults {
  std::vector<StepResults> steps;
  QString fault;  // why the file could not be read; "" when it was
};

SolverResults ReadSolverResults(const QString& frdFile);

}  // namespace trellis::macros::calc
