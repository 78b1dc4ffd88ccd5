#include "project/ProjectCommands.h"

#include "app/AppIdentity.h"
#include "app/FilePaths.h"
#include "app/Prompter.h"
#include "app/RunTimeError.h"
#include "project/ProjectContext.h"
#include "project/ProjectDialogs.h"
#include "project/ProjectHooks.h"
#include "project/ProjectOperations.h"
#include "tables/ProjectState.h"
#include "tables/WindowModel.h"

#include <QCoreApplication>
#include <QFile>

#include <exception>

namespace trellis {
namespace {

QString NotSaved() {
  return QCoreApplication::translate("ProjectCommands", "Проект не сохранен.");
}

// Runs a command body; a run-time error ends it, told in a message box and kept in the report.
template <typename Body>
auto Guarded(ProjectContext& ctx, Body body) -> decltype(body()) {
  try {
    return body();
  } catch (const std::exception& error) {
    ctx.tables.window.Report1.Append(
        QCoreApplication::translate("ProjectCommands", "Команда прервана: ") +
        DescriptionOf(error));
    TellProjectFailure(ctx,
                       QCoreApplication::translate("ProjectCommands", "Команда не выполнена."));
  }
  return decltype(body())();
}

// Settings files of the family's other programs begin with a section header.
bool BelongsToAnotherProgram(const QString& path) {
  QFile file(path);
  char first = 0;
  return file.open(QIODevice::ReadOnly) && file.getChar(&first) && first == '[';
}

// Failed first: a save that threw counts as failed (Guarded's value-initialised result).
enum class SaveOutcome { Failed, Saved, Declined };

SaveOutcome SaveBody(ProjectContext& ctx) {
  ProjectState& project = ctx.tables.project;
  if (!FileExists(project.projectPath)) {
    const QString chosen =
        GetFullName1(ctx, QCoreApplication::translate("ProjectCommands", "Сохранить проект"));
    if (chosen.isEmpty()) return SaveOutcome::Declined;
    TakeChosenName(ctx, chosen);
    project.projectPath = chosen;
  }
  // The save command runs to its end from here, also when the unsaved-changes prompt runs it.
  project.freshStart = false;
  // A save that did not reach the project folder leaves the project unsaved, so that closing
  // still asks and the working files are not thrown away.
  if (!SaveProjectFile(ctx, project.projectPath)) {
    TellProjectFailure(ctx, NotSaved());
    return SaveOutcome::Failed;
  }
  project.projectSaved = true;
  return SaveOutcome::Saved;
}

}  // namespace

bool RunNewCommand(ProjectContext& ctx) {
  return Guarded(ctx, [&] {
    ProjectState& project = ctx.tables.project;
    if (!project.projectTitle.isEmpty()) {
      bool cancel = false;
      AskSaveChanges(ctx, cancel);
      if (cancel) return false;
    }
    const MessageAnswer answer = ctx.prompter.Ask(
        Message{QCoreApplication::translate("ProjectCommands", "Создать новый проект?"),
                ProgramTitle(), MessageButtons::YesNoCancel, MessageIcon::Question});
    // A project without a title was just made new; the command then goes on whatever the answer.
    if (answer != MessageAnswer::Yes && !project.projectTitle.isEmpty()) return false;
    const QString chosen =
        GetFullName1(ctx, QCoreApplication::translate("ProjectCommands", "Сохранить новый проект"));
    // Without a path there is nowhere to make the new project, whatever the title.
    if (chosen.isEmpty()) return false;
    TakeChosenName(ctx, chosen);
    InitNewProject(ctx);
    ctx.tables.window.Report1.Clear();
    project.projectPath = chosen;
    if (!SaveProjectFile(ctx, project.projectPath)) {
      TellProjectFailure(ctx, QCoreApplication::translate("ProjectCommands",
                                                          "Новый проект создан, но не сохранен."));
    }
    ctx.hooks.ResetAfterProjectChange();
    return true;
  });
}

bool RunOpenCommand(ProjectContext& ctx) {
  return Guarded(ctx, [&] {
    ProjectState& project = ctx.tables.project;
    if (!project.freshStart && !project.projectTitle.isEmpty()) {
      bool cancel = false;
      AskSaveChanges(ctx, cancel);
      if (cancel) return false;
    }
    const QString chosen =
        GetFullName1(ctx, QCoreApplication::translate("ProjectCommands", "Открыть проект"), true);
    if (FileExists(chosen)) {
      if (BelongsToAnotherProgram(chosen)) {
        ctx.prompter.Ask(Message{QCoreApplication::translate(
                                     "ProjectCommands",
                                     "Данный файл создан в другой программе и не предназначен для "
                                     "открытия в Trellis"),
                                 ProgramTitle(), MessageButtons::Ok, MessageIcon::Critical});
        return false;
      }
      bool readOnly = false;
      if (!MayOpenProject(ctx, chosen, readOnly)) return false;
      TakeChosenName(ctx, chosen);
      ctx.tables.window.Report1.Clear();
      project.projectPath = chosen;
      OpenProjectFile(ctx, project.projectPath);
      if (readOnly) MarkReadOnly(ctx);
      ctx.hooks.ResetAfterProjectChange();
    }
    return true;
  });
}

bool RunSaveCommand(ProjectContext& ctx) {
  return Guarded(ctx, [&] { return SaveBody(ctx) != SaveOutcome::Declined; });
}

void SaveAs(ProjectContext& ctx) {
  Guarded(ctx, [&] {
    const QString chosen =
        GetFullName1(ctx, QCoreApplication::translate("ProjectCommands", "Сохранить проект как"));
    if (chosen.isEmpty()) return;
    TakeChosenName(ctx, chosen);
    ctx.tables.project.projectPath = chosen;
    if (!SaveProjectFile(ctx, chosen)) TellProjectFailure(ctx, NotSaved());
  });
}

void OpenRecentProject(ProjectContext& ctx, const QString& path) {
  Guarded(ctx, [&] { OpenRecent(ctx, path); });
}

void AskSaveChanges(ProjectContext& ctx, bool& cancel) {
  const ProjectState& project = ctx.tables.project;
  if (project.projectSaved) return;
  const QString text =
      project.projectTitle.isEmpty()
          ? QCoreApplication::translate("ProjectCommands", "Сохранить изменения в проект?")
          : QCoreApplication::translate("ProjectCommands", "Сохранить изменения в проект \"%1\"?")
                .arg(project.projectTitle);
  const MessageAnswer answer = ctx.prompter.Ask(
      Message{text, ProgramTitle(), MessageButtons::YesNoCancel, MessageIcon::Exclamation});
  if (answer == MessageAnswer::Cancel) {
    cancel = true;
  } else if (answer == MessageAnswer::Yes) {
    // A save that failed keeps the window open with the report in view; a save whose dialog
    // was cancelled is the user's choice and goes on.
    const SaveOutcome outcome = Guarded(ctx, [&] { return SaveBody(ctx); });
    if (outcome == SaveOutcome::Failed) cancel = true;
  }
}

}  // namespace trellis
