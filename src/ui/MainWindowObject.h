#pragma once

#include "automation/MemberTable.h"

#include <QPointer>

namespace trellis {

class ApplicationContext;
class CadTableLink;
class MainWindow;

// The main window as macros see it (their fourth argument): its caption and the window's public
// operations that need no dialog: UpdateLinks, DeleteNoLink, ShowSelect, AllEnabled,
// fg1SelectedBmp, SetIm32 and SetIm. Beyond those, what a macro needs to report its work:
// StatusText (the first status bar panel), ClearErrors, AddError(message, table key, row,
// column), ShowErrors, Report(line), Message(text), TablesChanged (table files were rewritten:
// links are brought up to date and the current table is shown again from its file) and
// ProjectSaved.
class MainWindowObject : public TableDispatch<MainWindowObject> {
 public:
  MainWindowObject(MainWindow* window, ApplicationContext& app, CadTableLink& cad)
      : window_(window), app_(app), cad_(cad) {}
  static const MemberTable<MainWindowObject>& Members();
  void EnsureUsable(const QString& member) const;

 private:
  QPointer<MainWindow> window_;
  ApplicationContext& app_;
  CadTableLink& cad_;
};

}  // namespace trellis
