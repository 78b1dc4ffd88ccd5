#include "ui/CadTableLink.h"

#include "automation/CallWaits.h"
#include "cad/CadConnection.h"
#include "cad/MacroToolbars.h"
#include "cad/RowGroups.h"
#include "ui/ApplicationContext.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowObject.h"

#include <QDesktopServices>
#include <QUrl>

#include <exception>

namespace trellis {

namespace {

// Long enough for a working macro to end its method on StopEx, short enough that a server
// which does not answer at all (stopped, or busy without looking at its messages) does not
// keep the user waiting.
constexpr std::chrono::seconds kStopGrace(3);

}  // namespace

void CadTableLink::AttachWindow(MainWindow* window) {
  window_ = window;
  windowObject_ = window ? std::make_shared<MainWindowObject>(window, app_, *this) : nullptr;
}

CadTableContext CadTableLink::Context() {
  return CadTableContext{app_.Tables(), cad_, app_.prompter, *this};
}

MacroContext CadTableLink::Macros() {
  return MacroContext{app_.Tables(), macros_, cad_, *this, macroCache_, windowObject_};
}

void CadTableLink::Reported(const std::function<void()>& work) {
  // Window events and table procedures have no command around them to catch a failure: a host
  // or macro that fails in the middle of one is noted in the report pane.
  try {
    work();
  } catch (const std::exception& error) {
    app_.window.Report1.Append(QString::fromLocal8Bit(error.what()));
  }
}

void CadTableLink::StopMacro() {
  StopWaitingCalls(kStopGrace, [this] { macroCache_.RequestStop(); });
}

bool CadTableLink::ConnectCad(bool silent) {
  return cad_.ConnectCad(silent);
}

// Commands of the main toolbar: a failure reaches the command's own message.
void CadTableLink::AssignRegionToRow() {
  CadTableContext ctx = Context();
  trellis::AssignRegionToRow(ctx);
}

void CadTableLink::ShowSelect(bool pressed) {
  CadTableContext ctx = Context();
  trellis::ShowSelect(ctx, pressed);
}

void CadTableLink::RunActionString(const QString& spec) {
  MacroContext ctx = Macros();
  trellis::RunActionString(ctx, spec);
}

void CadTableLink::RunButtonsIniSection(const QString& section) {
  MacroContext ctx = Macros();
  trellis::RunButtonsIniSection(ctx, section);
}

void CadTableLink::RunCalculation() {
  MacroContext ctx = Macros();
  calculation_.RunCalculation(ctx);
}

void CadTableLink::ResetResults() {
  MacroContext ctx = Macros();
  calculation_.ResetResults(ctx);
}

// Calls from table procedures and window events.
void CadTableLink::RefreshShowSelect() {
  Reported([this] {
    CadTableContext ctx = Context();
    trellis::RefreshShowSelect(ctx);
  });
}

void CadTableLink::ResetGroupHighlight() {
  Reported([this] {
    CadTableContext ctx = Context();
    trellis::ResetGroupHighlight(ctx);
  });
}

void CadTableLink::UpdateGroupButtons() {
  TableContext ctx = app_.Tables();
  trellis::UpdateGroupButtons(ctx);
}

void CadTableLink::ApplyTableSetvar() {
  Reported([this] {
    CadTableContext ctx = Context();
    setvar_.Apply(ctx);
  });
}

void CadTableLink::RunTableHook(const QString& key) {
  Reported([this, &key] {
    MacroContext ctx = Macros();
    trellis::RunTableHook(ctx, key);
  });
}

void CadTableLink::BuildMacroButtons() {
  TableContext ctx = app_.Tables();
  trellis::BuildMacroButtons(ctx);
}

void CadTableLink::BuildTableToolbar() {
  TableContext ctx = app_.Tables();
  trellis::BuildTableToolbar(ctx, app_.settings, app_.tables.currentTableKey);
}

void CadTableLink::LeftToolbarClick(int position) {
  Reported([this, position] {
    MacroContext ctx = Macros();
    trellis::LeftToolbarClick(ctx, position);
  });
}

void CadTableLink::TableToolbarClick(int position) {
  Reported([this, position] {
    MacroContext ctx = Macros();
    trellis::TableToolbarClick(ctx, app_.settings, position);
  });
}

void CadTableLink::ReapplyLayerButtons(bool switchOn) {
  Reported([this, switchOn] {
    MacroContext ctx = Macros();
    trellis::ReapplyLayerButtons(ctx, switchOn);
  });
}

void CadTableLink::ActivateMainWindow() {
  if (window_) window_->ActivateMainWindow();
}

void CadTableLink::OpenDocument(const QString& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace trellis
