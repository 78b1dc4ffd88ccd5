#pragma once

#include <QString>

#include <stdexcept>

namespace trellis {

// A failed late-bound call: which member was called and why it failed. Callers decide whether
// it is ignored, reported or passed on.
class AutomationError : public std::runtime_error {
 public:
  AutomationError(QString member, QString reason);

  const QString& Member() const { return member_; }
  const QString& Reason() const { return reason_; }

 private:
  QString member_;
  QString reason_;
};

// A call the user stopped waiting for, its server not answering. The routines that pass over
// other failures pass this one on, so the action the user stopped ends there and is reported.
class CallAbandoned : public AutomationError {
 public:
  using AutomationError::AutomationError;
};

// A call whose server left the bus before answering: it ended, or crashed, in the middle of the
// call. What the server did is unknown, so the caller tells the user rather than passing over it.
class ServerLeft : public AutomationError {
 public:
  using AutomationError::AutomationError;
};

// A call to an object whose server had left the bus before the call was made: nothing was
// done, and a new instance of the class may take the call.
class ServerGone : public AutomationError {
 public:
  using AutomationError::AutomationError;
};

}  // namespace trellis
