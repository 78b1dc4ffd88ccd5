#include "BusTestSupport.h"
#include "MacroProject.h"

#include "automation/BusActivator.h"

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

}  // namespace
}  // namespace trellis::test
