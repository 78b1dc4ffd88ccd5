#include "automation/InProcessActivator.h"

#include "automation/AutomationError.h"

namespace trellis {

void InProcessActivator::Register(const QString& progId, Factory factory) {
  factories_.insert(progId.toLower(), std::move(factory));
}

void InProcessActivator::SetRunning(const QString& progId, DispatchRef instance) {
  running_.insert(progId.toLower(), std::move(instance));
}

void InProcessActivator::Revoke(const QString& progId) {
  running_.remove(progId.toLower());
}

DispatchRef InProcessActivator::GetObject(const QString& progId) {
  const DispatchRef instance = running_.value(progId.toLower());
  if (!instance) throw AutomationError(progId, QStringLiteral("no instance is running"));
  return instance;
}

DispatchRef InProcessActivator::CreateObject(const QString& progId) {
  const Factory factory = factories_.value(progId.toLower());
  if (!factory) throw AutomationError(progId, QStringLiteral("the class is not registered"));
  DispatchRef instance = factory();
  if (!instance) throw AutomationError(progId, QStringLiteral("the class made no object"));
  SetRunning(progId, instance);
  return instance;
}

}  // namespace trellis
