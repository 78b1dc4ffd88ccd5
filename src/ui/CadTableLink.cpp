#include "ui/CadTableLink.h"

#include "cad/CadConnection.h"
#include "cad/RowGroups.h"
#include "ui/ApplicationContext.h"
#include "ui/MainWindow.h"

namespace trellis {

CadTableContext CadTableLink::Context() {
  return CadTableContext{app_.Tables(), cad_, app_.prompter, *this};
}

bool CadTableLink::ConnectCad(bool silent) {
  return cad_.ConnectCad(silent);
}

void CadTableLink::AssignRegionToRow() {
  CadTableContext ctx = Context();
  trellis::AssignRegionToRow(ctx);
}

void CadTableLink::ShowSelect(bool pressed) {
  CadTableContext ctx = Context();
  trellis::ShowSelect(ctx, pressed);
}

void CadTableLink::RefreshShowSelect() {
  CadTableContext ctx = Context();
  trellis::RefreshShowSelect(ctx);
}

void CadTableLink::ResetGroupHighlight() {
  CadTableContext ctx = Context();
  trellis::ResetGroupHighlight(ctx);
}

void CadTableLink::UpdateGroupButtons() {
  TableContext ctx = app_.Tables();
  trellis::UpdateGroupButtons(ctx);
}

void CadTableLink::ApplyTableSetvar() {
  CadTableContext ctx = Context();
  setvar_.Apply(ctx);
}

void CadTableLink::SetStatusPanel(int panel, const QString& text) {
  if (window_) window_->SetStatusPanel(panel, text);
}

void CadTableLink::ActivateMainWindow() {
  if (window_) window_->ActivateMainWindow();
}

}  // namespace trellis
