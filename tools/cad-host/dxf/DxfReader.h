#pragma once

#include "cad-host/dxf/DxfFile.h"

#include <QByteArrayView>

namespace trellis::cadhost {

// Reads an ASCII DXF file (R12, R2000 and later). Throws DxfError naming the line where the
// file cannot be read.
DxfFile ReadDxf(QByteArrayView bytes);

}  // namespace trellis::cadhost
