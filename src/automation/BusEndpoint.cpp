#include "automation/BusEndpoint.h"

#include "automation/AutomationError.h"
#include "automation/BusNames.h"
#include "automation/RemoteObject.h"

#include <QDBusConnectionInterface>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QEventLoop>

#include <climits>

namespace trellis {

namespace {

// A macro may run for as long as the engineer lets it; the wait ends when the server leaves
// the bus instead (or through the stop request the macro honours).
constexpr int kNoTimeout = INT_MAX;

const QString kRootPath = QStringLiteral("/");

QString ReasonOf(const QDBusMessage& error) {
  const QString name = error.errorName();
  if (name == LateBoundErrorName()) return error.errorMessage();
  if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
      name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")) {
    return QStringLiteral("the server is no longer on the bus");
  }
  if (name == QLatin1String("org.freedesktop.DBus.Error.NoReply")) {
    return QStringLiteral("the server ended the call without an answer (%1)")
        .arg(error.errorMessage());
  }
  return name + QStringLiteral(": ") + error.errorMessage();
}

}  // namespace

std::shared_ptr<BusEndpoint> BusEndpoint::Open(const QDBusConnection& connection) {
  RegisterWireTypes();
  if (!connection.isConnected()) {
    throw AutomationError(QString(), QStringLiteral("the session bus is not reachable: %1")
                                         .arg(connection.lastError().message()));
  }
  std::shared_ptr<BusEndpoint> endpoint(new BusEndpoint(connection));
  if (!endpoint->connection_.registerVirtualObject(kRootPath, endpoint.get(),
                                                   QDBusConnection::SubPath)) {
    throw AutomationError(QString(), QStringLiteral("the bus connection is already served"));
  }
  return endpoint;
}

BusEndpoint::BusEndpoint(const QDBusConnection& connection)
    : connection_(connection), peerWatcher_(new QDBusServiceWatcher(this)) {
  peerWatcher_->setConnection(connection_);
  peerWatcher_->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
  connect(peerWatcher_, &QDBusServiceWatcher::serviceUnregistered, this,
          [this](const QString& name) {
            departedPeers_.insert(name);
            Q_EMIT PeerLeft(name);
          });
}

BusEndpoint::~BusEndpoint() {
  connection_.unregisterObject(kRootPath);
}

void BusEndpoint::Publish(const QString& progId, DispatchRef root) {
  exports_.Place(RootPathOf(progId), std::move(root));
  if (!connection_.registerService(BusNameOf(progId))) {
    throw AutomationError(
        progId, QStringLiteral("the bus name %1 has another owner").arg(BusNameOf(progId)));
  }
}

QString BusEndpoint::OwnerOf(const QString& progId) {
  const QDBusReply<QString> owner = connection_.interface()->serviceOwner(BusNameOf(progId));
  return owner.isValid() ? owner.value() : QString();
}

DispatchRef BusEndpoint::InstanceOf(const QString& progId) {
  if (!connection_.isConnected()) {
    throw AutomationError(progId, QStringLiteral("the session bus is not reachable"));
  }
  const QString owner = OwnerOf(progId);
  if (owner.isEmpty()) throw AutomationError(progId, QStringLiteral("no instance is running"));
  return ObjectAt(owner, RootPathOf(progId));
}

DispatchRef BusEndpoint::ObjectAt(const QString& owner, const QString& path) {
  if (owner == UniqueName()) {
    DispatchRef local = exports_.Find(path);
    if (!local) throw AutomationError(QString(), QStringLiteral("no object at %1").arg(path));
    return local;
  }
  WatchPeer(owner);
  return std::make_shared<RemoteObject>(weak_from_this(), owner, path);
}

QVariant BusEndpoint::ObjectToWire(const DispatchRef& object) {
  if (const auto* remote = dynamic_cast<const RemoteObject*>(object.get())) {
    return QVariant::fromValue(RemoteReference{remote->Owner(), QDBusObjectPath(remote->Path())});
  }
  return QVariant::fromValue(QDBusObjectPath(exports_.Export(object)));
}

void BusEndpoint::WatchPeer(const QString& uniqueName) {
  if (watchedPeers_.contains(uniqueName)) return;
  watchedPeers_.insert(uniqueName);
  peerWatcher_->addWatchedService(uniqueName);
}

QDBusMessage BusEndpoint::Await(const QDBusMessage& call, const QString& member) {
  const QString owner = call.service();
  if (departedPeers_.contains(owner)) {
    throw AutomationError(member, QStringLiteral("the server has left the bus"));
  }
  QDBusPendingCall pending = connection_.asyncCall(call, kNoTimeout);
  if (!pending.isFinished()) {
    QEventLoop loop;
    QDBusPendingCallWatcher watcher(pending);
    connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
    connect(this, &BusEndpoint::PeerLeft, &loop, [&loop, &owner](const QString& name) {
      if (name == owner) loop.quit();
    });
    loop.exec();
  }
  if (!pending.isFinished()) {
    throw AutomationError(member, departedPeers_.contains(owner)
                                      ? QStringLiteral("the server left the bus during the call")
                                      : QStringLiteral("the call was abandoned"));
  }
  QDBusMessage reply = pending.reply();
  if (reply.type() == QDBusMessage::ErrorMessage) throw AutomationError(member, ReasonOf(reply));
  return reply;
}

