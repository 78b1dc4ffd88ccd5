#pragma once

#include "cad/CadTableContext.h"
#include "cad/GroupDisplay.h"

namespace trellis {

class ApplicationContext;
class CadConnection;
class MainWindow;

// The program's tables joined to the CAD host: the group commands of the toolbar, the
// group buttons' state and the table's host variables, with the main window's status bar.
class CadTableLink : public CadWindow {
 public:
  CadTableLink(ApplicationContext& app, CadConnection& cad) : app_(app), cad_(cad) {}

  void AttachWindow(MainWindow* window) { window_ = window; }

  bool ConnectCad(bool silent);
  void AssignRegionToRow();
  void ShowSelect(bool pressed);
  void RefreshShowSelect();
  void ResetGroupHighlight();
  void UpdateGroupButtons();
  void ApplyTableSetvar();

  void SetStatusPanel(int panel, const QString& text) override;
  void ActivateMainWindow() override;

 private:
  CadTableContext Context();

  ApplicationContext& app_;
  CadConnection& cad_;
  MainWindow* window_ = nullptr;
  TableSetvar setvar_;
};

}  // namespace trellis
