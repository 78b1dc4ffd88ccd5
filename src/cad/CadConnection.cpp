#include "cad/CadConnection.h"

#include "app/Pause.h"
#include "app/Prompter.h"
#include "automation/Activator.h"
#include "automation/AutomationError.h"
#include "cad/CadAddIn.h"
#include "cad/WindowSwitcher.h"

#include <QCoreApplication>

namespace trellis {

namespace {

// Runs one step whose failure the routine ignores, unless the user stopped it.
template <typename Step>
void Try(Step step) {
  try {
    step();
  } catch (const CallAbandoned&) {
    throw;
  } catch (const AutomationError&) {
  }
}

}  // namespace

CadConnection::CadConnection(CadServices services) : services_(std::move(services)) {}

bool CadConnection::ConnectCad(bool silent) {
  const CadHostChoice chosen = ReadCadHostChoice(services_.settings);
  // Another host chosen in the parameters since the last connection: the one bound is let go,
  // so the chosen one is found, or started, as a first one would be.
  if (application_.IsSet() && chosen.ProgId().compare(host_.ProgId(), Qt::CaseInsensitive) != 0) {
    application_ = CadApplication();
    document_ = CadDocument();
    groups_ = CadGroups();
    selectionSet_ = CadSelectionSet();
  }
  host_ = chosen;
  const bool wasUnset = !application_.IsSet();
  bool failed = false;
  try {
    application_ = CadApplication(services_.activator.GetObject(host_.ProgId()));
  } catch (const CallAbandoned&) {
    throw;
  } catch (const AutomationError&) {
    failed = true;
  }
  // A host is started only while none was ever bound; a bound host that has gone is reported.
  if (!application_.IsSet()) {
    failed = false;
    try {
      application_ = CadApplication(services_.activator.CreateObject(host_.ProgId()));
    } catch (const CallAbandoned&) {
      throw;
    } catch (const AutomationError&) {
      failed = true;
    }
  }
  if (failed) {
    if (!silent) {
      services_.prompter.Ask(
          Message{QCoreApplication::translate("CadConnection",
                                              "Запустите графический редактор (AutoCAD или "
                                              "его аналог - выбор в окне Параметры)"),
                  QString(), MessageButtons::Ok, MessageIcon::Information});
    }
    return false;
  }
  InstallAddIn();
  Try([this] { document_ = application_.ActiveDocument(); });
  Try([this] { groups_ = document_.Groups(); });
  EnsureServiceLayer();
  if (wasUnset) {
    Try([this] { application_.SetVisible(true); });
    Try([this] { application_.SetWindowState(1); });
    Try([this] { application_.Update(); });
  }
  return true;
}

void CadConnection::InstallAddIn() {
  if (host_.isAutoCad) {
    LoadAutoCadAddIn(application_, services_.programFolder);
  } else {
    InstallZwCadAddIn(
        application_, host_,
        AddInContext{services_.programFolder, services_.userProfile, services_.prompter});
  }
}

void CadConnection::ActivateCadWindow() {
  // A minimised host window is restored first: activating it alone would leave it an icon.
  Try([this] {
    if (application_.WindowState() == 2) application_.SetWindowState(1);
  });
  Try([this] { services_.windows.ActivateApplication(application_.Caption()); });
  Try([this] { services_.windows.ActivateWindow(document_.Hwnd()); });
  QCoreApplication::processEvents();
  Try([this] { document_.Activate(); });
  QCoreApplication::processEvents();
  Try([this] { application_.Update(); });
  QCoreApplication::processEvents();
}

void CadConnection::SendCadCommand(const QString& command, bool activate) {
  if (activate) {
    if (!ConnectCad(false)) return;
    Try([this] { services_.windows.ActivateApplication(application_.Caption()); });
  }
  Try([&] { document_.SendCommand(command + u'\r'); });
  Pause(0.05f);
}

void CadConnection::RunCadMacro(const QString& name) {
  try {
    document_.Application().RunMacro(name);
  } catch (const CallAbandoned&) {
    throw;
  } catch (const AutomationError&) {
    QString hostName;
    Try([&] { hostName = document_.Application().Name(); });
    services_.prompter.Ask(
        Message{QCoreApplication::translate(
                    "CadConnection",
                    "Макрос %1 не найден.\r\n\r\nПроверьте подключение VBA приложений в %2")
                    .arg(name, hostName),
                QCoreApplication::translate("CadConnection", "Ошибка запуска макроса VBA"),
                MessageButtons::Ok, MessageIcon::Exclamation});
  }
}

CadSelectionSet CadConnection::GetSelectionSet(const QString& name) {
  CadSelectionSet set;
  Try([&] { set = document_.SelectionSets().Add(name); });
  if (!set.IsSet()) Try([&] { set = document_.SelectionSets().Item(name); });
  return set;
}

void CadConnection::InitSelectionSet() {
  if (!application_.IsSet()) return;
  selectionSet_ = GetSelectionSet(QStringLiteral("Kestrel_SSET"));
  Try([this] { selectionSet_.Clear(); });
}

void CadConnection::EnsureServiceLayer() {
  Try([this] { document_.Layers().Add(QStringLiteral("KS_FEM_R")); });
}

}  // namespace trellis
