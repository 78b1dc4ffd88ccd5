#include "automation/ObjectTable.h"

#include <QSet>

namespace trellis {

QString ObjectTable::Export(const DispatchRef& object, const QString& holder) {
  QString path = pathOf_.value(object.get());
  if (path.isEmpty()) {
    path = QStringLiteral("/obj/") + QString::number(++lastNumber_);
    pathOf_.insert(object.get(), path);
    byPath_.insert(path, Entry{object, {}, false});
  }
  Hold(path, holder);
  return path;
}

void ObjectTable::Place(const QString& path, DispatchRef object) {
  if (const auto known = byPath_.constFind(path); known != byPath_.cend()) {
    pathOf_.remove(known->object.get());
  }
  pathOf_.insert(object.get(), path);
  Entry& entry = byPath_[path];
  entry.object = std::move(object);
  entry.placed = true;
}

bool ObjectTable::Hold(const QString& path, const QString& holder) {
  const auto entry = byPath_.find(path);
  if (entry == byPath_.end()) return false;
  ++entry->holds[holder];
  holdsOf_[holder].insert(path);
  return true;
}

void ObjectTable::Release(const QString& path, const QString& holder) {
  const auto entry = byPath_.find(path);
  if (entry == byPath_.end()) return;
  const auto holds = entry->holds.find(holder);
  if (holds == entry->holds.end()) return;
  if (--*holds > 0) return;
  entry->holds.erase(holds);
  if (const auto paths = holdsOf_.find(holder); paths != holdsOf_.end()) {
    paths->remove(path);
    if (paths->isEmpty()) holdsOf_.erase(paths);
  }
  DropIfUnheld(path);
}

void ObjectTable::ReleaseAll(const QString& holder) {
  const QSet<QString> paths = holdsOf_.take(holder);
  for (const QString& path : paths) {
    const auto entry = byPath_.find(path);
    if (entry == byPath_.end()) continue;
    entry->holds.remove(holder);
    DropIfUnheld(path);
  }
}

DispatchRef ObjectTable::Find(const QString& path) const {
  const auto entry = byPath_.constFind(path);
  return entry == byPath_.cend() ? nullptr : entry->object;
}

void ObjectTable::DropIfUnheld(const QString& path) {
  const auto entry = byPath_.find(path);
  if (entry == byPath_.end() || entry->placed || !entry->holds.isEmpty()) return;
  // The object may drop proxies as it ends, which reaches back here: it ends after the table
  // is whole again.
  const DispatchRef object = std::move(entry->object);
  pathOf_.remove(object.get());
  byPath_.erase(entry);
}

}  // namespace trellis
