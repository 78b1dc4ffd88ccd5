#pragma once

#include "tables/TableContext.h"

#include <QString>

namespace trellis {

class CadConnection;
class Prompter;

// The main window as the CAD commands and macros see it: the way back to the window after the
// user worked in the host, and the desktop's "open".
class CadWindow {
 public:
  virtual ~CadWindow() = default;
  virtual void ActivateMainWindow() = 0;
  // Opens a file with the desktop's program for it.
  virtual void OpenDocument(const QString& path) = 0;
};

// What the commands that tie table rows to drawing objects work with.
struct CadTableContext {
  TableContext tables;
  CadConnection& cad;
  Prompter& prompter;
  CadWindow& window;
};

// The current table's value of a Tables.ini key; "" when no table tab is selected.
QString CurrentTableKeyValue(const TableContext& ctx, const QString& key);

}  // namespace trellis
