#include "AllocationCount.h"
#include "BusTestSupport.h"
#include "SampleObject.h"
#include "support/TestFiles.h"

#include "automation/BusActivator.h"
#include "automation/BusEndpoint.h"
#include "automation/BusNames.h"
#include "automation/CallWaits.h"
#include "automation/WireValues.h"

#include <QDBusConnectionInterface>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QTimer>

#include <gtest/gtest.h>

#include <signal.h>

namespace trellis::test {
namespace {

using namespace std::chrono_literals;

const QString kSample = QStringLiteral("Trellis.Sample");

// Sends a raw Invoke of Member with Args, as they go on the wire, and lets events run until
// the answer comes: the server may be this very process.
QDBusMessage RawInvoke(const QDBusConnection& bus, const QString& service, const QString& path,
                       const QString& member, const QVariantList& args) {
  QDBusMessage call =
      QDBusMessage::createMethodCall(service, path, LateBoundInterface(), QStringLiteral("Invoke"));
  call << member << QVariant(args);
  QDBusPendingCall pending = bus.asyncCall(call, 10000);
  EXPECT_TRUE(WaitUntil([&] { return pending.isFinished(); }));
  return pending.reply();
}

QVariant Reference(const QString& busName, const QString& path = QStringLiteral("/obj/1")) {
  return QVariant::fromValue(RemoteReference{busName, QDBusObjectPath(path)});
}

// Answers every call of the generic interface with a result made up by the test.
class CraftedServer : public QDBusVirtualObject {
 public:
  QVariant result;
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    connection.send(message.createReply(
        QVariantList{QVariant::fromValue(QDBusVariant(result)), QVariant(QVariantList())}));
    return true;
  }
  QString introspect(const QString&) const override { return QString(); }
};

class BusFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(bus_.isConnected());
    WriteBytes(installation_.File(QStringLiteral("Servers.ini")),
               QStringLiteral("[Servers]\r\nTrellis.Sample=\"%1\" Trellis.Sample\r\n")
                   .arg(QStringLiteral(TRELLIS_SAMPLE_SERVER))
                   .toUtf8());
  }
  void TearDown() override { EndServer(bus_, kSample); }

  QDBusConnection bus_ = QDBusConnection::sessionBus();
  TempFolder installation_;
  BusActivator activator_{installation_.Path()};
};

TEST_F(BusFaults, MalformedReferencesAreRefusedAndBothSidesLiveOn) {
  const DispatchRef sample = activator_.CreateObject(kSample);
  const qint64 pid = ServerPid(bus_, kSample);
  const QString server = bus_.interface()->serviceOwner(BusNameOf(kSample));
  for (const QString& name :
       {QStringLiteral("ünï.code"), QStringLiteral("single"), QStringLiteral(":1"), QString(),
        QStringLiteral("a..b"), QStringLiteral("org.trellis.well_known"),
        QStringLiteral(":1.x\u00e9")}) {
    SCOPED_TRACE(name.toStdString());
    const QDBusMessage answer =
        RawInvoke(bus_, server, RootPathOf(kSample), QStringLiteral("Echo"), {Reference(name)});
    EXPECT_EQ(answer.type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(answer.errorName(), LateBoundErrorName());
  }
  EXPECT_EQ(Call(*sample, QStringLiteral("Echo"), {3}), QVariant(3));
  EXPECT_EQ(ServerPid(bus_, kSample), pid);

  // The same references in an answer to this process.
  QDBusConnection crafted =
      QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("crafted"));
  CraftedServer craftedServer;
  ASSERT_TRUE(crafted.registerVirtualObject(QStringLiteral("/"), &craftedServer,
                                            QDBusConnection::SubPath));
  const DispatchRef craftedObject =
      activator_.Endpoint()->ObjectAt(crafted.baseService(), QStringLiteral("/x"));
  for (const QVariant& result : {Reference(QStringLiteral("ünï.code")),
                                 Reference(QStringLiteral("single")),
                                 QVariant(QVariantList{1, Reference(QString())})}) {
    craftedServer.result = result;
    EXPECT_EQ(ErrorOf([&] { Call(*craftedObject, QStringLiteral("Anything")); }).Reason(),
              QStringLiteral("an object reference names no process"));
  }
  EXPECT_THROW(activator_.Endpoint()->ObjectAt(QStringLiteral("single"), QStringLiteral("/x")),
               AutomationError);
  EXPECT_THROW(activator_.Endpoint()->ObjectAt(crafted.baseService(), QStringLiteral("/x-y")),
               AutomationError);
  crafted.unregisterObject(QStringLiteral("/"));
  QDBusConnection::disconnectFromBus(QStringLiteral("crafted"));
}

