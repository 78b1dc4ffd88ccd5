#pragma once

#include <QString>

namespace trellis {

class IniFiles;

// The module text of the generated program for the project saved as
// <projectFolder>/<baseName>.d01: AddAllArr, which runs everything; one routine per non-empty
// table file (d01..d30 without d11 and d17, then g01..g03), titled from the column files of the
// family data folder; and AddSettings from the project's settings file. Reads the files as last
// saved; missing files give no routine or the default settings, never an error.
QString BuildProgramModule(const QString& baseName, const QString& projectFolder,
                           const QString& familyFolder, IniFiles& ini);

}  // namespace trellis
