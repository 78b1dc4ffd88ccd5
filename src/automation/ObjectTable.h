#pragma once

#include "automation/Dispatch.h"

#include <QHash>
#include <QString>

namespace trellis {

// The objects a process has handed out on the bus, by object path. An object keeps its path
// for as long as the table lives, so a caller that receives it twice holds the same object.
// The bus has no reference counting: the table keeps what it handed out until it ends.
class ObjectTable {
 public:
  // The object's path, assigning /obj/<n> on first sight.
  QString Export(const DispatchRef& object);
  // Puts Object at a fixed path (a published instance).
  void Place(const QString& path, DispatchRef object);
  // nullptr when nothing lives at Path.
  DispatchRef Find(const QString& path) const { return byPath_.value(path); }
  qsizetype Size() const { return byPath_.size(); }

 private:
  QHash<QString, DispatchRef> byPath_;
  QHash<const Dispatch*, QString> pathOf_;
  quint64 lastNumber_ = 0;
};

}  // namespace trellis
