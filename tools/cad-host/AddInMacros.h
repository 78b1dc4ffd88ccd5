#pragma once

#include <QString>

namespace trellis::cadhost {

class HostDocument;

// The macros of the program's add-in project, which the program runs by name in the hosts
// that take their add-ins from autoload lists. They talk through system variables:
//   SelectOnScreenCode: USERI1 filter group code, USERS1 filter value (none when empty); the
//     user picks, the picked objects join the selection set "Kestrel_SSET".
//   SetGroup: USERS1 group name; the objects of "Kestrel_SSET" join that group (made when
//     missing).
// False when Name is not one of them.
bool RunAddInMacro(HostDocument& document, const QString& name);

inline QString ProgramSelectionSetName() {
  return QStringLiteral("Kestrel_SSET");
}

}  // namespace trellis::cadhost
