#include "BusTestSupport.h"
#include "ScriptedPicker.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include "app/SettingsStore.h"
#include "automation/InProcessActivator.h"
#include "cad-host/HostApplication.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostGroups.h"
#include "cad-host/HostSelectionSets.h"
#include "cad/CadConnection.h"
#include "cad/WindowSwitcher.h"

#include <QDir>

#include <gtest/gtest.h>

namespace trellis::test {
namespace {

const QString kStartTheHost = QStringLiteral(
    "Запустите графический редактор (AutoCAD или его аналог - выбор в окне Параметры)");

// The in-process registry, noting what the connection asks of it.
class RecordingActivator : public Activator {
 public:
  DispatchRef GetObject(const QString& progId) override {
    asked << QStringLiteral("get ") + progId;
    return registry.GetObject(progId);
  }
  DispatchRef CreateObject(const QString& progId) override {
    asked << QStringLiteral("create ") + progId;
    return registry.CreateObject(progId);
  }
  InProcessActivator registry;
  QStringList asked;
};

class RecordingSwitcher : public WindowSwitcher {
 public:
  void ActivateApplication(const QString& title) override {
    calls << QStringLiteral("app ") + title;
  }
  void ActivateWindow(qint64 handle) override { calls << QStringLiteral("window %1").arg(handle); }
  QStringList calls;
};

class ConnectCadRules : public ::testing::Test {
 protected:
  std::shared_ptr<cadhost::HostApplication> NewHost() {
    return cadhost::HostApplication::Create({picker_, view_}, hostFolder_.Path());
  }
  // The factory the registry starts hosts with; Made counts them.
  void RegisterHost(const QString& progId) {
    activator_.registry.Register(progId, [this] {
      ++made_;
      lastHost_ = NewHost();
      return lastHost_;
    });
  }
  void ChooseHost(const QString& prefix, const QString& version = QString()) {
    settings_.SaveSetting(u"Trellis", u"Main", u"ACADProg", prefix);
    settings_.SaveSetting(u"Trellis", u"Main", u"ACADVer", version);
  }
  std::unique_ptr<CadConnection> NewConnection() {
    return std::make_unique<CadConnection>(
        CadServices{activator_, settings_, prompter_, windows_, programFolder_.Path(), QString()});
  }

  TempFolder settingsFolder_;
  TempFolder programFolder_;
  TempFolder hostFolder_;
  SettingsStore settings_{settingsFolder_.Path()};
  ScriptedPrompter prompter_;
  ScriptedPicker picker_;
  cadhost::NoWindow view_;
  RecordingActivator activator_;
  RecordingSwitcher windows_;
  int made_ = 0;
  std::shared_ptr<cadhost::HostApplication> lastHost_;
  std::unique_ptr<CadConnection> cad_ = NewConnection();
};

TEST_F(ConnectCadRules, ProgIdComesFromTheChosenHostAndVersion) {
  struct Case {
    QString prefix, version, progId;
    bool autoCad;
  };
  const std::vector<Case> cases{
      {QStringLiteral("AutoCAD"), QString(), QStringLiteral("AutoCAD.Application"), true},
      {QStringLiteral("AutoCAD"), QStringLiteral("18"), QStringLiteral("AutoCAD.Application.18"),
       true},
      {QStringLiteral("autocad"), QString(), QStringLiteral("autocad.Application"), true},
      {QStringLiteral("ZWCAD"), QString(), QStringLiteral("ZWCAD.Application"), false},
      {QStringLiteral("GstarCAD"), QStringLiteral("2"), QStringLiteral("GstarCAD.Application.2"),
       false},
  };
  EXPECT_FALSE(cad_->ConnectCad(false));  // nothing stored: AutoCAD without version
  EXPECT_EQ(activator_.asked, (QStringList{QStringLiteral("get AutoCAD.Application"),
                                           QStringLiteral("create AutoCAD.Application")}));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.progId.toStdString());
    ChooseHost(c.prefix, c.version);
    activator_.asked.clear();
    EXPECT_FALSE(cad_->ConnectCad(false));
    EXPECT_EQ(activator_.asked, (QStringList{QStringLiteral("get ") + c.progId,
                                             QStringLiteral("create ") + c.progId}));
    EXPECT_EQ(cad_->Host().isAutoCad, c.autoCad);
  }
  ASSERT_EQ(prompter_.Messages().size(), cases.size() + 1);
  const Message& message = prompter_.Messages().front();
  EXPECT_EQ(message.text, kStartTheHost);
  EXPECT_EQ(message.caption, QString());
  EXPECT_EQ(message.buttons, MessageButtons::Ok);
  EXPECT_EQ(message.icon, MessageIcon::Information);
}

