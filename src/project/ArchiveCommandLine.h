#pragma once

#include <QStringList>

#include <optional>

class QTextStream;

namespace trellis {

// trellis --archive PROJECT.d01 ARCHIVE.zip: writes the archive of the project's folder
// without a window. Returns the exit code (0 written; 1 not written or a file left out; 2 bad
// arguments), with the reasons on Errors; nothing when Arguments hold no "--archive".
std::optional<int> RunArchiveCommandLine(const QStringList& arguments, QTextStream& errors);

}  // namespace trellis
