#include "BusTestSupport.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include "app/SettingsStore.h"
#include "automation/BusActivator.h"
#include "automation/ServerCommand.h"
#include "cad/CadConnection.h"
#include "cad/WindowSwitcher.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace trellis::test {
namespace {

const QString kAutoCad = QStringLiteral("AutoCAD.Application");

// The program and trellis-cad on a private bus: the installation's Servers.ini names the built
// host, started for automation with a host folder of the test's own.
class CadOverBus : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(bus_.isConnected());
    ASSERT_EQ(ServerPid(bus_, kAutoCad), 0) << "a host is already running";
    WriteBytes(installation_.File(QStringLiteral("Servers.ini")),
               QStringLiteral("[Servers]\r\nAutoCAD.Application=\"%1\" --automation --path \"%2\" "
                              "AutoCAD.Application\r\n")
                   .arg(QStringLiteral(TRELLIS_CAD_HOST), hostFolder_.Path())
                   .toUtf8());
  }
  void TearDown() override { EndServer(bus_, kAutoCad); }

  QDBusConnection bus_ = QDBusConnection::sessionBus();
  TempFolder installation_;
  TempFolder hostFolder_;
  TempFolder settingsFolder_;
  SettingsStore settings_{settingsFolder_.Path()};
  ScriptedPrompter prompter_;
  NoWindowSwitcher windows_;
  BusActivator activator_{installation_.Path()};
  CadConnection cad_{
      CadServices{activator_, settings_, prompter_, windows_, installation_.Path(), QString()}};
};

TEST_F(CadOverBus, HostIsStartedWhenNoneRunsAndServesTheDrawing) {
  ASSERT_TRUE(cad_.ConnectCad(false));
  EXPECT_NE(ServerPid(bus_, kAutoCad), 0);
  EXPECT_TRUE(prompter_.Messages().empty());
  EXPECT_TRUE(cad_.Application().Visible());
  EXPECT_EQ(cad_.Application().Path(), hostFolder_.Path());
  const CadDocument& document = cad_.Document();
  EXPECT_FALSE(document.Layers().Item(QStringLiteral("KS_FEM_R")).Handle().isEmpty());

  const CadModelSpace space = document.ModelSpace();
  const CadEntity line = space.AddLine({0, 0, 0}, {2, 0, 0});
  const CadEntity point = space.AddPoint({1, 1, 0});
  const CadGroup group = cad_.Groups().Add(QStringLiteral("KS_FEM_L_001"));
  group.AppendItems({line, point});
  EXPECT_EQ(cad_.Groups().Item(QStringLiteral("ks_fem_l_001")).Count(), 2);
  EXPECT_EQ(group.Item(0).ObjectName(), QStringLiteral("AcDbLine"));
  EXPECT_EQ(group.Item(1).Coordinates(), (CadPoint{1, 1, 0}));

  // The user's pick itself is the window's business (its tests drive the mouse).
  cad_.InitSelectionSet();
  cad_.SelectionSet().AddItems({point});
  ASSERT_EQ(cad_.SelectionSet().Count(), 1);
  EXPECT_EQ(cad_.SelectionSet().Item(0).Handle(), point.Handle());

  document.SetVariable(QStringLiteral("PICKSTYLE"), QVariant::fromValue(short(0)));
  EXPECT_EQ(document.GetVariable(QStringLiteral("PICKSTYLE")), QVariant(0));
  cad_.SendCadCommand(QStringLiteral("_-group _s KS_FEM_L_001 "), false);
  EXPECT_EQ(group.Object()->Get(QStringLiteral("Selectable")), QVariant(false));
  cad_.RunCadMacro(QStringLiteral("Missing"));
  ASSERT_EQ(prompter_.Messages().size(), 1u);
  EXPECT_TRUE(prompter_.Messages()[0].text.endsWith(QStringLiteral("Trellis CAD")));
}

TEST_F(CadOverBus, ClosedHostIsReportedByTheNextConnectionUntilOneRunsAgain) {
  ASSERT_TRUE(cad_.ConnectCad(false));
  const CadDocument old = cad_.Document();
  EndServer(bus_, kAutoCad);
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(cad_.ConnectCad(false));
  EXPECT_LT(clock.elapsed(), 2000);
  ASSERT_EQ(prompter_.Messages().size(), 1u);
  EXPECT_EQ(prompter_.Messages()[0].caption, QString());
  EXPECT_THROW(old.Layers(), AutomationError);
  EXPECT_EQ(ServerPid(bus_, kAutoCad), 0);  // a bound host is not restarted

  activator_.CreateObject(kAutoCad);  // the user starts the host again
  ASSERT_TRUE(cad_.ConnectCad(false));
  EXPECT_NE(cad_.Document().Object(), old.Object());
  EXPECT_EQ(cad_.Groups().Count(), 0);
}

TEST(DefaultInstallation, ServersIniMapsBothHostsToTheBundledHost) {
  const QString installation = QFileInfo(QStringLiteral(TRELLIS_CAD_HOST)).absolutePath();
  for (const QString& progId : {kAutoCad, QStringLiteral("zwcad.application")}) {
    const ServerCommand command = ServerCommandFor(installation, progId);
    EXPECT_EQ(command.program, QStringLiteral(TRELLIS_CAD_HOST));
    EXPECT_EQ(command.arguments.first(), QStringLiteral("--automation"));
    EXPECT_EQ(command.arguments.last().toLower(), progId.toLower());
  }
}

}  // namespace
}  // namespace trellis::test
