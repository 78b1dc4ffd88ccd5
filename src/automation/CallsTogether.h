#pragma once

#include "automation/Dispatch.h"

#include <QString>
#include <QVariant>
#include <QVariantList>

#include <vector>

namespace trellis {

// One late-bound call of a batch: a property get or set, or a method invoked.
struct LateCall {
  enum class Kind { Get, Set, Invoke };
  DispatchRef object;
  Kind kind = Kind::Get;
  QString member;
  QVariantList args;  // the value for a set
};

// Calls made one after another with nothing looked at in between. They are carried out in
// order, as consecutive calls would be; over the bus the calls to one process travel in one
// message and are answered in one, which saves a round trip each. The answers come back in the
// same order (an empty value for a set). The first failure is thrown, and the calls after it are
// not made. Arguments changed by a method are not passed back.
std::vector<QVariant> CallTogether(const std::vector<LateCall>& calls);

// Any number of such calls, sent PerMessage at a time so that no message grows without bound.
std::vector<QVariant> CallInBatches(const std::vector<LateCall>& calls, size_t perMessage = 100);

}  // namespace trellis
