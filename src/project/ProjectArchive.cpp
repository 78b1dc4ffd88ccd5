#include "project/ProjectArchive.h"

#include "app/AppIdentity.h"
#include "app/FileErrors.h"
#include "app/FilePaths.h"
#include "app/Prompter.h"
#include "app/RunTimeError.h"
#include "project/ProjectContext.h"
#include "project/ProjectDialogs.h"
#include "project/ProjectHooks.h"
#include "project/ProjectOperations.h"
#include "project/Zip.h"
#include "tables/ProjectState.h"
#include "tables/TableHooks.h"
#include "tables/WindowModel.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <exception>

namespace trellis {
namespace {

bool IsSameFile(const QString& a, const QString& b) {
  const QFileInfo first(a), second(b);
  return first.exists() && second.exists() &&
         first.canonicalFilePath() == second.canonicalFilePath();
}

}  // namespace

FolderArchiveResult WriteFolderArchive(const QString& folder, const QString& zipPath) {
  FolderArchiveResult result;
  Zip zip;
  if (!zip.CreateArchive(zipPath)) {
    result.failure = zip.ErrorText();
    return result;
  }
  for (const QString& name : FilesOf(folder)) {
    const QString path = PathIn(folder, name);
    if (IsSameFile(path, zipPath)) continue;
    if (!zip.CopyFileToArchive(path))
      result.skipped << name + QStringLiteral(": ") + zip.ErrorText();
  }
  result.written = zip.Close();
  if (!result.written) result.failure = zip.ErrorText();
  return result;
}

bool ArchiveFolder(ProjectContext& ctx, const QString& folder, const QString& zipPath) {
  FolderArchiveResult result;
  {
    BusyScope busy(ctx.hooks);
    ctx.tables.hooks.ProcessEvents();
    result = WriteFolderArchive(folder, zipPath);
  }
  ReportLog& report = ctx.tables.window.Report1;
  for (const QString& skipped : result.skipped) {
    report.Append(
        QCoreApplication::translate("ProjectArchive", "Не попал в архив файл %1").arg(skipped));
  }
  if (result.written && FileExists(zipPath)) return true;
  report.Append(QCoreApplication::translate("ProjectArchive", "Архив \"%1\" не создан: %2")
                    .arg(zipPath, result.failure));
  ctx.prompter.Ask(
      Message{QCoreApplication::translate("ProjectArchive", "Архив создать не удалось"),
              ProgramTitle(), MessageButtons::Ok, MessageIcon::Exclamation});
  return false;
}

void ArchiveProject(ProjectContext& ctx) {
  ProjectState& project = ctx.tables.project;
  try {
    if (!FileExists(project.projectPath)) {
      int pendingError = 0;
      const QString chosen =
          GetFullName1(ctx, QCoreApplication::translate("ProjectArchive", "Сохранить проект"),
                       false, &pendingError);
      if (chosen.isEmpty()) {
        FileErrors(pendingError, ctx.prompter);
        return;
      }
      TakeChosenName(ctx, chosen);
      project.projectPath = chosen;
    }
    // A project that did not reach its folder has nothing there to archive yet.
    if (!SaveProjectFile(ctx, project.projectPath)) {
      TellProjectFailure(
          ctx, QCoreApplication::translate("ProjectArchive",
                                           "Архив не создан: проект не удалось сохранить."));
      return;
    }
    project.projectSaved = true;
    const QString zipPath = GetFullNameDialogZip(
        ctx, QCoreApplication::translate("ProjectArchive", "Сохранить проект в архив"));
    if (!zipPath.isEmpty()) ArchiveFolder(ctx, ParentFolder(project.projectPath), zipPath);
  } catch (const std::exception& error) {
    ctx.tables.window.Report1.Append(
        QCoreApplication::translate("ProjectArchive", "Архивирование прервано: ") +
        DescriptionOf(error));
    TellProjectFailure(ctx, QCoreApplication::translate("ProjectArchive", "Архив не создан."));
  }
}

}  // namespace trellis
