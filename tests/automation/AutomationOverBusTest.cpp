#include "BusTestSupport.h"
#include "PrivateBus.h"
#include "SampleObject.h"
#include "support/TestFiles.h"

#include "automation/BusActivator.h"
#include "automation/CallsTogether.h"
#include "automation/BusNames.h"

#include <QDBusConnectionInterface>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

namespace trellis::test {
namespace {

const QString kSample = QStringLiteral("Trellis.Sample");

class AutomationOverBus : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(bus_.isConnected());
    WriteServers(QStringLiteral("[Servers]\r\nTrellis.Sample=\"%1\" Trellis.Sample\r\n")
                     .arg(QStringLiteral(TRELLIS_SAMPLE_SERVER)));
  }
  void TearDown() override { EndServer(bus_, kSample); }

  void WriteServers(const QString& text) {
    WriteBytes(installation_.File(QStringLiteral("Servers.ini")), text.toUtf8());
  }

  QDBusConnection bus_ = QDBusConnection::sessionBus();
  TempFolder installation_;
  BusActivator activator_{installation_.Path()};
};

TEST_F(AutomationOverBus, ServerIsStartedFromServersIniOnlyWhenNoneRuns) {
  EXPECT_EQ(ErrorOf([&] { activator_.GetObject(kSample); }).Reason(),
            QStringLiteral("no instance is running"));
  const DispatchRef created = activator_.CreateObject(QStringLiteral("trellis.SAMPLE"));
  const qint64 pid = ServerPid(bus_, kSample);
  ASSERT_NE(pid, 0);
  created->Set(QStringLiteral("Value"), 11);
  EXPECT_EQ(activator_.GetObject(kSample)->Get(QStringLiteral("Value")), QVariant(11));
  activator_.CreateObject(kSample);
  EXPECT_EQ(ServerPid(bus_, kSample), pid);
}

TEST_F(AutomationOverBus, ValuesAndObjectsTravelBothWays) {
  const DispatchRef sample = activator_.CreateObject(kSample);
  const QVariantList values{QStringLiteral("Проверка ✓"),
                            42,
                            qlonglong(1) << 40,
                            2.5,
                            true,
                            QVariantList{1, QStringLiteral("a"), QVariantList{false, 0.25}},
                            QVariantList{},
                            QString()};
  for (const QVariant& value : values) {
    SCOPED_TRACE(value.toString().toStdString());
    const QVariant back = Call(*sample, QStringLiteral("Echo"), {value});
    EXPECT_EQ(back, value);
    EXPECT_EQ(back.metaType(), value.metaType());
  }
  EXPECT_FALSE(Call(*sample, QStringLiteral("Echo"), {QVariant()}).isValid());
  EXPECT_FALSE(Call(*sample, QStringLiteral("Echo"), {ObjectValue(nullptr)}).isValid());

  // The server's own objects keep their identity on the way out and back.
  const DispatchRef child = ObjectOf(sample->Get(QStringLiteral("Child")));
  ASSERT_NE(child, nullptr);
  child->Set(QStringLiteral("Value"), 7);
  const DispatchRef again = ObjectOf(sample->Get(QStringLiteral("Child")));
  EXPECT_EQ(again->Get(QStringLiteral("Value")), QVariant(7));
  EXPECT_EQ(Call(*sample, QStringLiteral("IsChild"), {ObjectValue(child)}), QVariant(true));
  EXPECT_EQ(Call(*sample, QStringLiteral("IsChild"), {ObjectValue(sample)}), QVariant(false));
  const DispatchRef echoed = ObjectOf(Call(*sample, QStringLiteral("Echo"), {ObjectValue(child)}));
  ASSERT_NE(echoed, nullptr);
  EXPECT_EQ(echoed->Get(QStringLiteral("Value")), QVariant(7));
}

TEST_F(AutomationOverBus, ByReferenceArgumentsComeBackChanged) {
  const DispatchRef sample = activator_.CreateObject(kSample);
  QVariantList args{QStringLiteral("left"), QVariantList{1, 2}};
  EXPECT_EQ(sample->Invoke(QStringLiteral("Swap"), args), QVariant(true));
  EXPECT_EQ(args, (QVariantList{QVariantList{1, 2}, QStringLiteral("left")}));
  QVariantList unchanged{QStringLiteral("same")};
  sample->Invoke(QStringLiteral("Echo"), unchanged);
  EXPECT_EQ(unchanged, QVariantList{QStringLiteral("same")});
}

