#pragma once

#include "macros/settings/ParametersEditor.h"

namespace trellis::macros {

// The parameters dialog on screen. It is shown by the macro server while the program waits
// for the call, so it comes to the front by itself. OK checks every value first: a refused one
// is marked, the reason is shown and the dialog stays open. The editors are named for tests:
// each value by its id ("Show/TextScale"), the host list "cadHost", the reason "refusal".
class ParametersDialogEditor : public ParametersEditor {
 public:
  // Without a screen (the server started with no display) the dialog would wait unseen, and the
  // program with it: it is refused instead.
  explicit ParametersDialogEditor(bool screen = true) : screen_(screen) {}
  std::optional<ParameterValues> Edit(const ParameterValues& current,
                                      const QStringList& cadHosts) override;

 private:
  bool screen_;
};

}  // namespace trellis::macros
