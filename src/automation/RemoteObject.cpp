#include "automation/RemoteObject.h"

#include "automation/AutomationError.h"
#include "automation/BusEndpoint.h"

namespace trellis {

RemoteObject::RemoteObject(std::weak_ptr<BusEndpoint> endpoint, QString owner, QString path)
    : endpoint_(std::move(endpoint)), owner_(std::move(owner)), path_(std::move(path)) {}

RemoteObject::~RemoteObject() {
  if (const std::shared_ptr<BusEndpoint> endpoint = endpoint_.lock()) {
    endpoint->ProxyDropped(owner_, path_);
  }
}

std::shared_ptr<BusEndpoint> RemoteObject::Endpoint(const QString& member) const {
  std::shared_ptr<BusEndpoint> endpoint = endpoint_.lock();
  if (!endpoint) throw AutomationError(member, QStringLiteral("the bus connection is closed"));
  return endpoint;
}

QVariant RemoteObject::Get(const QString& name) {
  return Endpoint(name)->CallGet(owner_, path_, name);
}

void RemoteObject::Set(const QString& name, const QVariant& value) {
  Endpoint(name)->CallSet(owner_, path_, name, value);
}

QVariant RemoteObject::Invoke(const QString& member, QVariantList& args) {
  return Endpoint(member)->CallInvoke(owner_, path_, member, args);
}

}  // namespace trellis