TEST_F(ConnectCadRules, AutoCadModeInAnyLetterCaseLoadsItsProjectOtherHostsDoNot) {
  const QString project = programFolder_.File(QStringLiteral("TR_AC.dvb"));
  WriteBytes(project, "project");
  for (const QString& prefix : {QStringLiteral("autocad"), QStringLiteral("AUTOCAD"),
                                QStringLiteral("ZWCAD"), QStringLiteral("GstarCAD")}) {
    SCOPED_TRACE(prefix.toStdString());
    ChooseHost(prefix);
    RegisterHost(prefix + QStringLiteral(".Application"));
    cad_ = NewConnection();
    ASSERT_TRUE(cad_->ConnectCad(false));
    const bool autoCad = prefix.toLower() == QLatin1String("autocad");
    EXPECT_EQ(lastHost_->LoadedProjects(), autoCad ? QStringList{project} : QStringList{});
    // Only ZwCAD gets its autoload lists.
    const QString list = hostFolder_.File(QStringLiteral("appload.dfs"));
    EXPECT_EQ(QFile::exists(list), prefix == QLatin1String("ZWCAD"));
    QFile::remove(list);
  }
}

TEST_F(ConnectCadRules, FirstConnectionShowsARunningHostOnceAndSetsUpTheDrawing) {
  const auto host = NewHost();
  activator_.registry.SetRunning(QStringLiteral("AutoCAD.Application"), host);
  ASSERT_TRUE(cad_->ConnectCad(false));
  EXPECT_EQ(activator_.asked, QStringList{QStringLiteral("get AutoCAD.Application")});
  EXPECT_TRUE(host->Visible());
  EXPECT_EQ(host->WindowState(), 1);
  EXPECT_EQ(host->Updates(), 1);
  EXPECT_EQ(cad_->Document().Object(), host->ActiveDocument());
  EXPECT_EQ(cad_->Groups().Count(), 0);
  EXPECT_FALSE(cad_->Document().Layers().Item(QStringLiteral("KS_FEM_R")).Handle().isEmpty());

  CadApplication(host).SetVisible(false);
  CadApplication(host).SetWindowState(2);
  ASSERT_TRUE(cad_->ConnectCad(false));
  EXPECT_FALSE(host->Visible());
  EXPECT_EQ(host->WindowState(), 2);
  EXPECT_EQ(host->Updates(), 1);
  EXPECT_TRUE(prompter_.Messages().empty());
}

