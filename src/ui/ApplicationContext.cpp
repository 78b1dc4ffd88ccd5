#include "ui/ApplicationContext.h"

#include "app/Pause.h"
#include "ui/CadTableLink.h"
#include "ui/MainWindow.h"

#include <QCoreApplication>

namespace trellis {

bool WindowTableHooks::ConnectCad(bool silent) { return cad ? cad->ConnectCad(silent) : true; }

void WindowTableHooks::ApplyTableSetvar() {
  if (cad) cad->ApplyTableSetvar();
}

void WindowTableHooks::RefreshShowSelect() {
  if (cad) cad->RefreshShowSelect();
}

void WindowTableHooks::UpdateGroupButtons() {
  if (cad) cad->UpdateGroupButtons();
}

void WindowTableHooks::RunTableHook(const QString& key) {
  if (cad) cad->RunTableHook(key);
}

void WindowTableHooks::BuildTableToolbar() {
  if (cad) cad->BuildTableToolbar();
}

void WindowTableHooks::ApplyToolbarSize() {
  if (window) window->ApplyToolbarSize();
}

void WindowTableHooks::ShowTableHelp(const QString& tableKey) {
  if (window) window->ShowTableHelp(tableKey);
}

void WindowTableHooks::FocusGrid() {
  if (window) window->FocusGrid();
}

void WindowTableHooks::ProcessEvents() { QCoreApplication::processEvents(); }

void WindowTableHooks::Pause(float seconds) { trellis::Pause(seconds); }

ApplicationContext::ApplicationContext(QString installationFolder_, const QString& settingsFolder,
                                       const QString& systemDrive, qint64 instanceNumber,
                                       Prompter& prompter_)
    : installationFolder(std::move(installationFolder_)),
      prompter(prompter_),
      settings(settingsFolder),
      folders(settings, systemDrive, instanceNumber),
      writer(prompter_) {}

}  // namespace trellis
