#pragma once

#include "macros/calc/CalcModel.h"
#include "macros/calc/CcxDeck.h"
#include "macros/calc/CcxResults.h"

#include <array>
#include <vector>

namespace trellis::macros::calc {

// The places along a bar where its forces are given: start, middle, end (parts of its length).
inline constexpr std::array<double, 3> kStations{0.0, 0.5, 1.0};

// A bar's forces at a station, with the signs an engineer reads them: N and the torque are
// positive when their vectors point out of the cut face (so N > 0 stretches the bar); Qy, Qz and the moments are those the part before the section applies to the part after it,
// in the bar's local axes (so My > 0 stretches the fibres on the −z side, Mz > 0 those on the
// +y side, and Qz = dMy/dx).
struct BarForces {
  double n = 0, torque = 0, my = 0, mz = 0, qy = 0, qz = 0;
};

// The results of one load case or combination.
struct CaseResults {
  QString label;  // "1" for load case 1, "С2" for combination 2
  QString name;
  // By the model's reported nodes: X, Y, Z in metres, then the turns about X, Y, Z in radians.
  std::vector<std::array<double, 6>> nodes;
  std::vector<std::array<BarForces, kStations.size()>> bars;  // by bar
};

// A load case's results from the solver's step: displacements as solved, turns from the bars'
// bending, forces from the bars' middles carried to the stations plus the fixed states.
CaseResults ResultsOfStep(const Model& model, const DeckLayout& layout, const LoadCase& loadCase,
                          const StepResults& step);

// Every bar's forces at Count + 1 evenly spaced points from its start, for drawing the
// diagrams.
std::vector<std::vector<BarForces>> ForcesAlongBars(const Model& model, const DeckLayout& layout,
                                                    const LoadCase& loadCase,
                                                    const StepResults& step, int count);

// Sum of load cases' results with factors.
CaseResults Combine(const Model& model, const Combination& combination,
                    const std::vector<CaseResults>& cases);

}  // namespace trellis::macros::calc
