#include "cad-host/PickSession.h"

#include "cad-host/HostEntity.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <limits>

namespace trellis::cadhost {

namespace {

double SegmentDistance(QPointF p, QPointF a, QPointF b) {
  const QPointF ab = b - a;
  const double length2 = QPointF::dotProduct(ab, ab);
  const double t =
      length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
  return QLineF(p, a + ab * t).length();
}

bool SegmentsCross(QPointF a, QPointF b, QPointF c, QPointF d) {
  QPointF at;
  return QLineF(a, b).intersects(QLineF(c, d), &at) == QLineF::BoundedIntersection;
}

bool SegmentTouchesRect(QPointF a, QPointF b, const QRectF& r) {
  if (r.contains(a) || r.contains(b)) return true;
  const QPointF corners[4] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
  for (int i = 0; i < 4; ++i) {
    if (SegmentsCross(a, b, corners[i], corners[(i + 1) % 4])) return true;
  }
  return false;
}

// The object's screen outline: its paths, its point marks and its texts' boxes (closed).
std::vector<std::vector<QPointF>> ScreenPaths(const HostEntity& entity, const Projection& project) {
  const EntityShape& shape = entity.Shape();
  std::vector<std::vector<QPointF>> paths;
  for (const auto& path : shape.paths) {
    std::vector<QPointF> screen;
    screen.reserve(path.size());
    for (const Point3& p : path) screen.push_back(project(p));
    paths.push_back(std::move(screen));
  }
  for (const Point3& p : shape.points) paths.push_back({project(p)});
  for (const auto& label : shape.labels) {
    std::vector<QPointF> screen;
    for (const Point3& p : label.box) screen.push_back(project(p));
    if (!screen.empty()) screen.push_back(screen.front());
    paths.push_back(std::move(screen));
  }
  return paths;
}

// Whether At lies inside the polygon (crossings of a ray to the right, odd = inside).
bool InsidePolygon(const std::vector<QPointF>& polygon, QPointF at) {
  bool inside = false;
  for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const QPointF& a = polygon[i];
    const QPointF& b = polygon[j];
    if ((a.y() > at.y()) != (b.y() > at.y()) &&
        at.x() < (b.x() - a.x()) * (at.y() - a.y()) / (b.y() - a.y()) + a.x()) {
      inside = !inside;
    }
  }
  return inside;
}

bool InsideText(const HostEntity& entity, const Projection& project, QPointF at) {
  for (const auto& label : entity.Shape().labels) {
    std::vector<QPointF> box;
    for (const Point3& p : label.box) box.push_back(project(p));
    if (!box.empty() && InsidePolygon(box, at)) return true;
  }
  return false;
}

}  // namespace

double ScreenDistance(const HostEntity& entity, const Projection& project, QPointF at) {
  if (InsideText(entity, project, at)) return 0;
  double best = std::numeric_limits<double>::infinity();
  for (const auto& path : ScreenPaths(entity, project)) {
    if (path.size() == 1) best = std::min(best, QLineF(at, path.front()).length());
    for (size_t i = 1; i < path.size(); ++i) {
      best = std::min(best, SegmentDistance(at, path[i - 1], path[i]));
    }
  }
  return best;
}

PickSession::PickSession(EntityList candidates) : candidates_(std::move(candidates)) {}

bool PickSession::IsPicked(const HostEntity* entity) const {
  return pickedSet_.contains(entity);
}

int PickSession::Choose(const EntityList& chosen, bool remove) {
  if (offered_.isEmpty()) {
    for (const auto& entity : candidates_) offered_.insert(entity.get());
  }
  // Only what the host offered can be picked.
  EntityList offered;
  for (const auto& entity : chosen) {
    if (offered_.contains(entity.get())) offered.push_back(entity);
  }
  return Apply(offered, remove);
}

int PickSession::Apply(const EntityList& chosen, bool remove) {
  int changed = 0;
  for (const auto& entity : chosen) {
    const bool picked = pickedSet_.contains(entity.get());
    if (remove && picked) {
      pickedSet_.remove(entity.get());
      ++changed;
    } else if (!remove && !picked) {
      pickedSet_.insert(entity.get());
      picked_.push_back(entity);
      ++changed;
    }
  }
  if (remove && changed > 0) {
    std::erase_if(picked_, [this](const auto& entity) { return !pickedSet_.contains(entity.get()); });
  }
  return changed;
}

int PickSession::Click(const Projection& project, QPointF at, double tolerance, bool remove) {
  std::shared_ptr<HostEntity> nearest;
  double best = tolerance;
  for (const auto& entity : candidates_) {
    const double distance = ScreenDistance(*entity, project, at);
    // The last drawn lies on top: it wins a tie.
    if (distance <= best) {
      best = distance;
      nearest = entity;
    }
  }
  return nearest ? Apply({nearest}, remove) : 0;
}

int PickSession::Rectangle(const Projection& project, QPointF from, QPointF to, bool remove) {
  const QRectF area = QRectF(from, to).normalized();
  const bool window = to.x() >= from.x();
  EntityList chosen;
  for (const auto& entity : candidates_) {
    const auto paths = ScreenPaths(*entity, project);
    bool inside = true;
    bool touches = false;
    for (const auto& path : paths) {
      for (size_t i = 0; i < path.size(); ++i) {
        if (!area.contains(path[i])) inside = false;
        if (path.size() == 1) touches = touches || area.contains(path[i]);
        if (i > 0 && !touches) touches = SegmentTouchesRect(path[i - 1], path[i], area);
      }
    }
    if (window ? inside : touches) chosen.push_back(entity);
  }
  return Apply(chosen, remove);
}

void PickSession::Cancel() {
  picked_.clear();
  pickedSet_.clear();
  over_ = true;
}

}  // namespace trellis::cadhost
