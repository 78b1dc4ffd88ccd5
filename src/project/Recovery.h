#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace trellis {

class Prompter;
class WorkingFolders;
struct ProjectContext;

// What an instance notes about its work so that it survives a crash, in the temporary area
// beside the instance folders ("trellis-<instance>.recovery"): where its working files are,
// which project they belong to and whether they hold changes not saved to the project. The
// same note tells other instances which project this one has open.
struct RecoveryRecord {
  QString recordFile;
  qint64 instance = 0;
  QString workingFolder;
  QString projectPath;
  QString projectTitle;
  QString baseName;
  bool unsaved = false;
  QDateTime written;
};

// Writes the shown table to its working file and notes the project: every few minutes, on
// each table switch and after the project commands.
void KeepForRecovery(ProjectContext& ctx);
// The instance closes normally: its note goes with its working folder.
void ForgetRecovery(WorkingFolders& folders);

// The notes of instances that no longer run.
std::vector<RecoveryRecord> FindAbandonedWork(const QString& tempArea, qint64 ownInstance);
// Removes an abandoned working folder and its note.
void DiscardAbandonedWork(const RecoveryRecord& record);

// At start-up, before the temporary area is cleaned: every abandoned folder that holds unsaved
// work is offered for recovery (the newest first). The user recovers it, discards it, or keeps
// it for the next start; folders without unsaved work go without a question. The folders to
// leave alone are listed by name for the clean-up.
struct StartupRecovery {
  std::optional<RecoveryRecord> toRecover;
  QStringList keptFolderNames;
};
StartupRecovery AskAboutAbandonedWork(Prompter& prompter, const QString& tempArea, qint64 ownInstance);

// Takes over an abandoned working folder as the open project, with its changes still unsaved;
// the folder and its note are removed after. False (and the report says why) when its files
// could not all be copied.
bool RecoverProject(ProjectContext& ctx, const RecoveryRecord& record);

// Another running instance has this project open.
bool ProjectOpenElsewhere(const QString& tempArea, qint64 ownInstance, const QString& projectPath);

}  // namespace trellis
