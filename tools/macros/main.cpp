#include "app/ProgramLanguage.h"
#include "automation/AutomationError.h"
#include "automation/BusEndpoint.h"
#include "automation/BusLifeline.h"
#include "macros/MacroServer.h"
#include "macros/settings/ParametersDialog.h"

#include <QApplication>

#include <cstdio>

using namespace trellis;
using namespace trellis::macros;

namespace {

// Without a display the server still does the work that needs no dialog. False then.
bool ChooseOffscreenWithoutDisplay() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return false;
  }
  return qgetenv("QT_QPA_PLATFORM") != "offscreen";
}

}  // namespace

// trellis-macros [--automation]: the bundled macro server. It serves every class of the
// installation's macros on the session bus under its ProgID (Servers.ini starts it when the
// program asks for one of them and none runs) and ends when its bus connection closes.
int main(int argc, char** argv) {
  const bool screen = ChooseOffscreenWithoutDisplay();
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("trellis-macros"));
  app.setOrganizationName(QStringLiteral("Trellis"));
  app.setQuitOnLastWindowClosed(false);
  const ProgramLanguage language(app);

  ParametersDialogEditor editor(screen);
  std::shared_ptr<BusEndpoint> endpoint;
  try {
    endpoint = BusEndpoint::Open(QDBusConnection::sessionBus());
    for (const ServedClass& served : ServedClasses(editor)) endpoint->Publish(served.progId, served.make());
  } catch (const AutomationError& error) {
    std::fprintf(stderr, "trellis-macros: %s\n", error.what());
    return 2;
  }
  const BusLifeline lifeline(endpoint->Connection(), [] { QCoreApplication::quit(); });
  return app.exec();
}
