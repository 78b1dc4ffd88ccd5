#pragma once

#include "automation/AutomationError.h"

#include <QDBusConnection>
#include <QString>

#include <gtest/gtest.h>

#include <functional>

namespace trellis::test {

// The AutomationError that Call throws; a failure of the test when it throws none.
template <typename Call>
AutomationError ErrorOf(Call call) {
  try {
    call();
  } catch (const AutomationError& error) {
    return error;
  }
  ADD_FAILURE() << "no AutomationError";
  return AutomationError(QString(), QString());
}

// Lets events run until Condition holds; false when Milliseconds pass first.
bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 10000);

// The process id of the owner of ProgId's bus name, or 0 when none owns it.
qint64 ServerPid(const QDBusConnection& connection, const QString& progId);
// Kills the process owning ProgId's bus name, collects it when it is this process's child, and
// waits until the name is free.
void EndServer(const QDBusConnection& connection, const QString& progId);

}  // namespace trellis::test
