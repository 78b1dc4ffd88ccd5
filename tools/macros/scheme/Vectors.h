#pragma once

#include "macros/scheme/Scheme.h"

#include <cmath>
#include <numbers>

namespace trellis::macros {

inline Point3 operator+(const Point3& a, const Point3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Point3 operator-(const Point3& a, const Point3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Point3 operator*(const Point3& a, double k) { return {a.x * k, a.y * k, a.z * k}; }
inline double Dot(const Point3& a, const Point3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Point3 Cross(const Point3& a, const Point3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Length(const Point3& a) { return std::hypot(a.x, a.y, a.z); }
inline double Distance(const Point3& a, const Point3& b) { return Length(a - b); }
// The vector scaled to length 1; the zero vector stays zero.
inline Point3 Normalized(const Point3& a) {
  const double length = Length(a);
  return length > 0 ? a * (1 / length) : a;
}

// An element's own axes: x from its first node to its second; z in the vertical plane through
// x, pointing up (for a vertical element, in the plane through x and the global X axis, towards
// +X); y completes a right-handed set.
struct LocalAxes {
  Point3 x, y, z;
};
inline LocalAxes LocalAxesOf(const Point3& from, const Point3& to) {
  const Point3 x = Normalized(to - from);
  const Point3 reference = std::abs(x.z) > 0.999 ? Point3{1, 0, 0} : Point3{0, 0, 1};
  const Point3 z = Normalized(reference - x * Dot(reference, x));
  return {x, Cross(z, x), z};
}

// The axes turned by Degrees about x (a bar's section turned about its axis), y towards z.
inline LocalAxes TurnedAxes(const LocalAxes& axes, double degrees) {
  if (degrees == 0) return axes;
  const double a = degrees * std::numbers::pi / 180;
  return {axes.x, axes.y * std::cos(a) + axes.z * std::sin(a), axes.z * std::cos(a) - axes.y * std::sin(a)};
}

// A vector given in the axes, in the global ones, and back.
inline Point3 ToGlobal(const LocalAxes& axes, const Point3& local) {
  return axes.x * local.x + axes.y * local.y + axes.z * local.z;
}
inline Point3 ToLocal(const LocalAxes& axes, const Point3& global) {
  return {Dot(global, axes.x), Dot(global, axes.y), Dot(global, axes.z)};
}

}  // namespace trellis::macros
