#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace trellis::macros {

// What the parameters dialog edits: the value of every setting of CalcSettings() by its id
// ("Section/Key"), as text (a flag "0" or "1", a choice its item's number from 0, a number as
// typed), and the CAD host chosen by its ProgID prefix ("AutoCAD", "ZWCAD").
struct ParameterValues {
  QHash<QString, QString> values;
  QString cadHost;
};

// Shows the values for editing and gives back the ones the user confirmed, or nothing when the
// dialog was cancelled. CadHosts are the hosts the user may choose, the current one among them.
// An editor refuses a value RefusalOf refuses; the caller checks again before it writes.
class ParametersEditor {
 public:
  virtual ~ParametersEditor() = default;
  virtual std::optional<ParameterValues> Edit(const ParameterValues& current,
                                              const QStringList& cadHosts) = 0;
};

}  // namespace trellis::macros
