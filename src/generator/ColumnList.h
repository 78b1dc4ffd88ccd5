#pragma once

#include <QString>

namespace trellis {

class IniFiles;

// The column titles of a table's column file (the Name of sections F1, F2, ... up to the first
// empty one) joined with " : ". A missing file gives "".
QString ReadColumnList(IniFiles& ini, const QString& columnFile);

// The same for a geometry table, whose first column the generated program leaves out: titles
// from F2 on, each without its "______" padding, and "" when F1 has no title.
QString ReadGeometryColumnList(IniFiles& ini, const QString& columnFile);

}  // namespace trellis
