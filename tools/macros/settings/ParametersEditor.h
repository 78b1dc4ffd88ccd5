#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace trellis::macros {

// What the parameters dialog edits: the settings file's values by "Section/Key", and the CAD
// host chosen by its ProgID prefix ("AutoCAD", "ZWCAD").
struct ParameterValues {
  QHash<QString, QString> values;
  QString cadHost;
};

// Shows the values for editing. The values the user confirmed, or nothing when the dialog was
// cancelled. CadHosts are the hosts the user may choose.
class ParametersEditor {
 public:
  virtual ~ParametersEditor() = default;
  virtual std::optional<ParameterValues> Edit(const ParameterValues& current, const QStringList& cadHosts) = 0;
};

}  // namespace trellis::macros
