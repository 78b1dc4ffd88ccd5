#include "automation/ObjectTable.h"

namespace trellis {

QString ObjectTable::Export(const DispatchRef& object) {
  const auto known = pathOf_.constFind(object.get());
  if (known != pathOf_.constEnd()) return *known;
  const QString path = QStringLiteral("/obj/") + QString::number(++lastNumber_);
  Place(path, object);
  return path;
}

void ObjectTable::Place(const QString& path, DispatchRef object) {
  pathOf_.insert(object.get(), path);
  byPath_.insert(path, std::move(object));
}

}  // namespace trellis
