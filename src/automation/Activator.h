#pragma once

#include "automation/Dispatch.h"

#include <QString>

namespace trellis {

// Finds automation objects by ProgID. Both calls throw AutomationError when they fail.
class Activator {
 public:
  virtual ~Activator() = default;

  // The running instance of ProgId.
  virtual DispatchRef GetObject(const QString& progId) = 0;
  // A new instance of ProgId.
  virtual DispatchRef CreateObject(const QString& progId) = 0;
};

}  // namespace trellis
