#include "ScriptedPicker.h"

#include "cad-host/HostEntity.h"

namespace trellis::test {

void ScriptedPicker::QueuePick(QStringList handles) {
  QueueGestures([handles](cadhost::PickSession& session, const cadhost::Projection&) {
    for (const QString& handle : handles) {
      for (const auto& entity : session.Candidates()) {
        if (entity->Handle() == handle) session.Choose({entity}, false);
      }
    }
    session.Finish();
  });
}

cadhost::EntityList ScriptedPicker::Pick(const cadhost::EntityList& candidates) {
  QStringList offered;
  for (const auto& entity : candidates) offered << entity->Handle();
  offered_.push_back(offered);
  if (script_.empty()) return {};
  const Gestures gestures = std::move(script_.front());
  script_.pop_front();
  cadhost::PickSession session(candidates);
  gestures(session, [](const cadhost::Point3& p) { return OnScreen(p[0], p[1]); });
  return session.Over() ? session.Picked() : cadhost::EntityList();
}

}  // namespace trellis::test
