#pragma once

#include <QChar>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace trellis {

#ifdef Q_OS_WIN
inline constexpr QChar kPathSeparator = u'\\';
#else
inline constexpr QChar kPathSeparator = u'/';
#endif

// Name inside Folder (a folder path without a trailing separator).
inline QString PathIn(const QString& folder, const QString& name) {
  return folder + kPathSeparator + name;
}

// True when a regular file matches Path; "*" and "?" in the last part match as Windows does
// (without case, "*.*" matches every name). Linux has no hidden or system attribute, and the
// program's own nameless working files begin with a full stop, so dot files count.
bool FileExists(const QString& path);
// True for paths that begin with two separators without probing them, else for any existing
// file or folder matching Path.
bool FolderExists(const QString& path);

// The regular files of Folder, dot files included, in name order without case as a Windows
// listing gives them; pipes and devices are left out, since reading one could block. None for
// an empty folder name (which would list the current folder).
QStringList FilesOf(const QString& folder);

QString ParentFolder(const QString& path);
QString BaseNameOf(const QString& path);
QString ExtensionOf(const QString& name);

// Last modification as a day number from 1899-12-30 (local time), held in single precision:
// present-day values step by 1/256 day. 0 when the file is missing.
float FileTimeOf(const QString& path);
float DayNumberOf(const QDateTime& localTime);

// Windows file-name pattern matching: "*" any run, "?" one character, without case.
bool MatchesWildcard(const QString& name, const QString& pattern);

}  // namespace trellis
