#pragma once

#include "macros/MacroMembers.h"

#include <QString>
#include <QStringList>

namespace trellis::macros {

class ParametersEditor;

// "Trellis.Parameters": Edit shows the calculation options, the project's own settings and the
// CAD host in the parameters editor and writes what the user confirmed. The options the
// program copies into the project's settings file on saving go to the per-user settings and
// to that file at once, so the file is right before the next save and stays right after it.
class ParametersMacro : public TableDispatch<ParametersMacro>, public StopFlag {
 public:
  explicit ParametersMacro(ParametersEditor& editor) : editor_(editor) {}

  static const MemberTable<ParametersMacro>& Members();

  void Edit(const MacroCall& call);

 private:
  ParametersEditor& editor_;
};

// The CAD hosts Servers.ini of the program folder can start: the prefixes of its
// "<Prefix>.Application" ProgIDs, in the file's order, each once.
QStringList CadHostsOf(const QString& programFolder);

}  // namespace trellis::macros
