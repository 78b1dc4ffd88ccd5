#include "cad-host/EntityShape.h"

#include "cad-host/dxf/DxfFile.h"

#include <QStringList>

#include <cmath>
#include <numbers>

namespace trellis::cadhost {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

double Number(const DxfRecord& record, int code, double fallback) {
  return record.NumberOf(code).value_or(fallback);
}

Point3 ExtrusionOf(const DxfRecord& record, int end) {
  const int x = record.IndexOf(210);
  if (x < 0 || x >= end) return {0, 0, 1};
  return RecordPoint(record, 210);
}

// Points along an arc of the object's plane, centre C, radius R, from angle A0 to A1 (radians,
// counter-clockwise), in world coordinates.
void AppendArc(std::vector<Point3>& path, const ObjectAxes& axes, const Point3& centre, double r,
               double a0, double a1) {
  // A file may hold any number as an angle: each is brought into one turn, so a huge or
  // infinite one neither loops nor asks for millions of points.
  if (!std::isfinite(a0) || !std::isfinite(a1) || !std::isfinite(r)) return;
  const double turn = 2 * std::numbers::pi;
  a0 = std::fmod(a0, turn);
  a1 = std::fmod(a1, turn);
  if (a0 < 0) a0 += turn;
  if (a1 < 0) a1 += turn;
  if (a1 <= a0) a1 += turn;
  const int steps = std::max(4, int(std::ceil((a1 - a0) / (2 * std::numbers::pi) * 72)));
  for (int i = 0; i <= steps; ++i) {
    const double a = a0 + (a1 - a0) * i / steps;
    path.push_back(axes.ToWorld({centre[0] + r * std::cos(a), centre[1] + r * std::sin(a),
                                 centre[2]}));
  }
}

// The segment from P to Q of a polyline with bulge B (the tangent of a quarter of the arc's
// angle, negative clockwise), Q itself left for the next segment.
void AppendSegment(std::vector<Point3>& path, const ObjectAxes& axes, const Point3& p,
                   const Point3& q, double bulge) {
  if (!std::isfinite(bulge) || std::abs(bulge) < 1e-12) {
    path.push_back(axes.ToWorld(p));
    return;
  }
  const double dx = q[0] - p[0];
  const double dy = q[1] - p[1];
  const double chord = std::hypot(dx, dy);
  if (chord == 0) {
    path.push_back(axes.ToWorld(p));
    return;
  }
  const double angle = 4 * std::atan(bulge);
  const double radius = chord / (2 * std::sin(angle / 2));
  // The centre lies on the chord's perpendicular through its middle.
  const double middleToCentre = radius * std::cos(angle / 2);
  const Point3 centre{(p[0] + q[0]) / 2 - dy / chord * middleToCentre,
                      (p[1] + q[1]) / 2 + dx / chord * middleToCentre, p[2]};
  const double start = std::atan2(p[1] - centre[1], p[0] - centre[0]);
  const int steps = std::max(2, int(std::ceil(std::abs(angle) / (2 * std::numbers::pi) * 72)));
  for (int i = 0; i < steps; ++i) {
    const double a = start + angle * i / steps;
    path.push_back(axes.ToWorld({centre[0] + std::abs(radius) * std::cos(a),
                                 centre[1] + std::abs(radius) * std::sin(a), p[2]}));
  }
}

void LightweightPolyline(const DxfRecord& record, EntityShape& shape) {
  const ObjectAxes axes(ExtrusionOf(record, record.Size()));
  const double elevation = Number(record, 38, 0);
  const bool closed = (DxfWholeNumber(record.NumberOf(70), 0) & 1) != 0;
  std::vector<Point3> vertices;
  std::vector<double> bulges;
  for (int i = 0; i < record.Size(); ++i) {
    if (record.Code(i) == 10) {
      const double y = (i + 1 < record.Size() && record.Code(i + 1) == 20)
                           ? ParseDxfNumber(record.Value(i + 1)).value_or(0)
                           : 0;
      vertices.push_back({ParseDxfNumber(record.Value(i)).value_or(0), y, elevation});
      bulges.push_back(0);
    } else if (record.Code(i) == 42 && !bulges.empty()) {
      bulges.back() = ParseDxfNumber(record.Value(i)).value_or(0);
    }
  }
  if (vertices.empty()) return;
  std::vector<Point3> path;
  const size_t count = vertices.size();
  const size_t segments = closed ? count : count - 1;
  for (size_t i = 0; i < segments; ++i) {
    AppendSegment(path, axes, vertices[i], vertices[(i + 1) % count], bulges[i]);
  }
  path.push_back(axes.ToWorld(closed ? vertices.front() : vertices.back()));
  shape.paths.push_back(std::move(path));
}

struct Vertex {
  Point3 at;
  double bulge;
  int flags;
  std::array<int, 4> face;
};

void OldStylePolyline(const DxfRecord& record, EntityShape& shape) {
  const int mainEnd = record.PartEnd();
  const int flags = DxfWholeNumber(record.NumberOf(70), 0);
  const bool closed = (flags & 1) != 0;
  std::vector<Vertex> vertices;
  for (int start = mainEnd; start >= 0 && start < record.Size();
       start = record.IndexOf(0, 0, start + 1)) {
    if (record.Value(start).trimmed() != "VERTEX") continue;
    Vertex v{{0, 0, 0}, 0, 0, {0, 0, 0, 0}};
    const int end = record.PartEnd(start);
    for (int i = start + 1; i < end; ++i) {
      const double value = ParseDxfNumber(record.Value(i)).value_or(0);
      switch (record.Code(i)) {
        case 10: v.at[0] = value; break;
        case 20: v.at[1] = value; break;
        case 30: v.at[2] = value; break;
        case 42: v.bulge = value; break;
        case 70: v.flags = DxfWholeNumber(value, 0); break;
        case 71: case 72: case 73: case 74: v.face[size_t(record.Code(i) - 71)] = DxfWholeNumber(value, 0); break;
        default: break;
      }
    }
    vertices.push_back(v);
  }
  if (vertices.empty()) return;
  if (flags & 64) {
    // A polyface mesh: position vertices, then faces naming them by 1-based number; a negative
    // number hides the edge that starts there.
    std::vector<Point3> positions;
    for (const Vertex& v : vertices) {
      if (v.flags & 64) positions.push_back(v.at);
    }
    for (const Vertex& v : vertices) {
      if ((v.flags & 128) == 0 || (v.flags & 64) != 0) continue;
      std::vector<int> corners;
      for (int index : v.face) {
        if (index != 0) corners.push_back(index);
      }
      for (size_t i = 0; i < corners.size(); ++i) {
        if (corners[i] < 0) continue;
        const size_t a = size_t(std::abs(corners[i])) - 1;
        const size_t b = size_t(std::abs(corners[(i + 1) % corners.size()])) - 1;
        if (a < positions.size() && b < positions.size()) shape.paths.push_back({positions[a], positions[b]});
      }
    }
    return;
  }
  if (flags & 16) {
    // A polygon mesh of M rows of N vertices: draw its rows and columns.
    const int m = DxfWholeNumber(record.NumberOf(71), 0);
    const int n = DxfWholeNumber(record.NumberOf(72), 0);
    if (m > 0 && n > 0 && size_t(m) * size_t(n) <= vertices.size()) {
      for (int row = 0; row < m; ++row) {
        std::vector<Point3> path;
        for (int col = 0; col < n; ++col) path.push_back(vertices[size_t(row * n + col)].at);
        shape.paths.push_back(std::move(path));
      }
      for (int col = 0; col < n; ++col) {
        std::vector<Point3> path;
        for (int row = 0; row < m; ++row) path.push_back(vertices[size_t(row * n + col)].at);
        shape.paths.push_back(std::move(path));
      }
    }
    return;
  }
  std::vector<Point3> path;
  const size_t count = vertices.size();
  if (flags & 8) {
    for (const Vertex& v : vertices) path.push_back(v.at);
    if (closed) path.push_back(vertices.front().at);
  } else {
    const ObjectAxes axes(ExtrusionOf(record, mainEnd));
    const double elevation = RecordPoint(record, 10)[2];
    const size_t segments = closed ? count : count - 1;
    for (size_t i = 0; i < segments; ++i) {
      const Point3 p{vertices[i].at[0], vertices[i].at[1], elevation};
      const Point3& next = vertices[(i + 1) % count].at;
      AppendSegment(path, axes, p, {next[0], next[1], elevation}, vertices[i].bulge);
    }
    const Point3& last = closed ? vertices.front().at : vertices.back().at;
    path.push_back(axes.ToWorld({last[0], last[1], elevation}));
  }
  shape.paths.push_back(std::move(path));
}

void AddLabel(EntityShape& shape, const Point3& origin, const Point3& across, const Point3& up,
              double height, const QString& text, bool fromTop) {
  ShapeLabel label{origin, Normalized(across), Normalized(up), height > 0 ? height : 1, text, {}};
  const QStringList lines = text.split(u'\n');
  qsizetype longest = 1;
  for (const QString& line : lines) longest = std::max(longest, line.size());
  // Without the font at hand, a character is taken as 0.6 of the height wide.
  const double width = 0.6 * label.height * double(longest);
  const double depth = label.height * (1 + 1.5 * double(lines.size() - 1));
  const Point3 base = fromTop ? origin - label.up * depth : origin;
  label.box = {base, base + label.across * width, base + label.across * width + label.up * depth,
               base + label.up * depth};
  shape.labels.push_back(std::move(label));
}

}  // namespace

