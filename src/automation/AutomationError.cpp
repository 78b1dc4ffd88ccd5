#include "automation/AutomationError.h"

namespace trellis {

AutomationError::AutomationError(QString member, QString reason)
    : std::runtime_error(
          (member.isEmpty() ? reason : member + QStringLiteral(": ") + reason).toStdString()),
      member_(std::move(member)),
      reason_(std::move(reason)) {}

}  // namespace trellis
