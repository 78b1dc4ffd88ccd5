#pragma once

#include <QString>

class QTextStream;

namespace trellis {

class SettingsStore;

// `trellis --export-vb PROJECT.d01`: writes the program project of a saved project beside it,
// without a window and without opening it. The family data folder is determined, and the
// generator's column files provided, as at the program's start. Problems go to Errors.
// Returns 0 when every file was written, 1 when the project file does not exist or a file
// could not be written, 2 when no project file is named.
int ExportProgramProject(const QString& d01Path, const QString& installationFolder,
                         SettingsStore& settings, const QString& systemDrive, QTextStream& errors);

}  // namespace trellis
