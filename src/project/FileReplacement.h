#pragma once

#include "app/ReplacementFile.h"

#include <QString>

#include <system_error>

namespace trellis {

// Copies Source over Target so that Target always holds either its old content or the whole
// new one: the copy is written beside Target under a name no project file pattern matches and
// renamed over it once complete. It keeps the source's modification time and permissions, as
// a copy on Windows does.
std::error_code CopyFileReplacing(const QString& source, const QString& target,
                                  Durability durability);

// Renames a file, but never over an existing one.
std::error_code RenameFileKeeping(const QString& from, const QString& to);

// The run-time's description of a failed file step, for the report pane.
QString FileErrorText(std::error_code error, const QString& path);

}  // namespace trellis
