#pragma once

#include "macros/settings/ParametersEditor.h"

namespace trellis::macros {

// The parameters dialog on screen. It is shown by the macro server while the program waits
// for the call, so it comes to the front by itself. OK checks every value first: a refused one
// is marked, the reason is shown and the dialog stays open. The editors are named for tests:
// each value by its id ("Show/TextScale"), the host list "cadHost", the reason "refusal".
class ParametersDialogEditor : public ParametersEditor {
 public:
  std::optional<ParameterValues> Edit(const ParameterValues& current,
                                      const QStringList& cadHosts) override;
};

}  // namespace trellis::macros
