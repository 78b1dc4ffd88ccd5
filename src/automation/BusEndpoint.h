#pragma once

#include "automation/Dispatch.h"
#include "automation/ObjectTable.h"
#include "automation/WireValues.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QSet>
#include <QString>

#include <memory>

class QDBusServiceWatcher;

namespace trellis {

// This process on the bus, both ways. As a server it answers Invoke, Get and Set on every
// object it has handed out or published; as a client it calls objects of other processes.
// A call waits in a local event loop, never blocking: the window keeps working, and the called
// process may call this one's objects back meanwhile. A call ends with AutomationError when the
// called process leaves the bus.
class BusEndpoint : public QDBusVirtualObject,
                    public WireObjects,
                    public std::enable_shared_from_this<BusEndpoint> {
  Q_OBJECT

 public:
  // Takes over the object paths of Connection; throws AutomationError when the connection is
  // closed or another endpoint already serves it.
  static std::shared_ptr<BusEndpoint> Open(const QDBusConnection& connection);
  ~BusEndpoint() override;

  const QDBusConnection& Connection() const { return connection_; }
  QString UniqueName() const { return connection_.baseService(); }

  // Serves Root as the instance of ProgId and claims the ProgID's bus name; throws
  // AutomationError when another process owns it.
  void Publish(const QString& progId, DispatchRef root);
  // The instance of ProgId that the bus name's owner publishes; throws AutomationError when
  // no process owns the name.
  DispatchRef InstanceOf(const QString& progId);
  // The unique name of the process owning ProgId's bus name, or "" when none does.
  QString OwnerOf(const QString& progId);

  QVariant CallGet(const QString& owner, const QString& path, const QString& name);
  void CallSet(const QString& owner, const QString& path, const QString& name,
               const QVariant& value);
  QVariant CallInvoke(const QString& owner, const QString& path, const QString& member,
                      QVariantList& args);

  QVariant ObjectToWire(const DispatchRef& object) override;
  DispatchRef ObjectAt(const QString& owner, const QString& path) override;

  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;
  QString introspect(const QString& path) const override;

 Q_SIGNALS:
  void PeerLeft(const QString& uniqueName);

 private:
  explicit BusEndpoint(const QDBusConnection& connection);

  QDBusMessage Await(const QDBusMessage& call, const QString& member);
  QDBusMessage Answer(const QDBusMessage& call);
  void WatchPeer(const QString& uniqueName);

  QDBusConnection connection_;
  ObjectTable exports_;
  QDBusServiceWatcher* peerWatcher_;
  QSet<QString> watchedPeers_;
  QSet<QString> departedPeers_;
};

}  // namespace trellis