TEST_F(AutomationOverBus, ServerCallsTheCallersObjectWhileTheCallerWaits) {
  const DispatchRef sample = activator_.CreateObject(kSample);
  const auto mine = std::make_shared<SampleObject>();
  EXPECT_EQ(Call(*sample, QStringLiteral("CallBack"),
                 {ObjectValue(mine), QStringLiteral("Echo"), QStringLiteral("ping")}),
            QVariant("ping"));
  EXPECT_EQ(mine->calls, 1);
  // The caller's object, sent back to the caller, is the caller's own object again.
  const DispatchRef returned = ObjectOf(Call(*sample, QStringLiteral("Echo"), {ObjectValue(mine)}));
  EXPECT_EQ(returned, mine);
  // A call on a second server object reaches the caller through the first server.
  const DispatchRef child = ObjectOf(sample->Get(QStringLiteral("Child")));
  EXPECT_EQ(Call(*sample, QStringLiteral("CallBack"),
                 {ObjectValue(child), QStringLiteral("CallBack"), ObjectValue(mine),
                  QStringLiteral("Echo"), 5}),
            QVariant(5));
  EXPECT_EQ(mine->calls, 2);
}

TEST_F(AutomationOverBus, CallsSentTogetherAreMadeInOrderAndStopAtTheFirstFailure) {
  const DispatchRef sample = activator_.CreateObject(kSample);
  const DispatchRef child = ObjectOf(sample->Get(QStringLiteral("Child")));
  using Kind = LateCall::Kind;
  const std::vector<QVariant> answers = CallTogether({
      {sample, Kind::Set, QStringLiteral("Value"), {5}},
      {sample, Kind::Get, QStringLiteral("Value"), {}},
      {sample, Kind::Invoke, QStringLiteral("Echo"), {ObjectValue(child)}},
      {child, Kind::Set, QStringLiteral("Value"), {QStringLiteral("дочерний")}},
      {sample, Kind::Invoke, QStringLiteral("IsChild"), {ObjectValue(child)}},
  });
  ASSERT_EQ(answers.size(), 5u);
  EXPECT_FALSE(answers[0].isValid());
  EXPECT_EQ(answers[1], QVariant(5));  // the set before it was made first
  const DispatchRef echoed = ObjectOf(answers[2]);
  ASSERT_NE(echoed, nullptr);
  EXPECT_EQ(echoed->Get(QStringLiteral("Value")), QVariant(QStringLiteral("дочерний")));
  EXPECT_EQ(answers[4], QVariant(true));
  EXPECT_EQ(sample->Get(QStringLiteral("Calls")), QVariant(1));

  // A failure names its member, and what follows it is not done.
  const AutomationError failure = ErrorOf([&] {
    CallTogether({{sample, Kind::Invoke, QStringLiteral("Echo"), {1}},
                  {sample, Kind::Invoke, QStringLiteral("Fail"), {QStringLiteral("сломано")}},
                  {sample, Kind::Set, QStringLiteral("Value"), {9}}});
  });
  EXPECT_EQ(failure.Member(), QStringLiteral("Fail"));
  EXPECT_EQ(failure.Reason(), QStringLiteral("сломано"));
  EXPECT_EQ(sample->Get(QStringLiteral("Value")), QVariant(5));
  EXPECT_EQ(sample->Get(QStringLiteral("Calls")), QVariant(2));
  EXPECT_EQ(ErrorOf([&] { CallTogether({{sample, Kind::Get, QStringLiteral("Nothing"), {}}}); })
                .Member(),
            QStringLiteral("Nothing"));
}

TEST_F(AutomationOverBus, FailuresInTheServerComeBackWithMemberAndReason) {
  const DispatchRef sample = activator_.CreateObject(kSample);
  const AutomationError failed =
      ErrorOf([&] { Call(*sample, QStringLiteral("Fail"), {QStringLiteral("no paper")}); });
  EXPECT_EQ(failed.Member(), QStringLiteral("Fail"));
  EXPECT_EQ(failed.Reason(), QStringLiteral("no paper"));
  const AutomationError unknown = ErrorOf([&] { sample->Get(QStringLiteral("Colour")); });
  EXPECT_EQ(unknown.Member(), QStringLiteral("Colour"));
  EXPECT_EQ(unknown.Reason(), QStringLiteral("the object has no such member"));
  const AutomationError untravelled =
      ErrorOf([&] { sample->Set(QStringLiteral("Value"), QDateTime::currentDateTime()); });
  EXPECT_EQ(untravelled.Member(), QStringLiteral("Value"));
  EXPECT_EQ(untravelled.Reason(), QStringLiteral("a value of type QDateTime cannot be passed"));
}

