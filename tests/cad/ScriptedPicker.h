#pragma once

#include "cad-host/HostServices.h"
#include "cad-host/PickSession.h"

#include <QStringList>

#include <deque>
#include <functional>

namespace trellis::test {

// Answers on-screen picks from a script, as the user would: by the handles of the objects
// clicked, or by gestures on the plan view (10 pixels a unit, y downwards on the screen). Only
// the candidates the host offers can be picked. With the script used up the user cancels.
class ScriptedPicker : public cadhost::Picker {
 public:
  using Gestures = std::function<void(cadhost::PickSession&, const cadhost::Projection&)>;

  void QueuePick(QStringList handles);
  void QueueGestures(Gestures gestures) { script_.push_back(std::move(gestures)); }
  cadhost::EntityList Pick(const cadhost::EntityList& candidates) override;

  static QPointF OnScreen(double x, double y) { return QPointF(10 * x, -10 * y); }
  const std::vector<QStringList>& Offered() const { return offered_; }

 private:
  std::deque<Gestures> script_;
  std::vector<QStringList> offered_;
};

}  // namespace trellis::test
