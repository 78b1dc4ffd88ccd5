#pragma once

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
  // Asks the running macro to stop (status bar panel "STOP").
  virtual void StopMacro() {}
  // Lets go of the macro object kept by the last macro call.
  virtual void ReleaseMacroObject() {}
};

}  // namespace trellis
