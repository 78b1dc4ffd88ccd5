#pragma once

#include "automation/MemberTable.h"

#include <QVariant>

namespace trellis::test {

// An automation object with one member for each thing a late-bound call can do: values in
// and out, by-reference arguments, child objects, calls back into the caller, errors, and a
// server that disappears in the middle of a call, new objects to drop, and a macro that runs
// until it is asked to stop.
class SampleObject : public TableDispatch<SampleObject> {
 public:
  static const MemberTable<SampleObject>& Members();

  QVariant value;
  int calls = 0;
  bool stopEx = false;
  DispatchRef child;
};

}  // namespace trellis::test
