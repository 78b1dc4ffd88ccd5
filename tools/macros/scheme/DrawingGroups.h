#pragma once

#include "automation/Dispatch.h"
#include "macros/scheme/SchemeBuilder.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace trellis::macros {

// What one group of the drawing holds: its lines and points; objects of other kinds are only
// counted.
struct GroupContents {
  bool exists = false;
  std::vector<DrawnLine> lines;
  std::vector<Point3> points;
  int otherObjects = 0;

  int ObjectCount() const { return int(lines.size() + points.size()) + otherObjects; }
};

// The groups of Names in the drawing, in the same order. The calls go to the host a hundred at
// a time (see CallTogether), so a drawing of many thousands of objects is read in a moment
// even from another process. Throws AutomationError when the host fails.
std::vector<GroupContents> ReadDrawingGroups(Dispatch& document, const QStringList& names);

// How many objects each group of Names holds, by upper-case name; a name the drawing has no
// group of is absent. Only the counts are asked for, in batches as above. Throws
// AutomationError when the host fails.
QHash<QString, int> CountGroupObjects(Dispatch& document, const QStringList& names);

}  // namespace trellis::macros