std::vector<Point3> EntityShape::Vertices() const {
  std::vector<Point3> all = points;
  for (const auto& path : paths) all.insert(all.end(), path.begin(), path.end());
  for (const auto& label : labels) all.insert(all.end(), label.box.begin(), label.box.end());
  return all;
}

QString PlainMText(const QString& text) {
  QString plain;
  plain.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'{' || c == u'}') continue;
    if (c != u'\\' || i + 1 >= text.size()) {
      plain += c;
      continue;
    }
    const QChar code = text[++i];
    if (code == u'P' || code == u'n') {
      plain += u'\n';
    } else if (code == u'~') {
      plain += u' ';
    } else if (code == u'\\' || code == u'{' || code == u'}') {
      plain += code;
    } else if (QStringLiteral("LlOoKk").contains(code)) {
      // Underline, overline and strike-through switches take no argument.
    } else {
      // Font, height, colour and the other switches run to their ";".
      const qsizetype end = text.indexOf(u';', i);
      if (end < 0) break;
      i = end;
    }
  }
  return plain;
}

EntityShape ShapeOf(const DxfRecord& record, EntityKind kind, const DxfCodec& codec) {
  EntityShape shape;
  const int mainEnd = record.PartEnd();
  const int space = record.IndexOf(67);
  shape.paperSpace = space >= 0 && space < mainEnd && record.Value(space).trimmed() == "1";
  switch (kind) {
    case EntityKind::Line:
      shape.paths.push_back({RecordPoint(record, 10), RecordPoint(record, 11)});
      break;
    case EntityKind::Point:
      shape.points.push_back(RecordPoint(record, 10));
      break;
    case EntityKind::Polyline:
      if (record.Value(0).trimmed() == "LWPOLYLINE") {
        LightweightPolyline(record, shape);
      } else {
        OldStylePolyline(record, shape);
      }
      break;
    case EntityKind::Circle:
    case EntityKind::Arc: {
      const ObjectAxes axes(ExtrusionOf(record, mainEnd));
      std::vector<Point3> path;
      const double r = Number(record, 40, 0);
      const bool circle = kind == EntityKind::Circle;
      AppendArc(path, axes, RecordPoint(record, 10), r,
                circle ? 0 : Number(record, 50, 0) * kDegree,
                circle ? 2 * std::numbers::pi : Number(record, 51, 360) * kDegree);
      shape.paths.push_back(std::move(path));
      break;
    }
    case EntityKind::Text: {
      const ObjectAxes axes(ExtrusionOf(record, mainEnd));
      const bool aligned = Number(record, 72, 0) != 0 || Number(record, 73, 0) != 0;
      const Point3 at = RecordPoint(record, aligned && record.IndexOf(11) >= 0 ? 11 : 10);
      const double angle = Number(record, 50, 0) * kDegree;
      AddLabel(shape, axes.ToWorld(at),
               axes.ToWorld({std::cos(angle), std::sin(angle), 0}),
               axes.ToWorld({-std::sin(angle), std::cos(angle), 0}), Number(record, 40, 1),
               codec.Decode(record.ValueOf(1)), false);
      break;
    }
    case EntityKind::MText: {
      QString text;
      for (int i = 0; i < mainEnd; ++i) {
        if (record.Code(i) == 3) text += codec.Decode(record.Value(i));
      }
      text += codec.Decode(record.ValueOf(1));
      const Point3 normal = ExtrusionOf(record, mainEnd);
      Point3 across;
      if (record.IndexOf(11) >= 0 && record.IndexOf(11) < mainEnd) {
        across = RecordPoint(record, 11);
      } else {
        const double angle = Number(record, 50, 0) * kDegree;
        across = ObjectAxes(normal).ToWorld({std::cos(angle), std::sin(angle), 0});
      }
      AddLabel(shape, RecordPoint(record, 10), across, Cross(Normalized(normal), Normalized(across)),
               Number(record, 40, 1), PlainMText(text), true);
      break;
    }
    case EntityKind::Other:
      break;
  }
  return shape;
}

}  // namespace trellis::cadhost
