#include "automation/BusEndpoint.h"

#include "automation/AutomationError.h"
#include "automation/BusNames.h"
#include "automation/CallWaits.h"
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

// A macro may run, and an on-screen pick wait, for as long as the engineer lets it; the wait
// ends when the server leaves the bus instead, or when the user stops it.
constexpr int kNoTimeout = INT_MAX;

// Messages of the generic interface that only keep the count of an object's holders: they are
// sent without waiting and get no answer.
const QString kHold = QStringLiteral("Hold");
const QString kRelease = QStringLiteral("Release");

const QString kRootPath = QStringLiteral("/");
// Calls on objects of one process that travel in one message: each entry is the object's path,
// the kind of call (get, set, invoke), the member and the arguments; the answer is the results
// so far, the index of the call that failed (-1 when none did) and its reason. The calls after
// a failing one are not made.
const QString kBatch = QStringLiteral("Batch");

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
          &BusEndpoint::PeerDeparted);
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
  // Both may come from a message: the D-Bus library would end the process on a bad one.
  if (!IsObjectPath(path)) {
    throw AutomationError(QString(), QStringLiteral("an object reference has no valid path"));
  }
  if (owner == UniqueName()) {
    DispatchRef local = exports_.Find(path);
    if (!local) throw AutomationError(QString(), QStringLiteral("no object at %1").arg(path));
    return local;
  }
  if (!IsUniqueBusName(owner)) {
    throw AutomationError(QString(), QStringLiteral("an object reference names no process"));
  }
  WatchPeer(owner, 1);
  return std::make_shared<RemoteObject>(weak_from_this(), owner, path);
}

void BusEndpoint::ProxyDropped(const QString& owner, const QString& path) {
  const auto peer = peers_.find(owner);
  if (peer == peers_.end()) return;
  --peer->proxies;
  if (!peer->departed) {
    // Sent from the event loop: a proxy dropped while an answer is built goes after the
    // answer, which may hand the same object back.
    QMetaObject::invokeMethod(
        this,
        [this, owner, path] {
          connection_.send(
              QDBusMessage::createMethodCall(owner, path, LateBoundInterface(), kRelease));
        },
        Qt::QueuedConnection);
  }
  ForgetPeerIfUnused(owner);
}

QVariant BusEndpoint::ObjectToWire(const DispatchRef& object, const QString& receiver) {
  if (const auto* remote = dynamic_cast<const RemoteObject*>(object.get())) {
    // The receiver's proxy will give its hold back to the object's own process: that process
    // learns of the hold first (the bus keeps the order of what one process sends).
    if (remote->Owner() != receiver) {
      QDBusMessage hold = QDBusMessage::createMethodCall(remote->Owner(), remote->Path(),
                                                         LateBoundInterface(), kHold);
      hold << receiver;
      connection_.send(hold);
    }
    return QVariant::fromValue(RemoteReference{remote->Owner(), QDBusObjectPath(remote->Path())});
  }
  const QString path = exports_.Export(object, receiver);
  if (receiver != UniqueName()) WatchPeer(receiver, 0);
  return QVariant::fromValue(QDBusObjectPath(path));
}

void BusEndpoint::WatchPeer(const QString& uniqueName, int newProxies) {
  const bool known = peers_.contains(uniqueName);
  peers_[uniqueName].proxies += newProxies;
  if (known) return;
  peerWatcher_->addWatchedService(uniqueName);
  // A peer that left before the watch began is never announced.
  if (!connection_.interface()->isServiceRegistered(uniqueName)) PeerDeparted(uniqueName);
}

void BusEndpoint::PeerDeparted(const QString& uniqueName) {
  const auto peer = peers_.find(uniqueName);
  if (peer == peers_.end() || peer->departed) return;
  peer->departed = true;
  exports_.ReleaseAll(uniqueName);
  Q_EMIT PeerLeft(uniqueName);
  // Kept while proxies of it live, so that their calls fail at once.
  ForgetPeerIfUnused(uniqueName);
}

void BusEndpoint::ForgetPeerIfUnused(const QString& uniqueName) {
  const auto peer = peers_.find(uniqueName);
  if (peer == peers_.end() || peer->proxies > 0 || exports_.IsHolder(uniqueName)) return;
  peers_.erase(peer);
  peerWatcher_->removeWatchedService(uniqueName);
}

void BusEndpoint::TakeHold(const QDBusMessage& message) {
  const QString holder = message.arguments().value(0).toString();
  if (!IsUniqueBusName(holder) || holder == UniqueName()) return;
  if (exports_.Hold(message.path(), holder)) WatchPeer(holder, 0);
}

