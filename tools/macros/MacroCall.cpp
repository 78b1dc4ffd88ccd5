#include "macros/MacroCall.h"

#include "automation/Arguments.h"

namespace trellis::macros {

MacroCall MacroCall::FromArguments(const QVariantList& args, const QString& member) {
  RequireArguments(args, 5, 5, member);
  MacroCall call;
  call.programFolder = ToText(args[0], member);
  call.workingFolder = ToText(args[1], member);
  call.baseName = ToText(args[2], member);
  // Either object may be missing: a macro run without a window or without a drawing does what
  // it can without them.
  call.mainWindow = ObjectOf(args[3]);
  call.cadDocument = ObjectOf(args[4]);
  return call;
}

}  // namespace trellis::macros
