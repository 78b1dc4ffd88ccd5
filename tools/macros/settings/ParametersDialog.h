#pragma once

#include "macros/settings/ParametersEditor.h"

namespace trellis::macros {

// The parameters dialog on screen.
class ParametersDialogEditor : public ParametersEditor {
 public:
  std::optional<ParameterValues> Edit(const ParameterValues& current, const QStringList& cadHosts) override;
};

}  // namespace trellis::macros
