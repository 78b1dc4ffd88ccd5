#pragma once

#include "automation/Dispatch.h"
#include "cad/CadTableContext.h"
#include "cad/CalculationRun.h"
#include "cad/GroupDisplay.h"
#include "cad/MacroCalls.h"

#include <functional>

namespace trellis {

class Activator;
class ApplicationContext;
class CadConnection;
class MainWindow;

// The program's tables joined to the CAD host and the macros: the group commands of the
// toolbar, the group buttons' state, the table's host variables, macro calls, the macro
// toolbars and the calculation run.
class CadTableLink : public CadWindow {
 public:
  CadTableLink(ApplicationContext& app, CadConnection& cad, Activator& macros)
      : app_(app), cad_(cad), macros_(macros) {}

  void AttachWindow(MainWindow* window);

  bool ConnectCad(bool silent);
  void AssignRegionToRow();
  void ShowSelect(bool pressed);
  void RefreshShowSelect();
  void ResetGroupHighlight();
  void UpdateGroupButtons();
  void ApplyTableSetvar();

  void RunTableHook(const QString& key);
  void RunActionString(const QString& spec);
  void RunButtonsIniSection(const QString& section);
  void RunCalculation();
  void ResetResults();
  void BuildMacroButtons();
  void BuildTableToolbar();
  void LeftToolbarClick(int position);
  void TableToolbarClick(int position);
  void ReapplyLayerButtons(bool switchOn);
  // Asks the macro to stop, and stops waiting for a host or macro server that does not answer.
  void StopMacro();
  void ReleaseMacroObject() { macroCache_.Release(); }

  void ActivateMainWindow() override;
  void OpenDocument(const QString& path) override;

 private:
  CadTableContext Context();
  MacroContext Macros();
  void Reported(const std::function<void()>& work);

  ApplicationContext& app_;
  CadConnection& cad_;
  Activator& macros_;
  MainWindow* window_ = nullptr;
  DispatchRef windowObject_;
  TableSetvar setvar_;
  MacroCache macroCache_;
  CalculationRun calculation_;
};

}  // namespace trellis
