#include "project/ProjectOperations.h"

#include "app/AppIdentity.h"
#include "app/FilePaths.h"
#include "app/Prompter.h"
#include "app/SettingsStore.h"
#include "app/WorkingFolders.h"
#include "app/TextFiles.h"
#include "project/CalcSettingsFile.h"
#include "project/FileReplacement.h"
#include "project/ProjectContext.h"
#include "project/ProjectFileSet.h"
#include "project/ProjectHooks.h"
#include "project/Recovery.h"
#include "project/RecentProjects.h"
#include "tables/CatalogueLoading.h"
#include "tables/GridFilling.h"
#include "tables/ProjectState.h"
#include "tables/TableHooks.h"
#include "tables/TableOpening.h"
#include "tables/WindowModel.h"

#include <QCoreApplication>
#include <QDir>

#include <exception>

namespace trellis {
namespace {

const QString kStartupTitle = QStringLiteral("Новый проект");

QString CurrentTableFile(ProjectContext& ctx) {
  return TableFileName(ctx.tables, ctx.tables.tables.currentTableKey);
}

// The working files are about to be replaced: the table shown until now belongs to the files
// that go, so opening the next table must not write it among the new ones (a project of the
// same base name would inherit it). The steps to undo belong to those files too.
void ForgetShownTable(ProjectContext& ctx) {
  ctx.tables.tables.loadedTableFile.clear();
  ctx.tables.tables.history.Clear();
  ctx.tables.window.fg2.ClearValueProblems();
}

// Replaces the working files by the <Base>.* set of Folder and the tr templates, and takes the
// calculation options from its <Base>.ini. False when a file of the set did not arrive.
bool TakeFileSet(ProjectContext& ctx, const QString& folder, const QString& base) {
  ForgetShownTable(ctx);
  ctx.tables.folders.RemoveWorkingFolder();
  const QString working = ctx.tables.folders.GetWorkingFolder();
  const bool complete =
      CopyProjectFiles(folder, working, base, Durability::Scratch, ctx.tables.window.Report1);
  CopyTemplates(ctx.tables.installationFolder, QStringLiteral("tr"), working, base);
  const QString settingsFile = PathIn(working, base + QStringLiteral(".ini"));
  if (FileExists(settingsFile)) ReadCalcSettings(ctx.tables.ini, ctx.settings, settingsFile);
  return complete;
}

// An empty working folder with the files of both template folders: those of every project
// (tr), then the initial files of a new one (tr2).
void FreshWorkingFolder(ProjectContext& ctx) {
  WorkingFolders& folders = ctx.tables.folders;
  ForgetShownTable(ctx);
  folders.RemoveWorkingFolder();
  const QString working = folders.GetWorkingFolder();
  for (const QString& which : {QStringLiteral("tr"), QStringLiteral("tr2")}) {
    CopyTemplates(ctx.tables.installationFolder, which, working, ctx.tables.project.projectBaseName);
  }
}

void RememberProjectFolder(ProjectContext& ctx, const QString& path) {
  ctx.tables.project.lastProjectFolder = ParentFolder(path);
  ctx.settings.SaveSetting(ProgramTitle(), u"main", u"Path", ctx.tables.project.lastProjectFolder);
}

}  // namespace

void TakeChosenName(ProjectContext& ctx, const QString& chosenPath) {
  ProjectState& project = ctx.tables.project;
  ctx.tables.hooks.ProcessEvents();
  const QString fileTitle = chosenPath.mid(chosenPath.lastIndexOf(kPathSeparator) + 1);
  project.projectTitle = fileTitle.size() < 4 ? fileTitle : fileTitle.chopped(4);
  UpdateCaption(ctx.tables.window, project);
  RememberProjectFolder(ctx, chosenPath);
  if (project.projectBaseName != project.projectTitle) {
    RenameWorkingFiles(ctx.tables.folders.GetWorkingFolder(), project.projectBaseName,
                       project.projectTitle, ctx.tables.window.Report1);
    project.projectBaseName = project.projectTitle;
  }
}

void CreateStartupProject(ProjectContext& ctx) {
  ProjectState& project = ctx.tables.project;
  project.projectPath.clear();
  project.projectTitle = kStartupTitle;
  project.projectBaseName = project.projectTitle;
  FreshWorkingFolder(ctx);
  // The window's load showed the table before the project's files existed; showing it again
  // from the new working file keeps the first tab switch from writing that empty table over
  // the initial file. Opening the table runs its MacrosStart hook.
  OpenCurrentTable(ctx.tables);
  UpdateCaption(ctx.tables.window, project);
  ctx.tables.tables.loadedTableFile = CurrentTableFile(ctx);
}

void InitNewProject(ProjectContext& ctx) {
  ProjectState& project = ctx.tables.project;
  project.projectPath.clear();
  project.projectTitle.clear();
  ctx.tables.window.Report1.Clear();
  FreshWorkingFolder(ctx);
  TabStrip& tabs = ctx.tables.window.Tabs1;
  if (tabs.Count() > 0) {
    tabs.Select(1);
    // A forced reload: the tab's table comes from the new working file even when it was shown.
    ctx.tables.tables.lastOpenedTableKey.clear();
    OnTabClick(ctx.tables);
  }
  ctx.tables.hooks.RunTableHook(QStringLiteral("MacrosStart"));
  project.projectTitle.clear();
  UpdateCaption(ctx.tables.window, project);
  ctx.tables.tables.loadedTableFile = CurrentTableFile(ctx);
}

bool OpenProjectFile(ProjectContext& ctx, const QString& path) {
  if (!FileExists(path)) return false;
  const QString projectFolder = ParentFolder(path);
  if (projectFolder == ctx.tables.folders.GetWorkingFolder()) return false;
  const QString base = ctx.tables.project.projectBaseName;

  bool complete = false;
  std::exception_ptr failure;
  try {
    complete = TakeFileSet(ctx, projectFolder, base);
  } catch (...) {
    failure = std::current_exception();
    complete = false;
  }
  // Files that did not all arrive must never be saved back over the project's own without a
  // question: the next save asks for a path.
  if (!complete) ctx.tables.project.projectPath.clear();

  // The grid shows the working files whatever arrived.
  OpenCurrentTable(ctx.tables);
  ctx.tables.hooks.RunTableHook(QStringLiteral("MacrosStart"));
  ctx.tables.tables.loadedTableFile = CurrentTableFile(ctx);
  if (failure) std::rethrow_exception(failure);
  if (!complete) {
    TellProjectFailure(ctx, QCoreApplication::translate(
                                "ProjectOperations",
                                "Не все файлы проекта попали в рабочую папку. Проект открыт "
                                "не полностью; сохранить его можно только под новым именем."));
  }
  return true;
}

bool SaveProjectFile(ProjectContext& ctx, const QString& path) {
  const QString projectFolder = ParentFolder(path);
  if (path.isEmpty() || !FolderExists(projectFolder)) {
    ctx.tables.window.Report1.Append(
        QCoreApplication::translate("ProjectOperations", "Проект не сохранен: папки \"%1\" нет")
            .arg(projectFolder));
    return false;
  }
  BusyScope busy(ctx.hooks);
  AddRecentProject(ctx.settings, path);
  const QString base = ctx.tables.project.projectBaseName;
  const QString working = ctx.tables.folders.GetWorkingFolder();
  const QString tableFile = CurrentTableFile(ctx);
  // A working file that kept its old content must not go to the project folder as if saved.
  if (!SaveCurrentTable(ctx.tables)) {
    ctx.tables.window.Report1.Append(
        QCoreApplication::translate("ProjectOperations", "Проект не сохранен: не записан файл %1")
            .arg(ctx.tables.writer.LastFailure()));
    return false;
  }
  const QString settingsFile = PathIn(working, base + QStringLiteral(".ini"));
  if (const std::error_code error = WriteCalcSettings(ctx.tables.ini, ctx.settings, settingsFile)) {
    ctx.tables.window.Report1.Append(
        QCoreApplication::translate("ProjectOperations",
                                    "Проект не сохранен: не записан файл %1: %2")
            .arg(settingsFile, FileErrorText(error, settingsFile)));
    return false;
  }
  const bool copied = CopyProjectFiles(working, projectFolder, base, Durability::Durable,
                                       ctx.tables.window.Report1);
  ctx.tables.tables.loadedTableFile = tableFile;
  return copied;
}

bool MayOpenProject(ProjectContext& ctx, const QString& path, bool& readOnly) {
  readOnly = false;
  WorkingFolders& folders = ctx.tables.folders;
  if (!ProjectOpenElsewhere(folders.TempArea(), folders.InstanceNumber(), path)) return true;
  const MessageAnswer answer = ctx.prompter.Ask(Message{
      QCoreApplication::translate(
          "ProjectOperations",
          "Проект «%1» уже открыт в другом окне Trellis. Изменения, сделанные в двух окнах, "
          "затерли бы друг друга.\n\nОткрыть его только для чтения? Сохранить его тогда "
          "можно будет только под новым именем.")
          .arg(QDir::toNativeSeparators(path)),
      ProgramTitle(), MessageButtons::YesNo, MessageIcon::Exclamation});
  readOnly = answer == MessageAnswer::Yes;
  return readOnly;
}

// An open read-only keeps no path to save to: the next save asks for a new one.
void MarkReadOnly(ProjectContext& ctx) {
  ctx.tables.project.projectPath.clear();
  ctx.tables.window.Report1.Append(QCoreApplication::translate(
      "ProjectOperations", "Проект открыт только для чтения: он открыт и в другом окне."));
}

bool RecoverProject(ProjectContext& ctx, const RecoveryRecord& record) {
  ProjectState& project = ctx.tables.project;
  const bool complete = TakeFileSet(ctx, record.workingFolder, record.baseName);
  project.projectPath = FileExists(record.projectPath) ? record.projectPath : QString();
  project.projectTitle = record.projectTitle;
  project.projectBaseName = record.baseName;
  OpenCurrentTable(ctx.tables);
  ctx.tables.tables.loadedTableFile = CurrentTableFile(ctx);
  UpdateCaption(ctx.tables.window, project);
  // The changes are still not in the project: closing asks to save them.
  project.projectSaved = false;
  project.freshStart = false;
  if (!complete) {
    TellProjectFailure(ctx, QCoreApplication::translate(
                                "ProjectOperations",
                                "Не все файлы прерванной работы удалось восстановить; их папка "
                                "оставлена как есть: %1")
                                .arg(record.workingFolder));
    return false;
  }
  DiscardAbandonedWork(record);
  ctx.tables.window.Report1.Append(
      QCoreApplication::translate("ProjectOperations",
                                  "Восстановлен проект «%1» с несохраненными изменениями.")
          .arg(project.projectTitle.isEmpty() ? record.baseName : project.projectTitle));
  return true;
}

void TellProjectFailure(ProjectContext& ctx, const QString& what) {
  const QStringList& lines = ctx.tables.window.Report1.Lines();
  const QString reason = lines.isEmpty() ? QString() : QStringLiteral("\n\n") + lines.last();
  ctx.prompter.Ask(Message{what + reason, ProgramTitle(), MessageButtons::Ok, MessageIcon::Exclamation});
}

void OpenRecent(ProjectContext& ctx, const QString& path) {
  ProjectState& project = ctx.tables.project;
  bool readOnly = false;
  if (FileExists(path) && !MayOpenProject(ctx, path, readOnly)) return;
  ctx.tables.window.Report1.Clear();
  project.projectPath = path;
  ctx.tables.hooks.ProcessEvents();
  project.projectTitle = BaseNameOf(path);
  UpdateCaption(ctx.tables.window, project);
  RememberProjectFolder(ctx, path);
  project.projectBaseName = project.projectTitle;
  OpenProjectFile(ctx, project.projectPath);
  if (readOnly) MarkReadOnly(ctx);
}

}  // namespace trellis