void BusEndpoint::TakeRelease(const QDBusMessage& message) {
  // A release can overtake, in this process's handling of events, the answer to a call of its
  // own that hands the very object back, though the bus delivered the two in order: while a
  // call of this process is under way, releases wait for its answer to be read.
  if (callsInProgress_ > 0) {
    deferredReleases_.emplace_back(message.path(), message.service());
    return;
  }
  ApplyRelease(message.path(), message.service());
}

void BusEndpoint::ApplyRelease(const QString& path, const QString& holder) {
  exports_.Release(path, holder);
  ForgetPeerIfUnused(holder);
}

class BusEndpoint::CallInProgress {
 public:
  explicit CallInProgress(BusEndpoint& endpoint) : endpoint_(endpoint) { ++endpoint_.callsInProgress_; }
  ~CallInProgress() {
    if (--endpoint_.callsInProgress_ > 0) return;
    const auto releases = std::exchange(endpoint_.deferredReleases_, {});
    for (const auto& [path, holder] : releases) endpoint_.ApplyRelease(path, holder);
  }
  CallInProgress(const CallInProgress&) = delete;
  CallInProgress& operator=(const CallInProgress&) = delete;

 private:
  BusEndpoint& endpoint_;
};

QDBusMessage BusEndpoint::Await(const QDBusMessage& call, const QString& member) {
  const QString owner = call.service();
  if (peers_.value(owner).departed) {
    throw ServerGone(member, QStringLiteral("the server has left the bus"));
  }
  QDBusPendingCall pending = connection_.asyncCall(call, kNoTimeout);
  bool left = false;
  bool abandoned = false;
  if (!pending.isFinished()) {
    QEventLoop loop;
    QDBusPendingCallWatcher watcher(pending);
    connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
    connect(this, &BusEndpoint::PeerLeft, &loop, [&loop, &left, &owner](const QString& name) {
      if (name != owner) return;
      left = true;
      loop.quit();
    });
    const CallWait wait(loop);
    loop.exec();
    abandoned = wait.Abandoned();
  }
  if (!pending.isFinished()) {
    if (left) throw ServerLeft(member, QStringLiteral("the server left the bus during the call"));
    if (abandoned) {
      throw CallAbandoned(member, QStringLiteral("the server did not answer; the call was "
                                                 "abandoned at the user's request"));
    }
    throw AutomationError(member, QStringLiteral("the call was abandoned"));
  }
  QDBusMessage reply = pending.reply();
  if (reply.type() == QDBusMessage::ErrorMessage) {
    // Calls wait without a time limit, so no reply means the server's connection went away
    // while it held the call.
    if (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NoReply")) {
      throw ServerLeft(member, ReasonOf(reply));
    }
    throw AutomationError(member, ReasonOf(reply));
  }
  return reply;
}

std::vector<QVariant> BusEndpoint::CallAll(const std::vector<LateCall>& calls) {
  std::vector<QVariant> answers;
  answers.reserve(calls.size());
  // One message per run of calls to one process.
  for (size_t first = 0; first < calls.size();) {
    const QString owner = static_cast<const RemoteObject*>(calls[first].object.get())->Owner();
    size_t last = first;
    QVariantList entries;
    for (; last < calls.size(); ++last) {
      const auto* remote = static_cast<const RemoteObject*>(calls[last].object.get());
      if (remote->Owner() != owner) break;
      const LateCall& call = calls[last];
      try {
        const QVariantList args = call.kind == LateCall::Kind::Get
                                      ? QVariantList()
                                      : ToWireList(call.args, *this, owner);
        entries << QVariant(QVariantList{remote->Path(), int(call.kind), call.member,
                                         QVariant(args)});
      } catch (const AutomationError& error) {
        throw AutomationError(call.member, error.Reason());
      }
    }
    QDBusMessage message =
        QDBusMessage::createMethodCall(owner, kRootPath, LateBoundInterface(), kBatch);
    message << QVariant(entries);
    const CallInProgress inProgress(*this);
    const QDBusMessage reply = Await(message, calls[first].member);
    const QVariantList out = reply.arguments();
    const qsizetype failed = out.value(1).toLongLong();
    QVariantList results;
    try {
      results = FromWire(out.value(0), owner, *this).toList();
    } catch (const AutomationError& error) {
      throw AutomationError(calls[first].member, error.Reason());
    }
    if (failed >= 0 && first + size_t(failed) < last) {
      throw AutomationError(calls[first + size_t(failed)].member, out.value(2).toString());
    }
    if (results.size() != qsizetype(last - first)) {
      throw AutomationError(calls[first].member,
                            QStringLiteral("the server answered %1 of %2 calls")
                                .arg(results.size())
                                .arg(last - first));
    }
    for (const QVariant& result : results) answers.push_back(result);
    first = last;
  }
  return answers;
}

