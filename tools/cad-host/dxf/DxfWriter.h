#pragma once

#include "cad-host/dxf/DxfFile.h"

#include <QByteArray>

namespace trellis::cadhost {

// Writes the drawing as ASCII DXF R2000 or later (the file's own version when it is one),
// with CR LF line ends. A drawing read from an R12 file gets what R2000 readers need: handles,
// owners, subclass markers of table entries and blocks, and a block record for every block.
QByteArray WriteDxf(const DxfFile& file);

}  // namespace trellis::cadhost