TEST_F(BusFaults, ArgumentsThatFailHalfWayAreLetGoOf) {
  const QDBusConnection serverBus =
      QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("leaks"));
  auto server = BusEndpoint::Open(serverBus);
  server->Publish(QStringLiteral("Trellis.Leaks"), std::make_shared<SampleObject>());
  // A map is no value of the interface: it fails after the elements before it, two arrays deep.
  const QVariantList args{
      QVariantList{1, QStringLiteral("two"), QVariantList{3, QVariantMap{{"k", 4}}}}};
  const auto invoke = [&] {
    const QDBusMessage answer = RawInvoke(bus_, serverBus.baseService(),
                                          RootPathOf(QStringLiteral("Trellis.Leaks")),
                                          QStringLiteral("Echo"), args);
    EXPECT_EQ(answer.errorName(), LateBoundErrorName());
  };
  for (int i = 0; i < 20; ++i) invoke();
  const long long before = LiveAllocations();
  constexpr int kCalls = 200;
  for (int i = 0; i < kCalls; ++i) invoke();
  // Each failed call left two readers behind; a few blocks may be the bus's own caches.
  EXPECT_LT(LiveAllocations() - before, kCalls / 2);
  server.reset();
  QDBusConnection::disconnectFromBus(QStringLiteral("leaks"));
}

TEST_F(BusFaults, ObjectsAndPeersAreForgottenWhenReleasedOrGone) {
  const QString progId = QStringLiteral("Trellis.Tables");
  const QDBusConnection serverBus =
      QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("tables"));
  auto server = BusEndpoint::Open(serverBus);
  const auto root = std::make_shared<SampleObject>();
  server->Publish(progId, root);

  // Temporary objects handed out and dropped by a client that stays.
  const DispatchRef sample = activator_.Endpoint()->InstanceOf(progId);
  for (int i = 0; i < 50; ++i) {
    const DispatchRef fresh = ObjectOf(sample->Get(QStringLiteral("Fresh")));
    fresh->Set(QStringLiteral("Value"), i);
    // The server's own object comes back to it as itself while it is held.
    const DispatchRef echoed = ObjectOf(Call(*sample, QStringLiteral("Echo"), {ObjectValue(fresh)}));
    EXPECT_EQ(echoed->Get(QStringLiteral("Value")), QVariant(i));
  }
  EXPECT_TRUE(WaitUntil([&] { return server->ExportCount() == 1; })) << server->ExportCount();

  // Clients that leave the bus still holding objects of the server, and whose objects the
  // server holds until it lets go of them.
  for (int i = 0; i < 30; ++i) {
    const QString name = QStringLiteral("peer%1").arg(i);
    DispatchRef kept;
    {
      auto peer = BusEndpoint::Open(QDBusConnection::connectToBus(QDBusConnection::SessionBus, name));
      kept = ObjectOf(peer->InstanceOf(progId)->Get(QStringLiteral("Fresh")));
      peer->InstanceOf(progId)->Set(QStringLiteral("Value"),
                                    ObjectValue(std::make_shared<SampleObject>()));
    }
    QDBusConnection::disconnectFromBus(name);
  }
  root->value = QVariant();
  EXPECT_TRUE(WaitUntil([&] { return server->ExportCount() == 1 && server->WatchedPeerCount() == 0; }))
      << server->ExportCount() << " objects, " << server->WatchedPeerCount() << " peers";
  server.reset();
  QDBusConnection::disconnectFromBus(QStringLiteral("tables"));
}

TEST_F(BusFaults, StopAbandonsOnlyCallsThatGetNoAnswer) {
  const DispatchRef sample = activator_.CreateObject(kSample);
  // A macro that ends on the request is waited for.
  QTimer::singleShot(100, [&] {
    StopWaitingCalls(60s, [&] { sample->Set(QStringLiteral("StopEx"), true); });
  });
  EXPECT_EQ(Call(*sample, QStringLiteral("RunUntilStopped")), QVariant(true));

  // A server that no longer answers is not.
  const qint64 pid = ServerPid(bus_, kSample);
  ASSERT_NE(pid, 0);
  ASSERT_EQ(kill(pid_t(pid), SIGSTOP), 0);
  bool requestMade = false;
  QTimer::singleShot(100, [&] {
    StopWaitingCalls(200ms, [&] {
      requestMade = true;
      // The request itself goes to the stopped server, and is given up with the call.
      EXPECT_THROW(sample->Set(QStringLiteral("StopEx"), true), CallAbandoned);
    });
  });
  try {
    Call(*sample, QStringLiteral("Echo"), {1});
    ADD_FAILURE() << "the call ended with an answer";
  } catch (const CallAbandoned& error) {
    EXPECT_EQ(error.Member(), QStringLiteral("Echo"));
    EXPECT_EQ(error.Reason(), QStringLiteral("the server did not answer; the call was abandoned "
                                             "at the user's request"));
  }
  EXPECT_TRUE(requestMade);
  EXPECT_FALSE(IsCallWaiting());
  kill(pid_t(pid), SIGCONT);
  // The server answers again once it runs, and the stop is over.
  EXPECT_EQ(Call(*sample, QStringLiteral("Echo"), {2}), QVariant(2));
}

}  // namespace
}  // namespace trellis::test
