#pragma once

#include "macros/calc/CalcModel.h"

#include <vector>

namespace trellis::macros::calc {

// The forces at a section of a bar as the part beyond it (towards the bar's end) acts on the
// part before it, in the bar's local axes: the force, and the moment about the section's point.
struct SectionForces {
  Point3 force;
  Point3 moment;
};
inline SectionForces operator+(const SectionForces& a, const SectionForces& b) {
  return {a.force + b.force, a.moment + b.moment};
}
// The same forces seen from a section Shift metres further back along the bar.
inline SectionForces MovedBack(const SectionForces& at, double shift) {
  return {at.force, at.moment + Cross(Point3{shift, 0, 0}, at.force)};
}

// A bar held fast at both ends under its span loads and heating: the classic first half of the
// displacement method. The holding forces, reversed, are the loads the solver gets at the bar's
// nodes; the bar's forces are then this state's plus those the nodes' movement causes. Bending
// follows the Euler–Bernoulli beam (the Hermite shape functions give exact holding forces); a
// bar pinned at both ends is held as a simply supported beam, with no end moments.
class FixedState {
 public:
  FixedState(const Bar& bar, const std::vector<SpanLoad>& loads, const Heating& heating);

  // Local loads for the bar's start and end nodes.
  const SectionForces& StartNodeLoad() const { return startLoad_; }
  const SectionForces& EndNodeLoad() const { return endLoad_; }
  // The forces at S metres from the start, loads lying at S counted as beyond it.
  SectionForces At(double s) const;

 private:
  const Bar& bar_;
  const std::vector<SpanLoad>& loads_;
  SectionForces endHolding_;  // what holds the end, acting on the bar
  SectionForces heated_;      // the constant forces of the heated bar
  SectionForces startLoad_;
  SectionForces endLoad_;
};

}  // namespace trellis::macros::calc
