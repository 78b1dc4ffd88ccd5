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

}  // namespace trellis
