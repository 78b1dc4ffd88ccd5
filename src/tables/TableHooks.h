#pragma once

#include <QString>

namespace trellis {

// The calls that opening a table and switching groups make into the rest of the program: the
// CAD link, the table toolbar, macros, the help pane, link maintenance and the window; the
// application answers them.
class TableHooks {
 public:
  virtual ~TableHooks() = default;

  // Binds to the CAD host, starting it when none runs; false when none can be reached.
  virtual bool ConnectCad(bool silent) = 0;
  // The CAD system variables the current table asks for.
  virtual void ApplyTableSetvar() = 0;
  // The current table's own toolbar.
  virtual void BuildTableToolbar() = 0;
  // Large or small images of the toolbars, as the user chose.
  virtual void ApplyToolbarSize() = 0;
  virtual void ShowTableHelp(const QString& tableKey) = 0;
  virtual void RefreshShowSelect() = 0;
  virtual void RunTableHook(const QString& hookKey) = 0;
  virtual void UpdateGroupButtons() = 0;
  virtual void FocusGrid() = 0;
  // Lets pending window events run.
  virtual void ProcessEvents() = 0;
  virtual void Pause(float seconds) = 0;
};

}  // namespace trellis
