#pragma once

#include "project/ProjectContext.h"
#include "project/ProjectHooks.h"
#include "ui/ProgramSeams.h"

namespace trellis {

class ApplicationContext;

// The seams answered by the parts of the program that have landed: the project files and
// their commands, the program export.
class ProgramServices : public ProgramSeams, private ProjectHooks {
 public:
  explicit ProgramServices(ApplicationContext& app) : app_(app) {}

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

 private:
  ProjectContext Project();

  void BeginBusy() override;
  void EndBusy() override;
  void ResetAfterProjectChange() override;

  ApplicationContext& app_;
  ProjectDialogState dialog_;
};

}  // namespace trellis
