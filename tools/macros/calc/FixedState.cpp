#include "macros/calc/FixedState.h"

#include <array>

namespace trellis::macros::calc {

namespace {

// Gauss–Legendre on [0, 1] with three points: exact for the quartics met here.
constexpr std::array<double, 3> kGaussPoint{0.1127016653792583, 0.5, 0.8872983346207417};
constexpr std::array<double, 3> kGaussWeight{5.0 / 18, 8.0 / 18, 5.0 / 18};

double Intensity(const SpanLoad& load, double t) {
  if (load.to <= load.from) return load.q1;
  return load.q1 + (load.q2 - load.q1) * (t - load.from) / (load.to - load.from);
}

// Of the end's four bending shape functions (ξ = s / l) those that belong to the end node:
// the deflection's and the slope's, and their derivatives along s.
struct EndShape {
  double h3, h4, dh3, dh4;
};
EndShape EndShapeAt(double s, double l) {
  const double x = s / l;
  return {3 * x * x - 2 * x * x * x, l * (x * x * x - x * x), (6 * x - 6 * x * x) / l,
          3 * x * x - 2 * x};
}

// The generalized forces at the end node that a force Along (local) at S does work on.
void AddForceAtEnd(SectionForces& end, const Point3& along, double s, double l, bool truss) {
  const double x = s / l;
  if (truss) {
    end.force = end.force + along * x;
    return;
  }
  const EndShape h = EndShapeAt(s, l);
  end.force.x += along.x * x;
  end.force.y += along.y * h.h3;
  end.force.z += along.z * h.h3;
  end.moment.y += -along.z * h.h4;  // the turn about y is minus the slope of the z deflection
  end.moment.z += along.y * h.h4;
}

void AddMomentAtEnd(SectionForces& end, const Point3& couple, double s, double l, bool truss) {
  end.moment.x += couple.x * s / l;
  if (truss) {
    end.force.z += -couple.y / l;
    end.force.y += couple.z / l;
    return;
  }
  const EndShape h = EndShapeAt(s, l);
  end.force.z += -couple.y * h.dh3;
  end.moment.y += couple.y * h.dh4;
  end.force.y += couple.z * h.dh3;
  end.moment.z += couple.z * h.dh4;
}

}  // namespace

FixedState::FixedState(const Bar& bar, const std::vector<SpanLoad>& loads, const Heating& heating)
    : bar_(bar), loads_(loads) {
  const double l = bar.length;
  const bool pinned = PinnedAtBothEnds(bar);
  SectionForces endLoad;  // the loads' work-equivalent at the end node
  for (const SpanLoad& load : loads) {
    if (load.kind == SpanLoad::Kind::Force) {
      AddForceAtEnd(endLoad, load.direction * load.q1, load.from, l, pinned);
    } else if (load.kind == SpanLoad::Kind::Moment) {
      AddMomentAtEnd(endLoad, load.direction * load.q1, load.from, l, pinned);
    } else {
      const double span = load.to - load.from;
      for (size_t i = 0; i < kGaussPoint.size(); ++i) {
        const double t = load.from + span * kGaussPoint[i];
        AddForceAtEnd(endLoad, load.direction * (Intensity(load, t) * span * kGaussWeight[i]), t,
                      l, pinned);
      }
    }
  }
  endHolding_ = {endLoad.force * -1, endLoad.moment * -1};

  const Material& m = bar.material;
  const Section& section = bar.section;
  heated_.force.x = -m.modulus * section.area * m.expansion * heating.uniform;
  if (!pinned) {
    heated_.moment.y = -m.modulus * section.iy * m.expansion * heating.acrossZ / section.height;
    heated_.moment.z = m.modulus * section.iz * m.expansion * heating.acrossY / section.width;
  }
  startLoad_ = At(0);
  endLoad_ = {(endHolding_.force + heated_.force) * -1, (endHolding_.moment + heated_.moment) * -1};
}

SectionForces FixedState::At(double s) const {
  const double l = bar_.length;
  SectionForces beyond = MovedBack(endHolding_, l - s) + heated_;
  for (const SpanLoad& load : loads_) {
    if (load.kind != SpanLoad::Kind::Distributed) {
      if (load.from < s) continue;
      const Point3 acting = load.direction * load.q1;
      if (load.kind == SpanLoad::Kind::Force) {
        beyond = beyond + MovedBack({acting, {}}, load.from - s);
      } else {
        beyond.moment = beyond.moment + acting;
      }
      continue;
    }
    const double from = std::max(load.from, s);
    const double span = load.to - from;
    if (span <= 0) continue;
    for (size_t i = 0; i < kGaussPoint.size(); ++i) {
      const double t = from + span * kGaussPoint[i];
      const Point3 piece = load.direction * (Intensity(load, t) * span * kGaussWeight[i]);
      beyond = beyond + MovedBack({piece, {}}, t - s);
    }
  }
  return beyond;
}

}  // namespace trellis::macros::calc
