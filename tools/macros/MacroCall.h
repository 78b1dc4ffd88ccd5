#pragma once

#include "automation/Dispatch.h"

#include <QString>
#include <QVariantList>

namespace trellis::macros {

// The five arguments every macro method receives, in the program's order: the program folder
// (where Tables.ini is), the working folder holding the project's files, the base name of
// those files, the main window object and the CAD document (unset without a CAD connection).
struct MacroCall {
  QString programFolder;
  QString workingFolder;
  QString baseName;
  DispatchRef mainWindow;
  DispatchRef cadDocument;

  // Throws AutomationError naming Member when the arguments are not the five of a macro call.
  static MacroCall FromArguments(const QVariantList& args, const QString& member);
};

}  // namespace trellis::macros
