#include "macros/calc/CaseResults.h"

#include <cmath>

namespace trellis::macros::calc {

namespace {

constexpr int kSlopeIntervals = 32;  // Simpson's rule over a bar, for its end slopes

Point3 Displacement(const StepResults& step, int node) {
  const auto found = step.displacements.constFind(node);
  if (found == step.displacements.cend()) return {};
  return {(*found)[0], (*found)[1], (*found)[2]};
}

BarForces AsRead(const SectionForces& beyond) {
  return {beyond.force.x, beyond.moment.x, -beyond.moment.y, -beyond.moment.z, -beyond.force.y,
          -beyond.force.z};
}

// A bar's forces at S metres from its start, in the solver's state plus the fixed state.
class BarState {
 public:
  BarState(const Bar& bar, const FixedState& fixed, const SectionForces& middle)
      : bar_(bar), fixed_(fixed), middle_(middle) {}

  SectionForces At(double s) const {
    return MovedBack(middle_, bar_.length / 2 - s) + fixed_.At(s);
  }

  // The slopes of the bent axis at the ends (about local y and z), from the end displacements
  // and the curvature the moments give along the bar.
  std::pair<Point3, Point3> EndTurns(const Point3& start, const Point3& end) const {
    const double l = bar_.length;
    const double h = l / kSlopeIntervals;
    double wCurvature = 0, vCurvature = 0;  // ∫ κ
    double wMoment = 0, vMoment = 0;        // ∫ (l − t) κ
    for (int i = 0; i <= kSlopeIntervals; ++i) {
      const double t = i * h;
      const double weight = (i == 0 || i == kSlopeIntervals) ? 1 : (i % 2 ? 4 : 2);
      const SectionForces f = At(t);
      // w'' = My / EIy with My = −moment.y; v'' = −Mz / EIz with Mz = −moment.z.
      const double kw = -f.moment.y / (bar_.material.modulus * bar_.section.iy);
      const double kv = f.moment.z / (bar_.material.modulus * bar_.section.iz);
      wCurvature += weight * kw;
      vCurvature += weight * kv;
      wMoment += weight * (l - t) * kw;
      vMoment += weight * (l - t) * kv;
    }
    for (double* integral : {&wCurvature, &vCurvature, &wMoment, &vMoment}) *integral *= h / 3;
    const double w0 = (end.z - start.z - wMoment) / l;
    const double v0 = (end.y - start.y - vMoment) / l;
    // A turn about y is minus the slope of w; about z, the slope of v.
    return {{0, -w0, v0}, {0, -(w0 + wCurvature), v0 + vCurvature}};
  }

