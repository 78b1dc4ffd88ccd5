#pragma once

#include "automation/Dispatch.h"

#include <QHash>
#include <QSet>
#include <QString>

namespace trellis {

// The objects a process has handed out on the bus, by object path. The bus counts no
// references, so the table counts them for it: every hand-out of an object to a process is one
// hold of that process, which its proxy gives back when it is dropped, and all of which end
// when the process leaves the bus. An object that no process holds any more leaves the table;
// a published instance stays for the table's life. Paths are never used twice, so a holder
// that comes late finds no object rather than another one.
class ObjectTable {
 public:
  // The object's path, assigning /obj/<n> when it is not in the table, and one more hold of
  // Holder.
  QString Export(const DispatchRef& object, const QString& holder);
  // Puts Object at a fixed path (a published instance), held for the table's life.
  void Place(const QString& path, DispatchRef object);
  // One more hold of Holder on the object at Path; false when no object lives there.
  bool Hold(const QString& path, const QString& holder);
  // Gives back one hold of Holder on the object at Path; nothing when it has none.
  void Release(const QString& path, const QString& holder);
  // Gives back every hold of Holder: it has left the bus.
  void ReleaseAll(const QString& holder);
  bool IsHolder(const QString& holder) const { return holdsOf_.contains(holder); }

  // nullptr when nothing lives at Path.
  DispatchRef Find(const QString& path) const;
  qsizetype Size() const { return byPath_.size(); }

 private:
  struct Entry {
    DispatchRef object;
    QHash<QString, int> holds;  // by holder
    bool placed = false;
  };
  void DropIfUnheld(const QString& path);

  QHash<QString, Entry> byPath_;
  QHash<const Dispatch*, QString> pathOf_;
  // The paths each holder holds, for ReleaseAll.
  QHash<QString, QSet<QString>> holdsOf_;
  quint64 lastNumber_ = 0;
};

}  // namespace trellis
