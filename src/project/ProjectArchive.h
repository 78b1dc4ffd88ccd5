#pragma once

#include <QString>
#include <QStringList>

namespace trellis {

struct ProjectContext;

struct FolderArchiveResult {
  bool written = false;  // the archive file holds the new archive
  QString failure;       // why it was not written
  QStringList skipped;   // files of the folder left out, each with the reason
};

// Writes every file of Folder (not its subfolders) at the root of the archive ZipPath, in name
// order; the archive itself is left out when it lies in Folder. An older archive of that name
// is replaced only by a complete new one.
FolderArchiveResult WriteFolderArchive(const QString& folder, const QString& zipPath);

// Builds the archive of Folder in the busy state; files left out are noted in the report pane,
// and an archive that could not be made is reported with "Архив создать не удалось".
bool ArchiveFolder(ProjectContext& ctx, const QString& folder, const QString& zipPath);

// The save menu's "Сохранить в архив ...": saves the project (asking for its path when it was
// never saved), then asks for the archive path and archives the project folder. Never throws.
void ArchiveProject(ProjectContext& ctx);

}  // namespace trellis