 private:
  const Bar& bar_;
  const FixedState& fixed_;
  SectionForces middle_;
};

// A pinned bar's normal force from its ends' movement along it.
double PinnedForce(const Bar& bar, const StepResults& step) {
  if (!PinnedAtBothEnds(bar)) return 0;
  const Point3 stretch = Displacement(step, bar.node2) - Displacement(step, bar.node1);
  return bar.material.modulus * bar.section.area / bar.length * Dot(stretch, bar.axes.x);
}

SectionForces MiddleForces(const StepResults& step, int node) {
  const auto found = step.sectionForces.constFind(node);
  if (found == step.sectionForces.cend()) return {};
  const std::array<double, 6>& f = *found;
  return {{f[2], f[0], f[1]}, {f[3], f[4], f[5]}};
}

// Solves A x = b for a symmetric 3 × 3 A that may be singular: the turn about an axis no bar
// bends about stays 0.
Point3 SolveTurn(const std::array<std::array<double, 3>, 3>& a, const Point3& b) {
  std::array<std::array<double, 4>, 3> m{};
  const double scale = a[0][0] + a[1][1] + a[2][2];
  const std::array<double, 3> rhs{b.x, b.y, b.z};
  for (size_t i = 0; i < 3; ++i) {
    for (size_t j = 0; j < 3; ++j) m[i][j] = a[i][j] + (i == j ? 1e-9 * scale : 0);
    m[i][3] = rhs[i];
  }
  for (size_t c = 0; c < 3; ++c) {
    size_t pivot = c;
    for (size_t r = c + 1; r < 3; ++r) {
      if (std::abs(m[r][c]) > std::abs(m[pivot][c])) pivot = r;
    }
    std::swap(m[c], m[pivot]);
    if (m[c][c] == 0) return {};
    for (size_t r = 0; r < 3; ++r) {
      if (r == c) continue;
      const double k = m[r][c] / m[c][c];
      for (size_t j = c; j < 4; ++j) m[r][j] -= k * m[c][j];
    }
  }
  return {m[0][3] / m[0][0], m[1][3] / m[1][1], m[2][3] / m[2][2]};
}

}  // namespace

CaseResults ResultsOfStep(const Model& model, const DeckLayout& layout, const LoadCase& loadCase,
                          const StepResults& step) {
  CaseResults results;
  results.label = loadCase.number;
  results.name = loadCase.name;
  const std::vector<FixedState> fixed = FixedStates(model, loadCase);
  QHash<int, std::pair<std::array<std::array<double, 3>, 3>, Point3>> turnSums;
  results.bars.resize(model.bars.size());
  for (size_t i = 0; i < model.bars.size(); ++i) {
    const Bar& bar = model.bars[i];
    if (PinnedAtBothEnds(bar)) {
      const double n = PinnedForce(bar, step);
      for (size_t k = 0; k < kStations.size(); ++k) {
        results.bars[i][k] = AsRead(fixed[i].At(kStations[k] * bar.length));
        results.bars[i][k].n += n;
      }
      continue;
    }
    const BarState state(bar, fixed[i], MiddleForces(step, layout.innerNodes[i][1]));
    for (size_t k = 0; k < kStations.size(); ++k) {
      results.bars[i][k] = AsRead(state.At(kStations[k] * bar.length));
    }
    const auto [startTurn, endTurn] =
        state.EndTurns(ToLocal(bar.axes, Displacement(step, layout.startNode[i])),
                       ToLocal(bar.axes, Displacement(step, layout.endNode[i])));
    // Each rigid end tells the joint's turn across the bar's axis.
    const std::array<std::pair<bool, std::pair<int, Point3>>, 2> ends{
        {{!bar.hinge1, {bar.node1, startTurn}}, {!bar.hinge2, {bar.node2, endTurn}}}};
    for (const auto& [rigid, joint] : ends) {
      if (!rigid) continue;
      const Point3 turn = bar.axes.y * joint.second.y + bar.axes.z * joint.second.z;
      auto& [a, b] = turnSums[joint.first];
      const std::array<double, 3> x{bar.axes.x.x, bar.axes.x.y, bar.axes.x.z};
      for (size_t r = 0; r < 3; ++r) {
        for (size_t c = 0; c < 3; ++c) a[r][c] += (r == c ? 1 : 0) - x[r] * x[c];
      }
      b = b + turn;
    }
  }
  results.nodes.reserve(model.reportedNodes.size());
  for (int node : model.reportedNodes) {
    const Point3 moved = Displacement(step, node);
    const auto sums = turnSums.constFind(node);
    const Point3 turn = sums == turnSums.cend() ? Point3{} : SolveTurn(sums->first, sums->second);
    results.nodes.push_back({moved.x, moved.y, moved.z, turn.x, turn.y, turn.z});
  }
  return results;
}

std::vector<std::vector<BarForces>> ForcesAlongBars(const Model& model, const DeckLayout& layout,
                                                    const LoadCase& loadCase,
                                                    const StepResults& step, int count) {
  const std::vector<FixedState> fixed = FixedStates(model, loadCase);
  std::vector<std::vector<BarForces>> along(model.bars.size());
  for (size_t i = 0; i < model.bars.size(); ++i) {
    const Bar& bar = model.bars[i];
    const bool pinned = PinnedAtBothEnds(bar);
    const BarState state(bar, fixed[i], MiddleForces(step, layout.innerNodes[i][1]));
    const double n = PinnedForce(bar, step);
    for (int k = 0; k <= count; ++k) {
      BarForces f = AsRead(pinned ? fixed[i].At(bar.length * k / count) : state.At(bar.length * k / count));
      f.n += n;
      along[i].push_back(f);
    }
  }
  return along;
}

CaseResults Combine(const Model& model, const Combination& combination,
                    const std::vector<CaseResults>& cases) {
  CaseResults sum;
  sum.label = QStringLiteral("С") + combination.number;
  sum.name = combination.name;
  sum.nodes.assign(model.reportedNodes.size(), {});
  sum.bars.assign(model.bars.size(), {});
  for (const auto& [index, factor] : combination.cases) {
    const CaseResults& part = cases[size_t(index)];
    for (size_t n = 0; n < sum.nodes.size(); ++n) {
      for (size_t d = 0; d < 6; ++d) sum.nodes[n][d] += factor * part.nodes[n][d];
    }
    for (size_t b = 0; b < sum.bars.size(); ++b) {
      for (size_t k = 0; k < kStations.size(); ++k) {
        BarForces& to = sum.bars[b][k];
        const BarForces& from = part.bars[b][k];
        to.n += factor * from.n;
        to.torque += factor * from.torque;
        to.my += factor * from.my;
        to.mz += factor * from.mz;
        to.qy += factor * from.qy;
        to.qz += factor * from.qz;
      }
    }
  }
  return sum;
}

}  // namespace trellis::macros::calc
