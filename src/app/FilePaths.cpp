#include "app/FilePaths.h"

#include "app/IniDocument.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace trellis {
namespace {

bool HasWildcard(const QString& s) { return s.contains(u'*') || s.contains(u'?'); }

bool MatchFrom(QStringView name, QStringView pattern) {
  // Greedy match with one backtrack point for the last "*": linear for usual patterns.
  qsizetype n = 0, p = 0, starP = -1, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n])) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == u'*') {
      starP = p++;
      starN = n;
    } else if (starP >= 0) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == u'*') ++p;
  return p == pattern.size();
}

// Lists Path as a directory listing would: a plain name is looked up, a pattern is matched
// against the entries of its folder.
template <typename Accept>
bool AnyEntryMatches(const QString& path, Accept accept) {
  if (path.isEmpty()) return false;
  const qsizetype cut = path.lastIndexOf(kPathSeparator);
  const QString name = path.mid(cut + 1);
  if (!HasWildcard(name)) return accept(QFileInfo(path));
  const QString folder = cut < 0 ? QStringLiteral(".") : (cut == 0 ? QString(kPathSeparator) : path.left(cut));
  QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  while (it.hasNext()) {
    it.next();
    if (MatchesWildcard(it.fileName(), name) && accept(it.fileInfo())) return true;
  }
  return false;
}

}  // namespace

bool MatchesWildcard(const QString& name, const QString& pattern) {
  // "*.*" is every name on Windows, with or without a full stop.
  if (pattern == QLatin1String("*.*")) return true;
  return MatchFrom(FoldIniName(name), FoldIniName(pattern));
}

bool FileExists(const QString& path) {
  return AnyEntryMatches(path, [](const QFileInfo& info) { return info.isFile(); });
}

bool FolderExists(const QString& path) {
  if (path.startsWith(QLatin1String("\\\\")) || path.startsWith(QLatin1String("//"))) return true;
  return AnyEntryMatches(path, [](const QFileInfo& info) { return info.exists(); });
}

QStringList FilesOf(const QString& folder) {
  if (folder.isEmpty()) return {};
  return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
}

QString ParentFolder(const QString& path) {
  const qsizetype cut = path.lastIndexOf(kPathSeparator);
  return cut <= 0 ? QString() : path.left(cut);
}

QString BaseNameOf(const QString& path) {
  const qsizetype cut = path.lastIndexOf(kPathSeparator);
  const qsizetype dot = path.lastIndexOf(u'.');
  if (cut < 0 || dot <= cut + 1) return QString();
  return path.mid(cut + 1, dot - cut - 1);
}

QString ExtensionOf(const QString& name) {
  const qsizetype dot = name.lastIndexOf(u'.');
  return dot < 0 ? QString() : name.mid(dot + 1);
}

float DayNumberOf(const QDateTime& localTime) {
  const qint64 days = localTime.date().toJulianDay() - QDate(1899, 12, 30).toJulianDay();
  const double fraction = localTime.time().msecsSinceStartOfDay() / 86400000.0;
  return float(double(days) + fraction);
}

float FileTimeOf(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.exists()) return 0.0f;
  return DayNumberOf(info.lastModified());
}

}  // namespace trellis
