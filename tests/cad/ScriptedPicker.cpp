#include "ScriptedPicker.h"

#include "cad-host/HostEntity.h"

namespace trellis::test {

cadhost::EntityList ScriptedPicker::Pick(const cadhost::EntityList& candidates) {
  QStringList offered;
  for (const auto& entity : candidates) offered << entity->Handle();
  offered_.push_back(offered);
  if (script_.empty()) return {};
  const QStringList wanted = script_.front();
  script_.pop_front();
  cadhost::EntityList picked;
  for (const QString& handle : wanted) {
    for (const auto& entity : candidates) {
      if (entity->Handle() == handle) picked.push_back(entity);
    }
  }
  return picked;
}

}  // namespace trellis::test
