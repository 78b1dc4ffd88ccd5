#pragma once

#include "automation/Dispatch.h"

#include <QString>

#include <memory>

namespace trellis {

class BusEndpoint;

// An object of another process, called over the bus. It names its process by unique bus name,
// so once that process has ended every call fails, even when a new instance took over the
// well-known name.
class RemoteObject : public Dispatch {
 public:
  // Made by BusEndpoint::ObjectAt only, which counts it.
  RemoteObject(std::weak_ptr<BusEndpoint> endpoint, QString owner, QString path);
  ~RemoteObject() override;
  RemoteObject(const RemoteObject&) = delete;
  RemoteObject& operator=(const RemoteObject&) = delete;

  const QString& Owner() const { return owner_; }
  const QString& Path() const { return path_; }
  // The endpoint calls go through; none once it has closed.
  std::shared_ptr<BusEndpoint> EndpointOrNull() const { return endpoint_.lock(); }

  QVariant Get(const QString& name) override;
  void Set(const QString& name, const QVariant& value) override;
  QVariant Invoke(const QString& member, QVariantList& args) override;

 private:
  std::shared_ptr<BusEndpoint> Endpoint(const QString& member) const;

  std::weak_ptr<BusEndpoint> endpoint_;
  QString owner_;
  QString path_;
};

}  // namespace trellis
