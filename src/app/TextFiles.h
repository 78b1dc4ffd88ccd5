#pragma once

#include <QString>

namespace trellis {

class Prompter;

// The whole file decoded from Windows-1251; "" when it is missing, empty or not a file.
QString ReadWholeFile(const QString& path);

// Replaces the file with Text and a closing CR LF in Windows-1251. The new content is written
// beside the file and renamed over it, so a failed write leaves the old content whole; the
// failure is reported as "PrintToFile" and the result is false.
bool PrintToFile(const QString& path, const QString& text, Prompter& prompter);

// The same replacement without any message: false when the file could not be written.
bool ReplaceFileContent(const QString& path, const QByteArray& bytes);

}  // namespace trellis
