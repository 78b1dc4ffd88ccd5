#include "macros/settings/ParametersDialog.h"

namespace trellis::macros {

std::optional<ParameterValues> ParametersDialogEditor::Edit(const ParameterValues&, const QStringList&) {
  return std::nullopt;
}

}  // namespace trellis::macros
