#include "ui/ProgramServices.h"

#include "app/AppIdentity.h"
#include "app/RunTimeError.h"
#include "generator/ProgramProjectWriter.h"
#include "project/ProjectArchive.h"
#include "project/ProjectCommands.h"
#include "project/ProjectFileSet.h"
#include "project/ProjectOperations.h"
#include "project/Recovery.h"
#include "ui/ApplicationContext.h"
#include "ui/CadTableLink.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

namespace trellis {

ProjectContext ProgramServices::Project() {
  return ProjectContext{app_.Tables(), app_.settings, app_.prompter, *this, dialog_};
}

void ProgramServices::CopyTemplates() {
  // The window's load: no project yet, so the copies are named by their extension only. A
  // failing copy ends the load with its message.
  trellis::CopyTemplates(app_.installationFolder, QStringLiteral("tr"),
                         app_.folders.GetWorkingFolder(), app_.project.projectBaseName);
}

void ProgramServices::CreateStartupProject() {
  ProjectContext ctx = Project();
  try {
    trellis::CreateStartupProject(ctx);
  } catch (const RunTimeError& error) {
    app_.prompter.Ask(Message{error.Description(), ProgramTitle(), MessageButtons::Ok, MessageIcon::Critical});
  }
}

void ProgramServices::AskSaveChanges(bool& cancel) {
  ProjectContext ctx = Project();
  trellis::AskSaveChanges(ctx, cancel);
}

bool ProgramServices::NewProject() {
  ProjectContext ctx = Project();
  return RunNewCommand(ctx);
}

bool ProgramServices::OpenProject() {
  ProjectContext ctx = Project();
  return RunOpenCommand(ctx);
}

bool ProgramServices::SaveProject() {
  ProjectContext ctx = Project();
  return RunSaveCommand(ctx);
}

void ProgramServices::SaveAs() {
  ProjectContext ctx = Project();
  trellis::SaveAs(ctx);
}

void ProgramServices::ArchiveProject() {
  ProjectContext ctx = Project();
  trellis::ArchiveProject(ctx);
}

void ProgramServices::KeepForRecovery() {
  ProjectContext ctx = Project();
  // A note that cannot be written costs only the recovery; the work goes on.
  try {
    trellis::KeepForRecovery(ctx);
  } catch (const std::exception& error) {
    app_.window.Report1.Append(
        QCoreApplication::translate("ProgramServices", "Данные для восстановления не записаны: ") +
        DescriptionOf(error));
  }
}

void ProgramServices::RecoverProject(const RecoveryRecord& record) {
  ProjectContext ctx = Project();
  try {
    trellis::RecoverProject(ctx, record);
  } catch (const std::exception& error) {
    app_.prompter.Ask(
        Message{QCoreApplication::translate("ProgramServices", "Проект не восстановлен: ") +
                    DescriptionOf(error),
                ProgramTitle(), MessageButtons::Ok, MessageIcon::Critical});
  }
  ResetResults();
}

void ProgramServices::OpenRecent(const QString& path) {
  ProjectContext ctx = Project();
  OpenRecentProject(ctx, path);
}

void ProgramServices::ExportProgram() {
  ProgramProjectWriter writer(app_.installationFolder, app_.folders.GetFamilyFolder(), app_.ini,
                              app_.writer, app_.prompter);
  writer.SaveAsVB2(app_.project.projectPath, [](const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  });
}

void ProgramServices::AssignRegionToRow() {
  cad_.AssignRegionToRow();
}

void ProgramServices::ShowSelect(bool pressed) {
  cad_.ShowSelect(pressed);
}

void ProgramServices::ResetGroupHighlight() {
  cad_.ResetGroupHighlight();
}

void ProgramServices::RunActionString(const QString& action) {
  cad_.RunActionString(action);
}

void ProgramServices::RunButtonsIniSection(const QString& section) {
  cad_.RunButtonsIniSection(section);
}

void ProgramServices::RunCalculation() {
  cad_.RunCalculation();
}

void ProgramServices::ResetResults() {
  cad_.ResetResults();
}

void ProgramServices::BuildMacroButtons() {
  cad_.BuildMacroButtons();
}

void ProgramServices::ReapplyLayerButtons(bool switchOn) {
  cad_.ReapplyLayerButtons(switchOn);
}

void ProgramServices::StopMacro() {
  cad_.StopMacro();
}

void ProgramServices::ReleaseMacroObject() {
  cad_.ReleaseMacroObject();
}

void ProgramServices::BeginBusy() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (app_.hooks.window) app_.hooks.window->setEnabled(false);
}

void ProgramServices::EndBusy() {
  if (app_.hooks.window) app_.hooks.window->setEnabled(true);
  QApplication::restoreOverrideCursor();
}

void ProgramServices::ResetAfterProjectChange() {
  ResetResults();
  ReapplyLayerButtons(false);
}

}  // namespace trellis