QVariant BusEndpoint::CallGet(const QString& owner, const QString& path, const QString& name) {
  QDBusMessage call =
      QDBusMessage::createMethodCall(owner, path, LateBoundInterface(), QStringLiteral("Get"));
  call << name;
  const QDBusMessage reply = Await(call, name);
  try {
    return FromWire(reply.arguments().value(0), owner, *this);
  } catch (const AutomationError& error) {
    throw AutomationError(name, error.Reason());
  }
}

void BusEndpoint::CallSet(const QString& owner, const QString& path, const QString& name,
                          const QVariant& value) {
  QDBusMessage call =
      QDBusMessage::createMethodCall(owner, path, LateBoundInterface(), QStringLiteral("Set"));
  try {
    call << name << QVariant::fromValue(QDBusVariant(ToWire(value, *this)));
  } catch (const AutomationError& error) {
    throw AutomationError(name, error.Reason());
  }
  Await(call, name);
}

QVariant BusEndpoint::CallInvoke(const QString& owner, const QString& path, const QString& member,
                                 QVariantList& args) {
  QDBusMessage call =
      QDBusMessage::createMethodCall(owner, path, LateBoundInterface(), QStringLiteral("Invoke"));
  try {
    call << member << QVariant(ToWireList(args, *this));
  } catch (const AutomationError& error) {
    throw AutomationError(member, error.Reason());
  }
  const QDBusMessage reply = Await(call, member);
  try {
    const QVariantList answer = reply.arguments();
    const QVariantList changed = FromWire(answer.value(1), owner, *this).toList();
    // The server sends the arguments back only when the call changed one of them.
    if (!changed.isEmpty()) args = changed;
    return FromWire(answer.value(0), owner, *this);
  } catch (const AutomationError& error) {
    throw AutomationError(member, error.Reason());
  }
}

bool BusEndpoint::handleMessage(const QDBusMessage& message, const QDBusConnection& connection) {
  if (message.interface() != LateBoundInterface()) return false;
  connection.send(Answer(message));
  return true;
}

QDBusMessage BusEndpoint::Answer(const QDBusMessage& call) {
  // Held for the whole call: a nested call may drop the object from wherever else it lives.
  const DispatchRef target = exports_.Find(call.path());
  if (!target) {
    return call.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.UnknownObject"),
                                 QStringLiteral("no object at %1").arg(call.path()));
  }
  const QVariantList in = call.arguments();
  const QString method = call.member();
  const QString member = in.value(0).toString();
  const QString sender = call.service();
  try {
    if (method == QLatin1String("Get") && in.size() == 1) {
      return call.createReply(
          QVariant::fromValue(QDBusVariant(ToWire(target->Get(member), *this))));
    }
    if (method == QLatin1String("Set") && in.size() == 2) {
      target->Set(member, FromWire(in[1], sender, *this));
      return call.createReply();
    }
    if (method == QLatin1String("Invoke") && in.size() == 2) {
      QVariantList args = FromWire(in[1], sender, *this).toList();
      const QVariantList before = args;
      const QVariant result = target->Invoke(member, args);
      const QVariantList changed = args == before ? QVariantList() : ToWireList(args, *this);
      return call.createReply(QVariantList{QVariant::fromValue(QDBusVariant(ToWire(result, *this))),
                                           QVariant(changed)});
    }
  } catch (const AutomationError& error) {
    return call.createErrorReply(LateBoundErrorName(), error.Reason());
  } catch (const std::exception& error) {
    return call.createErrorReply(LateBoundErrorName(), QString::fromLocal8Bit(error.what()));
  }
  return call.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"),
                               QStringLiteral("%1 with %2 arguments is not a member of %3")
                                   .arg(method)
                                   .arg(in.size())
                                   .arg(LateBoundInterface()));
}

QString BusEndpoint::introspect(const QString& path) const {
  if (!exports_.Find(path)) return QString();
  return QStringLiteral(
      "<interface name=\"org.trellis.Late1\">"
      "<method name=\"Invoke\"><arg name=\"member\" type=\"s\" direction=\"in\"/>"
      "<arg name=\"args\" type=\"av\" direction=\"in\"/>"
      "<arg name=\"result\" type=\"v\" direction=\"out\"/>"
      "<arg name=\"outArgs\" type=\"av\" direction=\"out\"/></method>"
      "<method name=\"Get\"><arg name=\"name\" type=\"s\" direction=\"in\"/>"
      "<arg name=\"value\" type=\"v\" direction=\"out\"/></method>"
      "<method name=\"Set\"><arg name=\"name\" type=\"s\" direction=\"in\"/>"
      "<arg name=\"value\" type=\"v\" direction=\"in\"/></method>"
      "</interface>");
}

}  // namespace trellis
