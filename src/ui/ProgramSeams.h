#pragma once

#include <QString>

namespace trellis {

// The steps of start-up and shut-down that belong to the project files, the CAD link and the
// macros. Each does nothing until its part of the program supplies it.
class ProgramSeams {
 public:
  virtual ~ProgramSeams() = default;

  // Lays the template files over the working folder.
  virtual void CopyTemplates() {}
  // Creates the start-up project "Новый проект".
  virtual void CreateStartupProject() {}
  // Asks to save unsaved changes; Cancel keeps the window open.
  virtual void AskSaveChanges(bool& /*cancel*/) {}
  // The macro and layer buttons of the left toolbar from ToolLeft.ini.
  virtual void BuildMacroButtons() {}
  // Releases (false) or re-applies the left toolbar's layer buttons.
  virtual void ReapplyLayerButtons(bool /*pressedOnes*/) {}
  // Removes the highlighting of the program's groups in the drawing.
  virtual void ResetGroupHighlight() {}
  // Runs an action string: macro calls, or layer switches.
  virtual void RunActionString(const QString& /*action*/) {}
  // Asks the running macro to stop (status bar panel "STOP").
  virtual void StopMacro() {}
  // Lets go of the macro object kept by the last macro call.
  virtual void ReleaseMacroObject() {}

  // Commands of the main toolbar whose work lies in the project files, the CAD link and the
  // calculation. The project commands answer false when they ended early (a cancelled
  // dialog or prompt).
  virtual bool NewProject() { return true; }
  virtual bool OpenProject() { return true; }
  virtual bool SaveProject() { return true; }
  virtual void SaveAs() {}
  virtual void ArchiveProject() {}
  virtual void ExportProgram() {}
  virtual void OpenRecent(const QString& /*path*/) {}
  virtual void AssignRegionToRow() {}
  virtual void ShowSelect(bool /*pressed*/) {}
  virtual void RunCalculation() {}
  virtual void RunButtonsIniSection(const QString& /*section*/) {}
  // What a new or opened project does to the results of an earlier calculation.
  virtual void ResetResults() {}
};

}  // namespace trellis
