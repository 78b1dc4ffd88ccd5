#include "BusTestSupport.h"
#include "MacroProject.h"

#include "automation/BusActivator.h"
#include "automation/Arguments.h"

#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

namespace trellis::test {
namespace {

const QString kHost = QStringLiteral("AutoCAD.Application");
const QString kScheme = QStringLiteral("Trellis.Scheme");

// The installation as it ships: Servers.ini starts trellis-cad and trellis-macros from the
// build's program folder, each in its own process on this test's private bus.
class MacrosOverBus : public ::testing::Test {
 protected:
  void SetUp() override {
    project_.document = CadApplication(activator_.CreateObject(kHost)).ActiveDocument();
    project_.DrawTwoBayFrame();
  }
  void TearDown() override {
    EndServer(bus_, kScheme);
    EndServer(bus_, kHost);
  }

  QDBusConnection bus_ = QDBusConnection::sessionBus();
  MacroProject project_;
  BusActivator activator_{project_.program};
};

TEST_F(MacrosOverBus, TheServerStartedByItsProgIdBuildsTheSchemeFromTheHostsDrawingAndReportsBack) {
  const DispatchRef macro = activator_.CreateObject(kScheme);
  project_.Run(*macro, QStringLiteral("Build"));
  EXPECT_EQ(project_.Read(QStringLiteral("NumEl")).RowCount(), 7);
  EXPECT_TRUE(project_.window->calls.contains(QStringLiteral("TablesChanged")));
  EXPECT_EQ(project_.window->calls.last(),
            QStringLiteral("Status Расчетная схема построена: узлов 8 (основных 7), элементов 7"));
  // Every class of the installation is served by the one process.
  for (const char* progId : {"Trellis.Parameters", "Trellis.SchemeCheck", "Trellis.ServiceLayers"}) {
    EXPECT_EQ(ServerPid(bus_, QLatin1String(progId)), ServerPid(bus_, kScheme)) << progId;
  }
}

TEST_F(MacrosOverBus, AServerThatDiesInTheMiddleOfACallEndsTheCallWithoutAHang) {
  const DispatchRef macro = activator_.CreateObject(kScheme);
  project_.window->onCall = [this](const QString& call) {
    if (call.startsWith(QLatin1String("Status"))) EndServer(bus_, kScheme);
  };
  EXPECT_THROW(project_.Run(*macro, QStringLiteral("Build")), ServerLeft);
  EXPECT_EQ(project_.Read(QStringLiteral("NumEl")).RowCount(), 0);
}

// The program's stop panel sets StopEx while it waits for the macro; the server sees it while
// the solver runs and ends it.
TEST_F(MacrosOverBus, AStopRequestDuringTheCallEndsTheRunningSolver) {
  TempFolder bin;
  const QString solver = bin.File(QStringLiteral("ccx"));
  WriteBytes(solver, "#!/bin/sh\necho $$ > pid\necho ' STEP 1'\nsleep 60\n");
  QFile::setPermissions(solver, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("TRELLIS_CCX", solver.toUtf8());  // the server started below inherits it
  const DispatchRef scheme = activator_.CreateObject(kScheme);
  project_.Run(*scheme, QStringLiteral("Build"));
  qunsetenv("TRELLIS_CCX");
  project_.WriteTable(QStringLiteral("Materials"), {{"1", "Сталь", "", "200000", "0,3"}});
  project_.WriteTable(QStringLiteral("SecBH"), {{"1", "1", "", "Прямоугольник", "1", "", "20", "40"}});
  project_.WriteTable(QStringLiteral("Elements"), {{"1", "Колонны", "Стержень", "1", "", "1"},
                                                   {"2", "Ригель", "Стержень", "1", "", "1", "", "", "", "", "3"}});
  project_.WriteTable(QStringLiteral("Locking"), {{"1", "1", "", "·", "·", "·", "·", "·", "·"}});
  project_.WriteTable(QStringLiteral("Loads"), {{"1", "Груз"}});
  project_.WriteTable(QStringLiteral("p"), {{"1", "1", "", "2", "", "", "", "-50"}});

  const DispatchRef calculation = activator_.CreateObject(QStringLiteral("Trellis.Calculation"));
  project_.window->onCall = [&calculation](const QString& call) {
    if (call.startsWith(QStringLiteral("Status Расчет CalculiX: загружение 1"))) {
      QTimer::singleShot(0, [&calculation] { calculation->Set(QStringLiteral("StopEx"), true); });
    }
  };
  project_.Run(*calculation, QStringLiteral("Run"));
  EXPECT_TRUE(project_.window->calls.last().startsWith(QStringLiteral("Message Расчет остановлен")))
      << project_.window->calls.join(u'\n').toStdString();
  const QByteArray pid = ReadBytes(project_.working.File("calculix/pid")).trimmed();
  ASSERT_FALSE(pid.isEmpty());
  EXPECT_FALSE(QFile::exists(QStringLiteral("/proc/") + QString::fromLatin1(pid)));
  EXPECT_EQ(project_.Read(QStringLiteral("Displacements")).RowCount(), 0);
}

}  // namespace
}  // namespace trellis::test
