#pragma once

#include <QString>

namespace trellis {

// The calls that opening a table and switching groups make into the rest of the program: the
// CAD link, the table toolbar, macros, the help pane, link maintenance and the window. Each
// does nothing here; the application supplies the real ones as their parts come.
class TableHooks {
 public:
  virtual ~TableHooks() = default;

  // Binds to the CAD host, starting it when none runs; false when none can be reached.
  virtual bool ConnectCad(bool /*silent*/) { return true; }
  // The CAD system variables the current table asks for.
  virtual void ApplyTableSetvar() {}
  // The current table's own toolbar.
  virtual void BuildTableToolbar() {}
  // Large or small images of the toolbars, as the user chose.
  virtual void ApplyToolbarSize() {}
  virtual void ShowTableHelp(const QString& /*tableKey*/) {}
  virtual void RefreshShowSelect() {}
  virtual void RunTableHook(const QString& /*hookKey*/) {}
  virtual void UpdateGroupButtons() {}
  virtual void FocusGrid() {}
  // Lets pending window events run.
  virtual void ProcessEvents() {}
  virtual void Pause(float /*seconds*/) {}
};

}  // namespace trellis
