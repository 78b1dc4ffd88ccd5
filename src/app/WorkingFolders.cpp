#include "app/WorkingFolders.h"

#include "app/AppIdentity.h"
#include "app/FilePaths.h"
#include "app/RunTimeError.h"
#include "app/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace trellis {
namespace {

void CreateFolder(const QString& path) {
  if (QDir().mkpath(path)) return;
  const int error = errno;
  throw RunTimeError::FromSystem(std::error_code(error ? error : EACCES, std::generic_category()),
                                 path);
}

// Deletes the files of Folder (hidden ones too) and then the folder, which stays when it still
// holds a subfolder or a file that would not go. Errors are ignored.
void EmptyAndRemove(const QString& folder) {
  QDir dir(folder);
  if (!dir.exists()) return;
  for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
    dir.remove(name);
  }
  QDir().rmdir(folder);
}

// The path as the file system reaches it: "." and ".." gone and symbolic links followed, also
// through the part that exists when the rest does not yet, so a setting cannot lead the
// program out of a folder by its spelling.
QString ResolvedPath(const QString& path) {
  QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  QString rest;
  while (!QFileInfo::exists(existing)) {
    const QString parent = QFileInfo(existing).path();
    if (parent == existing) break;
    rest = QFileInfo(existing).fileName() + (rest.isEmpty() ? QString() : u'/' + rest);
    existing = parent;
  }
  const QString canonical = QFileInfo(existing).canonicalFilePath();
  const QString base = canonical.isEmpty() ? existing : canonical;
  return rest.isEmpty() ? base : QDir::cleanPath(base + u'/' + rest);
}

// Folder itself or a folder inside it, by letter case as Windows compares.
bool IsSameOrInside(const QString& path, const QString& folder) {
  return path.compare(folder, Qt::CaseInsensitive) == 0 ||
         path.startsWith(folder + u'/', Qt::CaseInsensitive);
}

}  // namespace

WorkingFolders::WorkingFolders(SettingsStore& settings, QString systemDrive, qint64 instanceNumber)
    : settings_(settings), systemDrive_(std::move(systemDrive)), instanceNumber_(instanceNumber) {}

QString WorkingFolders::DefaultSystemDrive() {
  const QString drive = qEnvironmentVariable("SystemDrive");
  if (!drive.isEmpty()) return drive;
  const QString data = qEnvironmentVariable("XDG_DATA_HOME");
  if (!data.isEmpty()) return data;
  return QDir::homePath() + QStringLiteral("/.local/share");
}

QString WorkingFolders::GetFamilyFolder() {
  if (familyFolder_.size() >= 3) return familyFolder_;
  const QString fallback = PathIn(systemDrive_, FamilyKey());
  if (!FolderExists(fallback)) CreateFolder(fallback);
  const QString stored = settings_.GetSetting(FamilyKey(), u"Folds_1", u"Path", fallback);
  // Only the default folder and folders inside it are accepted, judged by where the paths
  // really lead: the clean-up of the temporary area deletes below this folder.
  familyFolder_ = IsSameOrInside(ResolvedPath(stored), ResolvedPath(fallback)) ? stored : fallback;
  settings_.SaveSetting(FamilyKey(), u"Folds_1", u"Path", familyFolder_);
  return familyFolder_;
}

QString WorkingFolders::TempArea() { return PathIn(GetFamilyFolder(), QStringLiteral("Temp")); }

QString WorkingFolders::InstanceFolder() {
  return PathIn(TempArea(), QString::number(instanceNumber_));
}

QString WorkingFolders::WorkingFolderPath() {
  const QString chosen = settings_.GetSetting(ProgramTitle(), u"Main", u"TempDir");
  // A folder the user chose is never emptied: the program works in a folder of its own inside
  // it, one per instance, which it made and may remove. (The classic program worked in the
  // chosen folder itself and emptied it.)
  if (!chosen.isEmpty() && FolderExists(chosen)) {
    return PathIn(ResolvedPath(chosen), ProgramTitle() + u'-' + QString::number(instanceNumber_));
  }
  return InstanceFolder();
}

QString WorkingFolders::GetWorkingFolder() {
  const QString working = WorkingFolderPath();
  if (working != InstanceFolder()) {
    if (!FolderExists(working)) CreateFolder(working);
    return working;
  }
  if (!FolderExists(TempArea())) CreateFolder(TempArea());
  if (!FolderExists(working)) CreateFolder(working);
  return working;
}

QString WorkingFolders::GetDxfFolder() {
  if (!FolderExists(TempArea())) CreateFolder(TempArea());
  GetWorkingFolder();
  // With Main/TempDir in force the per-instance folder is not the working folder, and the DXF
  // folder still needs it as its parent, so it is made here.
  if (!FolderExists(InstanceFolder())) CreateFolder(InstanceFolder());
  const QString dxf = PathIn(InstanceFolder(), QStringLiteral("DXF"));
  if (!FolderExists(dxf)) CreateFolder(dxf);
  return dxf;
}

void WorkingFolders::RemoveWorkingFolder() {
  const QString working = WorkingFolderPath();
  if (FolderExists(TempArea()) && FolderExists(working)) EmptyAndRemove(working);
}

void WorkingFolders::RemoveDxfFolder() {
  if (FolderExists(TempArea()) && FolderExists(WorkingFolderPath())) {
    EmptyAndRemove(PathIn(InstanceFolder(), QStringLiteral("DXF")));
  }
}

void CleanTempArea(const QString& folder, const QStringList& keptFolderNames) {
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) return;
  const QDir area(folder);
  for (const QString& name : area.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                                            QDir::Unsorted)) {
    if (keptFolderNames.contains(name)) continue;
    const QString instance = PathIn(folder, name);
    const QString dxf = PathIn(instance, QStringLiteral("DXF"));
    // The CAD side may leave this marker write-protected.
    QFile::setPermissions(PathIn(dxf, QStringLiteral("1.tmp.tmp")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                              QFile::ReadOther);
    EmptyAndRemove(dxf);
    if (name.compare(QLatin1String("shem"), Qt::CaseInsensitive) != 0) EmptyAndRemove(instance);
  }
}

}  // namespace trellis
