#include "automation/Dispatch.h"

namespace trellis {

QVariant ObjectValue(DispatchRef object) {
  if (!object) return QVariant();
  return QVariant::fromValue(std::move(object));
}

bool HoldsObject(const QVariant& value) {
  return value.metaType() == QMetaType::fromType<DispatchRef>();
}

DispatchRef ObjectOf(const QVariant& value) {
  return HoldsObject(value) ? value.value<DispatchRef>() : nullptr;
}

QVariant Call(Dispatch& object, const QString& member, QVariantList args) {
  return object.Invoke(member, args);
}

}  // namespace trellis
