#pragma once

#include "cad-host/Geometry.h"
#include "cad-host/HostServices.h"

#include <QPointF>
#include <QRectF>
#include <QSet>

#include <functional>

namespace trellis::cadhost {

// Where a point of the drawing is on the screen, for the view the user looks at.
using Projection = std::function<QPointF(const Point3&)>;

// The rules of an on-screen pick, apart from the window that feeds them. The user chooses among
// the candidates: a click takes the object nearest the cursor within the tolerance, a rectangle
// dragged left to right (a window) takes what lies wholly inside it, one dragged right to left
// (a crossing) what touches it; with Shift either removes instead. Enter or a right click
// finishes with what was picked, Escape ends with nothing.
class PickSession {
 public:
  explicit PickSession(EntityList candidates);

  // Each returns how many objects it added or removed.
  int Click(const Projection& project, QPointF at, double tolerance, bool remove);
  int Rectangle(const Projection& project, QPointF from, QPointF to, bool remove);
  // Adds (or removes) these candidates, however the user pointed at them.
  int Choose(const EntityList& chosen, bool remove);
  void Finish() { over_ = true; }
  void Cancel();

  bool Over() const { return over_; }
  // In the order picked.
  const EntityList& Picked() const { return picked_; }
  bool IsPicked(const HostEntity* entity) const;
  const EntityList& Candidates() const { return candidates_; }

 private:
  int Apply(const EntityList& chosen, bool remove);

  EntityList candidates_;
  QSet<const HostEntity*> offered_;
  EntityList picked_;
  QSet<const HostEntity*> pickedSet_;
  bool over_ = false;
};

// The shortest screen distance from At to the object.
double ScreenDistance(const HostEntity& entity, const Projection& project, QPointF at);

}  // namespace trellis::cadhost
