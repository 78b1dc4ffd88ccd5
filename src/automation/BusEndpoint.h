#pragma once

#include "automation/CallsTogether.h"
#include "automation/Dispatch.h"
#include "automation/ObjectTable.h"
#include "automation/WireValues.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QHash>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

class QDBusServiceWatcher;

namespace trellis {

// This process on the bus, both ways. As a server it answers Invoke, Get and Set on every
// object it has handed out or published; as a client it calls objects of other processes.
// A call waits in a local event loop, never blocking: the window keeps working, and the called
// process may call this one's objects back meanwhile. A call ends with AutomationError when the
// called process leaves the bus, or when the user stops waiting for it (AbandonWaitingCalls).
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
  // Calls on remote objects of this endpoint, sent together and answered in order (see
  // CallTogether).
  std::vector<QVariant> CallAll(const std::vector<LateCall>& calls);

  QVariant ObjectToWire(const DispatchRef& object, const QString& receiver) override;
  DispatchRef ObjectAt(const QString& owner, const QString& path) override;
  // A proxy made by ObjectAt is gone: its process is told it no longer holds the object.
  void ProxyDropped(const QString& owner, const QString& path);

  // The objects this process serves, held by other processes or published.
  qsizetype ExportCount() const { return exports_.Size(); }
  // The processes this one watches on the bus: those it holds proxies of and those holding its
  // objects.
  qsizetype WatchedPeerCount() const { return peers_.size(); }

  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;
  QString introspect(const QString& path) const override;

 Q_SIGNALS:
  void PeerLeft(const QString& uniqueName);

 private:
  explicit BusEndpoint(const QDBusConnection& connection);

  QDBusMessage Await(const QDBusMessage& call, const QString& member);
  QDBusMessage AnswerBatch(const QDBusMessage& call);
  QDBusMessage Answer(const QDBusMessage& call);
  void TakeHold(const QDBusMessage& message);
  void TakeRelease(const QDBusMessage& message);
  void ApplyRelease(const QString& path, const QString& holder);
  // Marks the time from sending a call to reading its answer; releases that arrive meanwhile
  // wait for its end (see TakeRelease).
  class CallInProgress;
  void WatchPeer(const QString& uniqueName, int newProxies);
  void PeerDeparted(const QString& uniqueName);
  void ForgetPeerIfUnused(const QString& uniqueName);

  struct Peer {
    int proxies = 0;
    bool departed = false;
  };

  QDBusConnection connection_;
  ObjectTable exports_;
  QDBusServiceWatcher* peerWatcher_;
  // A peer is watched while this process holds proxies of its objects (so that a call to it
  // ends when it leaves) or it holds objects of this process (so that they are let go when it
  // leaves); then it is forgotten. Unique names are never given twice, so nothing is lost.
  QHash<QString, Peer> peers_;
  int callsInProgress_ = 0;
  std::vector<std::pair<QString, QString>> deferredReleases_;  // (path, holder)
};

}  // namespace trellis
