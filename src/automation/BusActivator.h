#pragma once

#include "automation/Activator.h"
#include "automation/ServerLauncher.h"

#include <QDBusConnection>
#include <QHash>
#include <QString>

#include <chrono>
#include <memory>

namespace trellis {

class BusEndpoint;

// ProgIDs served by processes on the session bus. A running instance is a process owning the
// ProgID's bus name; a new one is started from the installation's Servers.ini and awaited on
// the bus for a limited time, with window events flowing meanwhile.
class BusActivator : public Activator {
 public:
  explicit BusActivator(QString installationFolder,
                        const QDBusConnection& connection = QDBusConnection::sessionBus(),
                        std::chrono::milliseconds startLimit = std::chrono::seconds(30));
  ~BusActivator() override;

  DispatchRef GetObject(const QString& progId) override;
  // One process serves a ProgID on the bus, so while one runs this binds to it; otherwise the
  // server is started. A server that does not appear in time is terminated.
  DispatchRef CreateObject(const QString& progId) override;

  // This process's side of the bus, for publishing its own objects. Null when the bus was not
  // reachable; every call then fails with AutomationError.
  const std::shared_ptr<BusEndpoint>& Endpoint() const { return endpoint_; }

 private:
  BusEndpoint& RequireEndpoint(const QString& progId) const;
  void AwaitServer(const QString& progId, qint64 pid, const QString& program);

  QString installationFolder_;
  QString unreachableReason_;
  std::shared_ptr<BusEndpoint> endpoint_;
  ServerLauncher launcher_;
  std::chrono::milliseconds startLimit_;
  // Servers being started, by bus name: a call made while one is awaited (window events flow
  // meanwhile) waits for the same process instead of starting a second one.
  struct Starting {
    qint64 pid = 0;
    QString program;
  };
  QHash<QString, Starting> starting_;
};

}  // namespace trellis
