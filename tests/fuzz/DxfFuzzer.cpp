// Feeds arbitrary bytes to the DXF reader. What must always hold: the reader either reads the
// bytes or throws DxfError, and what it read, once written, reads again and writes the same.
#include "cad-host/dxf/DxfReader.h"
#include "cad-host/dxf/DxfWriter.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace trellis::cadhost;
  DxfFile first;
  try {
    first = ReadDxf(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
  } catch (const DxfError&) {
    return 0;
  }
  const QByteArray written = WriteDxf(first);
  try {
    const DxfFile second = ReadDxf(written);
    Check(second.layers.size() >= first.layers.size());
    Check(second.groups.size() == first.groups.size());
    Check(second.entities.size() == first.entities.size());
    Check(WriteDxf(second) == written);
  } catch (const DxfError&) {
    std::abort();
  }
  return 0;
}