QVariant BusEndpoint::CallGet(const QString& owner, const QString& path, const QString& name) {
  QDBusMessage call =
      QDBusMessage::createMethodCall(owner, path, LateBoundInterface(), QStringLiteral("Get"));
  call << name;
  const CallInProgress inProgress(*this);
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
    call << name << QVariant::fromValue(QDBusVariant(ToWire(value, *this, owner)));
  } catch (const AutomationError& error) {
    throw AutomationError(name, error.Reason());
  }
  const CallInProgress inProgress(*this);
  Await(call, name);
}

QVariant BusEndpoint::CallInvoke(const QString& owner, const QString& path, const QString& member,
                                 QVariantList& args) {
  QDBusMessage call =
      QDBusMessage::createMethodCall(owner, path, LateBoundInterface(), QStringLiteral("Invoke"));
  try {
    call << member << QVariant(ToWireList(args, *this, owner));
  } catch (const AutomationError& error) {
    throw AutomationError(member, error.Reason());
  }
  const CallInProgress inProgress(*this);
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
  if (message.member() == kHold || message.member() == kRelease) {
    if (message.member() == kHold) {
      TakeHold(message);
    } else {
      TakeRelease(message);
    }
    if (message.isReplyRequired()) connection.send(message.createReply());
    return true;
  }
  connection.send(Answer(message));
  return true;
}

QDBusMessage BusEndpoint::Answer(const QDBusMessage& call) {
  if (call.member() == kBatch && call.arguments().size() == 1) return AnswerBatch(call);
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
          QVariant::fromValue(QDBusVariant(ToWire(target->Get(member), *this, sender))));
    }
    if (method == QLatin1String("Set") && in.size() == 2) {
      target->Set(member, FromWire(in[1], sender, *this));
      return call.createReply();
    }
    if (method == QLatin1String("Invoke") && in.size() == 2) {
      QVariantList args = FromWire(in[1], sender, *this).toList();
      const QVariantList before = args;
      const QVariant result = target->Invoke(member, args);
      const QVariantList changed =
          args == before ? QVariantList() : ToWireList(args, *this, sender);
      return call.createReply(
          QVariantList{QVariant::fromValue(QDBusVariant(ToWire(result, *this, sender))),
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

QDBusMessage BusEndpoint::AnswerBatch(const QDBusMessage& call) {
  const QString sender = call.service();
  QVariantList entries;
  try {
    entries = FromWire(call.arguments().value(0), sender, *this).toList();
  } catch (const AutomationError& error) {
    return call.createErrorReply(LateBoundErrorName(), error.Reason());
  }
  QVariantList results;
  qsizetype failed = -1;
  QString reason;
  for (qsizetype i = 0; i < entries.size() && failed < 0; ++i) {
    const QVariantList entry = entries[i].toList();
    const QString member = entry.value(2).toString();
    try {
      const int kind = entry.value(1).toInt();
      if (entry.size() != 4 || kind < 0 || kind > 2) {
        throw AutomationError(member, QStringLiteral("a batched call is not understood"));
      }
      // Held for the call: a nested call may drop the object from wherever else it lives.
      const DispatchRef target = exports_.Find(entry[0].toString());
      if (!target) {
        throw AutomationError(member, QStringLiteral("no object at %1").arg(entry[0].toString()));
      }
      QVariantList args = entry[3].toList();
      switch (LateCall::Kind(kind)) {
        case LateCall::Kind::Get:
          results << ToWire(target->Get(member), *this, sender);
          break;
        case LateCall::Kind::Set:
          target->Set(member, args.value(0));
          results << ToWire(QVariant(), *this, sender);
          break;
        case LateCall::Kind::Invoke:
          results << ToWire(target->Invoke(member, args), *this, sender);
          break;
      }
    } catch (const AutomationError& error) {
      failed = i;
      reason = error.Reason();
    } catch (const std::exception& error) {
      failed = i;
      reason = QString::fromLocal8Bit(error.what());
    }
  }
  return call.createReply(QVariantList{QVariant(results), QVariant(qlonglong(failed)), reason});
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