TEST_F(AutomationOverBus, ServerLeavingTheBusEndsTheCallAndEveryLaterOne) {
  const DispatchRef sample = activator_.CreateObject(kSample);
  const DispatchRef child = ObjectOf(sample->Get(QStringLiteral("Child")));
  QElapsedTimer clock;
  clock.start();
  const AutomationError vanished = ErrorOf([&] { Call(*sample, QStringLiteral("Vanish")); });
  EXPECT_EQ(vanished.Member(), QStringLiteral("Vanish"));
  EXPECT_LT(clock.elapsed(), 5000);
  EXPECT_THROW(child->Get(QStringLiteral("Value")), AutomationError);
  EXPECT_TRUE(WaitUntil([&] { return ServerPid(bus_, kSample) == 0; }));
  EXPECT_EQ(ErrorOf([&] { activator_.GetObject(kSample); }).Reason(),
            QStringLiteral("no instance is running"));
  // A new instance does not revive references to the old one.
  activator_.CreateObject(kSample);
  EXPECT_THROW(sample->Get(QStringLiteral("Value")), AutomationError);
}

TEST_F(AutomationOverBus, StartingAServerFailsWithItsReasonAndNeverHangs) {
  struct Case {
    QString servers;  // "" leaves Servers.ini out
    QString reason;
  };
  const QString ini = installation_.File(QStringLiteral("Servers.ini"));
  const std::vector<Case> cases{
      {QString(), ini + QStringLiteral(" is missing")},
      {QStringLiteral("[Servers]\r\nOther.Thing=x\r\n"),
       ini + QStringLiteral(" names no server for it")},
      {QStringLiteral("[Servers]\r\nTrellis.Sample=\"\r\n"),
       QStringLiteral("its server line in ") + ini + QStringLiteral(" is malformed")},
      {QStringLiteral("[Servers]\r\nTrellis.Sample=no-such-server --x\r\n"),
       QStringLiteral("the server program no-such-server named in ") + ini +
           QStringLiteral(" cannot be run")},
      {QStringLiteral("[Servers]\r\nTrellis.Sample=/bin/false\r\n"),
       QStringLiteral("the server /bin/false ended (exit code 1) before it took the bus name "
                      "org.trellis.progid.trellis.sample")},
      {QStringLiteral("[Servers]\r\nTrellis.Sample=/bin/sleep 30\r\n"),
       QStringLiteral("the server /bin/sleep did not take the bus name "
                      "org.trellis.progid.trellis.sample within 500 ms")},
  };
  // A connection of its own, so this activator can wait less than the fixture's.
  const QDBusConnection connection =
      QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("failures"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.servers.toStdString());
    QFile::remove(ini);
    if (!c.servers.isEmpty()) WriteServers(c.servers);
    BusActivator activator(installation_.Path(), connection, std::chrono::milliseconds(500));
    QElapsedTimer clock;
    clock.start();
    const AutomationError error = ErrorOf([&] { activator.CreateObject(kSample); });
    EXPECT_EQ(error.Member(), kSample);
    EXPECT_EQ(error.Reason(), c.reason);
    EXPECT_LT(clock.elapsed(), 5000);
  }
}

TEST(ServerLifeline, ServerEndsWhenItsBusCloses) {
  PrivateBus bus;
  ASSERT_FALSE(bus.Address().isEmpty());
  QProcess server;
  server.setProcessEnvironment(bus.Environment());
  server.start(QStringLiteral(TRELLIS_SAMPLE_SERVER), {kSample});
  ASSERT_TRUE(server.waitForStarted());
  const QDBusConnection connection = bus.Connect(QStringLiteral("lifeline"));
  EXPECT_TRUE(
      WaitUntil([&] { return ServerPid(connection, kSample) == qint64(server.processId()); }));
  bus.Stop();
  EXPECT_TRUE(server.waitForFinished(3000));
  QDBusConnection::disconnectFromBus(QStringLiteral("lifeline"));
}

}  // namespace
}  // namespace trellis::test