TEST_F(ConnectCadRules, HostIsStartedOnlyWhileNoneWasBoundAndAGoneHostIsReported) {
  RegisterHost(QStringLiteral("AutoCAD.Application"));
  ASSERT_TRUE(cad_->ConnectCad(false));
  EXPECT_EQ(made_, 1);
  EXPECT_TRUE(lastHost_->Visible());
  activator_.registry.Revoke(QStringLiteral("AutoCAD.Application"));  // the host was closed
  activator_.asked.clear();
  EXPECT_FALSE(cad_->ConnectCad(false));
  EXPECT_FALSE(cad_->ConnectCad(true));
  EXPECT_EQ(activator_.asked, (QStringList{QStringLiteral("get AutoCAD.Application"),
                                           QStringLiteral("get AutoCAD.Application")}));
  EXPECT_EQ(made_, 1);
  ASSERT_EQ(prompter_.Messages().size(), 1u);
  EXPECT_EQ(prompter_.Messages()[0].text, kStartTheHost);

  const auto next = NewHost();  // the user starts the host again
  activator_.registry.SetRunning(QStringLiteral("AutoCAD.Application"), next);
  ASSERT_TRUE(cad_->ConnectCad(false));
  EXPECT_EQ(cad_->Document().Object(), next->ActiveDocument());
  EXPECT_FALSE(next->Visible());  // only the first connection shows the host

  // Another host chosen in the parameters is started, though one was bound before.
  RegisterHost(QStringLiteral("ZWCAD.Application"));
  ChooseHost(QStringLiteral("ZWCAD"));
  activator_.asked.clear();
  ASSERT_TRUE(cad_->ConnectCad(false));
  EXPECT_EQ(activator_.asked, (QStringList{QStringLiteral("get ZWCAD.Application"),
                                           QStringLiteral("create ZWCAD.Application")}));
  EXPECT_EQ(cad_->Document().Object(), lastHost_->ActiveDocument());
}

TEST_F(ConnectCadRules, ServicesAroundTheConnection) {
  cad_->InitSelectionSet();
  EXPECT_FALSE(cad_->SelectionSet().IsSet());
  cad_->SendCadCommand(QStringLiteral("_regen"), true);  // no host: reported, nothing sent
  ASSERT_EQ(prompter_.Messages().size(), 1u);

  RegisterHost(QStringLiteral("AutoCAD.Application"));
  ASSERT_TRUE(cad_->ConnectCad(false));
  cadhost::HostDocument& document = *lastHost_->ActiveDocument();
  document.Groups().Add(QStringLiteral("G"));
  cad_->SendCadCommand(QStringLiteral("_-group _s G "), false);
  EXPECT_FALSE(document.Groups().Find(QStringLiteral("G"))->selectable);

  const CadSelectionSet set = cad_->GetSelectionSet(QStringLiteral("Kestrel_SSET"));
  EXPECT_EQ(cad_->GetSelectionSet(QStringLiteral("kestrel_sset")).Object(), set.Object());
  set.AddItems({cad_->Document().ModelSpace().AddPoint({0, 0, 0})});
  cad_->InitSelectionSet();
  EXPECT_EQ(cad_->SelectionSet().Object(), set.Object());
  EXPECT_EQ(set.Count(), 0);

  cad_->Document().SetVariable(QStringLiteral("USERS1"), QStringLiteral("G"));
  cad_->RunCadMacro(QStringLiteral("SetGroup"));
  ASSERT_EQ(prompter_.Messages().size(), 1u);
  cad_->RunCadMacro(QStringLiteral("SelectAll"));
  ASSERT_EQ(prompter_.Messages().size(), 2u);
  const Message& missing = prompter_.Messages().back();
  EXPECT_EQ(missing.text, QStringLiteral("Макрос SelectAll не найден.\r\n\r\nПроверьте подключение "
                                         "VBA приложений в Trellis CAD"));
  EXPECT_EQ(missing.caption, QStringLiteral("Ошибка запуска макроса VBA"));
  EXPECT_EQ(missing.icon, MessageIcon::Exclamation);

  const int updates = lastHost_->Updates();
  cad_->ActivateCadWindow();
  EXPECT_EQ(windows_.calls, (QStringList{QStringLiteral("app Trellis CAD - [Drawing1.dxf]"),
                                         QStringLiteral("window 0")}));
  EXPECT_EQ(document.Activations(), 1);
  EXPECT_EQ(lastHost_->Updates(), updates + 1);
}

}  // namespace
}  // namespace trellis::test
