#pragma once

#include <QString>

namespace trellis {

// The host's autoload list files: plain text in the ANSI code page, one path per line.

// Every line of the file followed by CR LF (a line ends at CR LF, CR or LF); "" when the file
// is missing.
QString ReadAllLines(const QString& path);
// The same without the lines that contain Text (without case).
QString ReadLinesExcept(const QString& path, const QString& text);

// Puts ModulePath into the list file at ListPath: the whole file when it is empty; nothing when
// it already names ModulePath; else after dropping the lines naming the module (ModuleFile)
// under another path, appended after Separator. The file is replaced and ends with CR LF.
// True when the list already named ModulePath. A file that cannot be read or written is left
// alone (a file that cannot be read counts as naming it, so nobody is asked to restart).
bool AddModuleToList(const QString& listPath, const QString& moduleFile, const QString& modulePath,
                     const QString& separator);

}  // namespace trellis
