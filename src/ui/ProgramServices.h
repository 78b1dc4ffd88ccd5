#pragma once

#include "project/ProjectContext.h"
#include "project/ProjectHooks.h"
#include "ui/ProgramSeams.h"

namespace trellis {

class ApplicationContext;
class CadTableLink;

// The program's answers to the window's seams: the project files and their commands, the
// program export, the row groups in the drawing, macros and the calculation.
class ProgramServices : public ProgramSeams, private ProjectHooks {
 public:
  ProgramServices(ApplicationContext& app, CadTableLink& cad) : app_(app), cad_(cad) {}

  void CopyTemplates() override;
  void CreateStartupProject() override;
  void AskSaveChanges(bool& cancel) override;
  bool NewProject() override;
  bool OpenProject() override;
  bool SaveProject() override;
  void SaveAs() override;
  void ArchiveProject() override;
  void OpenRecent(const QString& path) override;
  void ExportProgram() override;
  void AssignRegionToRow() override;
  void ShowSelect(bool pressed) override;
  void ResetGroupHighlight() override;
  void RunActionString(const QString& action) override;
  void RunButtonsIniSection(const QString& section) override;
  void RunCalculation() override;
  void ResetResults() override;
  void StopMacro() override;
  void BuildMacroButtons() override;
  void ReapplyLayerButtons(bool switchOn) override;
  void ReleaseMacroObject() override;
  void KeepForRecovery() override;
  void RecoverProject(const RecoveryRecord& record) override;

 private:
  ProjectContext Project();

  void BeginBusy() override;
  void EndBusy() override;
  void ResetAfterProjectChange() override;

  ApplicationContext& app_;
  CadTableLink& cad_;
  ProjectDialogState dialog_;
};

}  // namespace trellis
