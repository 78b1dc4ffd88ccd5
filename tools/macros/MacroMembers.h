#pragma once

#include "automation/MemberTable.h"
#include "macros/MacroCall.h"

#include <QString>
#include <QVariantList>

namespace trellis::macros {

// What every macro class has: the "StopEx" property the program sets to True when the user
// asks a running macro to stop. A macro looks at it between steps of long work.
class StopFlag {
 public:
  bool StopRequested() const { return stop_; }
  void SetStopRequested(bool stop) { stop_ = stop; }

 private:
  bool stop_ = false;
};

// Adds "StopEx" and the macro methods (name -> member function taking the call) to a class's
// member table. A method starts with the stop request cleared.
template <typename Class>
void AddStopProperty(MemberTable<Class>& table) {
  table.Property(
      QStringLiteral("StopEx"), [](Class& object) { return QVariant(object.StopRequested()); },
      [](Class& object, const QVariant& value) { object.SetStopRequested(value.toBool()); });
}

template <typename Class>
void AddMacroMethod(MemberTable<Class>& table, const QString& name,
                    void (Class::*method)(const MacroCall&)) {
  table.Function(name, [name, method](Class& object, QVariantList& args) {
    const MacroCall call = MacroCall::FromArguments(args, name);
    object.SetStopRequested(false);
    (object.*method)(call);
    return QVariant();
  });
}

}  // namespace trellis::macros
