#pragma once

#include <QString>

namespace trellis {

struct RecoveryRecord;

// The steps of start-up and shut-down, and the toolbar commands, whose work belongs to the
// project files, the CAD link and the macros; the program's services answer them.
class ProgramSeams {
 public:
  virtual ~ProgramSeams() = default;

  // Lays the template files over the working folder.
  virtual void CopyTemplates() = 0;
  // Creates the start-up project "Новый проект".
  virtual void CreateStartupProject() = 0;
  // Asks to save unsaved changes; Cancel keeps the window open.
  virtual void AskSaveChanges(bool& cancel) = 0;
  // The macro and layer buttons of the left toolbar from ToolLeft.ini.
  virtual void BuildMacroButtons() = 0;
  // Releases (false) or re-applies the left toolbar's layer buttons.
  virtual void ReapplyLayerButtons(bool pressedOnes) = 0;
  // Removes the highlighting of the program's groups in the drawing.
  virtual void ResetGroupHighlight() = 0;
  // Runs an action string: macro calls, or layer switches.
  virtual void RunActionString(const QString& action) = 0;
  // Asks the running macro to stop (status bar panel "STOP").
  virtual void StopMacro() = 0;
  // Lets go of the macro object kept by the last macro call.
  virtual void ReleaseMacroObject() = 0;

  // Commands of the main toolbar whose work lies in the project files, the CAD link and the
  // calculation. The project commands answer false when they ended early (a cancelled
  // dialog or prompt).
  virtual bool NewProject() = 0;
  virtual bool OpenProject() = 0;
  virtual bool SaveProject() = 0;
  virtual void SaveAs() = 0;
  virtual void ArchiveProject() = 0;
  virtual void ExportProgram() = 0;
  virtual void OpenRecent(const QString& path) = 0;
  virtual void AssignRegionToRow() = 0;
  virtual void ShowSelect(bool pressed) = 0;
  virtual void RunCalculation() = 0;
  virtual void RunButtonsIniSection(const QString& section) = 0;
  // What a new or opened project does to the results of an earlier calculation.
  virtual void ResetResults() = 0;

  // Notes the work so that a crash does not lose it (every few minutes, on table switches and
  // after the project commands), and takes over the work a crashed instance left.
  virtual void KeepForRecovery() = 0;
  virtual void RecoverProject(const RecoveryRecord& record) = 0;
};

}  // namespace trellis
