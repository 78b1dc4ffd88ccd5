#pragma once

#include <array>
#include <cmath>

namespace trellis::cadhost {

using Point3 = std::array<double, 3>;

inline Point3 operator+(const Point3& a, const Point3& b) {
  return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}
inline Point3 operator-(const Point3& a, const Point3& b) {
  return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
inline Point3 operator*(const Point3& a, double k) {
  return {a[0] * k, a[1] * k, a[2] * k};
}
inline double Dot(const Point3& a, const Point3& b) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
inline Point3 Cross(const Point3& a, const Point3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
inline double Length(const Point3& a) {
  return std::sqrt(Dot(a, a));
}
inline Point3 Normalized(const Point3& a) {
  const double length = Length(a);
  return length > 0 ? a * (1 / length) : Point3{0, 0, 1};
}

// The object coordinate system of a planar entity with the given extrusion direction, by the
// DXF arbitrary axis rule; the identity for (0, 0, 1).
struct ObjectAxes {
  explicit ObjectAxes(const Point3& extrusion);
  Point3 ToWorld(const Point3& local) const { return x * local[0] + y * local[1] + z * local[2]; }
  Point3 ToLocal(const Point3& world) const { return {Dot(world, x), Dot(world, y), Dot(world, z)}; }
  Point3 x, y, z;
};

inline ObjectAxes::ObjectAxes(const Point3& extrusion) {
  z = Normalized(extrusion);
  constexpr double kLimit = 1.0 / 64;
  const Point3 up = (std::abs(z[0]) < kLimit && std::abs(z[1]) < kLimit) ? Point3{0, 1, 0}
                                                                          : Point3{0, 0, 1};
  x = Normalized(Cross(up, z));
  y = Normalized(Cross(z, x));
}

}  // namespace trellis::cadhost
