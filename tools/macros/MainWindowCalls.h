#pragma once

#include "automation/Dispatch.h"

#include <QString>

namespace trellis::macros {

// The program's main window as a macro reaches it (the fourth argument of a call): the status
// bar, the error list, the report, a message box, and the notice that table files were
// rewritten. Without a window (a macro run on its own) every call does nothing.
class MainWindowCalls {
 public:
  explicit MainWindowCalls(DispatchRef window) : window_(std::move(window)) {}

  // The first panel of the status bar.
  void Status(const QString& text);
  void ClearErrors();
  // A line of the error list: the message and the cell it is about, given by the table's key
  // and the row and column in that table's grid (0 when the line is about no single cell).
  void AddError(const QString& message, const QString& tableKey, int row, int column);
  // Brings the error list into view.
  void ShowErrors();
  // A line in the report pane.
  void Report(const QString& line);
  // A message box over the program's window, with an OK button.
  void Message(const QString& text);
  // Table files were rewritten: the program brings the links between tables up to date and
  // shows the current table again from its file.
  void TablesChanged();
  // The project changed outside its tables (its settings file): the program asks to save it
  // before it closes.
  void MarkUnsaved();

 private:
  void Call(const QString& member, QVariantList args);

  DispatchRef window_;
};

}  // namespace trellis::macros
