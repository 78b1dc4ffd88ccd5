#include "project/Recovery.h"

#include "app/AppIdentity.h"
#include "app/FilePaths.h"
#include "app/InstanceLock.h"
#include "app/Prompter.h"
#include "app/WorkingFolders.h"
#include "project/CalcSettingsFile.h"
#include "project/ProjectContext.h"
#include "tables/GridFilling.h"
#include "tables/ProjectState.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace trellis {
namespace {

QString RecordPath(const QString& tempArea, qint64 instance) {
  return PathIn(tempArea, QStringLiteral("trellis-%1.recovery").arg(instance));
}

std::optional<RecoveryRecord> ReadRecord(const QString& path) {
  QSettings note(path, QSettings::IniFormat);
  if (note.status() != QSettings::NoError || !note.contains(QStringLiteral("Instance"))) return std::nullopt;
  RecoveryRecord record;
  record.recordFile = path;
  record.instance = note.value(QStringLiteral("Instance")).toLongLong();
  record.workingFolder = note.value(QStringLiteral("WorkingFolder")).toString();
  record.projectPath = note.value(QStringLiteral("ProjectPath")).toString();
  record.projectTitle = note.value(QStringLiteral("ProjectTitle")).toString();
  record.baseName = note.value(QStringLiteral("BaseName")).toString();
  record.unsaved = note.value(QStringLiteral("Unsaved")).toBool();
  record.written = note.value(QStringLiteral("Written")).toDateTime();
  return record;
}

std::vector<RecoveryRecord> ReadRecords(const QString& tempArea) {
  std::vector<RecoveryRecord> records;
  QDirIterator it(tempArea, {QStringLiteral("trellis-*.recovery")}, QDir::Files);
  while (it.hasNext()) {
    if (auto record = ReadRecord(it.next())) records.push_back(std::move(*record));
  }
  return records;
}

// The folder holds working files of the noted project.
bool HoldsWork(const RecoveryRecord& record) {
  if (record.baseName.isEmpty() || !QFileInfo(record.workingFolder).isDir()) return false;
  return !QDir(record.workingFolder).entryList({record.baseName + QStringLiteral(".*")}, QDir::Files).isEmpty();
}

// The number of a dead instance came back to this one: its folder and note would be taken for
// this instance's own and emptied, so they move aside first.
void MoveAside(RecoveryRecord& record) {
  const QString folder = record.workingFolder + QStringLiteral("-recovered");
  const QString note = record.recordFile.chopped(int(QStringLiteral(".recovery").size())) +
                       QStringLiteral("-recovered.recovery");
  if (!QDir().rename(record.workingFolder, folder)) return;
  record.workingFolder = folder;
  QFile::remove(note);
  if (QFile::rename(record.recordFile, note)) record.recordFile = note;
  QSettings(record.recordFile, QSettings::IniFormat).setValue(QStringLiteral("WorkingFolder"), folder);
}

QString ProjectName(const RecoveryRecord& record) {
  return record.projectTitle.isEmpty() ? record.baseName : record.projectTitle;
}

}  // namespace

void KeepForRecovery(ProjectContext& ctx) {
  WorkingFolders& folders = ctx.tables.folders;
  const ProjectState& project = ctx.tables.project;
  const QString working = folders.GetWorkingFolder();
  // The working files are the work: the shown table and the calculation settings join them.
  SaveCurrentTable(ctx.tables);
  WriteCalcSettings(ctx.tables.ini, ctx.settings, PathIn(working, project.projectBaseName + QStringLiteral(".ini")));
  QSettings note(RecordPath(folders.TempArea(), folders.InstanceNumber()), QSettings::IniFormat);
  note.setValue(QStringLiteral("Instance"), folders.InstanceNumber());
  note.setValue(QStringLiteral("WorkingFolder"), working);
  note.setValue(QStringLiteral("ProjectPath"), project.projectPath);
  note.setValue(QStringLiteral("ProjectTitle"), project.projectTitle);
  note.setValue(QStringLiteral("BaseName"), project.projectBaseName);
  note.setValue(QStringLiteral("Unsaved"), !project.projectSaved);
  note.setValue(QStringLiteral("Written"), QDateTime::currentDateTime());
  note.sync();
}

void ForgetRecovery(WorkingFolders& folders) {
  QFile::remove(RecordPath(folders.TempArea(), folders.InstanceNumber()));
}

std::vector<RecoveryRecord> FindAbandonedWork(const QString& tempArea, qint64 ownInstance) {
  std::vector<RecoveryRecord> abandoned;
  for (RecoveryRecord& record : ReadRecords(tempArea)) {
    // A note of this instance's own number is a dead process's whose number came back.
    if (record.instance == ownInstance || !InstanceLock::IsRunning(tempArea, record.instance)) {
      abandoned.push_back(std::move(record));
    }
  }
  std::sort(abandoned.begin(), abandoned.end(),
            [](const RecoveryRecord& a, const RecoveryRecord& b) { return a.written > b.written; });
  return abandoned;
}

void DiscardAbandonedWork(const RecoveryRecord& record) {
  QDir folder(record.workingFolder);
  // Only what an instance puts there: its working files and its DXF folder.
  if (!record.workingFolder.isEmpty() && folder.exists()) folder.removeRecursively();
  QFile::remove(record.recordFile);
}

StartupRecovery AskAboutAbandonedWork(Prompter& prompter, const QString& tempArea, qint64 ownInstance) {
  StartupRecovery outcome;
  for (RecoveryRecord& record : FindAbandonedWork(tempArea, ownInstance)) {
    if (!record.unsaved || !HoldsWork(record)) {
      DiscardAbandonedWork(record);
      continue;
    }
    // One project is recovered at a time; the others wait for the next start.
    if (outcome.toRecover) {
      if (record.instance == ownInstance) MoveAside(record);
      outcome.keptFolderNames << QFileInfo(record.workingFolder).fileName();
      continue;
    }
    const MessageAnswer answer = prompter.Ask(
        Message{QCoreApplication::translate(
                    "Recovery",
                    "Работа с проектом «%1» прервалась, и его несохраненные изменения остались в "
                    "рабочей папке (записаны %2).\n\nВосстановить проект?\n\n«Да» — открыть его с "
                    "этими изменениями; «Нет» — удалить их; «Отмена» — оставить их до следующего "
                    "запуска.")
                    .arg(ProjectName(record),
                         QLocale(QLocale::Russian).toString(record.written, QLocale::ShortFormat)),
                ProgramTitle(), MessageButtons::YesNoCancel, MessageIcon::Question});
    if (answer == MessageAnswer::No) {
      DiscardAbandonedWork(record);
      continue;
    }
    if (record.instance == ownInstance) MoveAside(record);
    outcome.keptFolderNames << QFileInfo(record.workingFolder).fileName();
    if (answer == MessageAnswer::Yes) outcome.toRecover = std::move(record);
  }
  return outcome;
}

bool ProjectOpenElsewhere(const QString& tempArea, qint64 ownInstance, const QString& projectPath) {
  if (projectPath.isEmpty()) return false;
  const QString wanted = QFileInfo(projectPath).absoluteFilePath();
  for (const RecoveryRecord& record : ReadRecords(tempArea)) {
    if (record.instance == ownInstance || record.projectPath.isEmpty()) continue;
    if (QFileInfo(record.projectPath).absoluteFilePath() == wanted &&
        InstanceLock::IsRunning(tempArea, record.instance)) {
      return true;
    }
  }
  return false;
}

}  // namespace trellis
