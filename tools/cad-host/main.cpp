#include "automation/AutomationError.h"
#include "automation/BusEndpoint.h"
#include "automation/BusLifeline.h"
#include "cad-host/DrawingWindow.h"
#include "cad-host/HostApplication.h"
#include "cad-host/WholeDrawingPicker.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

using namespace trellis;
using namespace trellis::cadhost;

namespace {

// Without a display the host still serves its drawing, on Qt's offscreen platform.
void ChooseOffscreenWithoutDisplay() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
}

}  // namespace

// trellis-cad [--automation] [--path FOLDER] [PROGID]: the drawing host, serving its
// application object on the session bus as PROGID (default AutoCAD.Application). Started for
// automation it stays hidden until a client makes it visible; it ends when its window is
// closed, when a client calls Quit, or when its bus goes away.
int main(int argc, char** argv) {
  ChooseOffscreenWithoutDisplay();
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("trellis-cad"));

  QCommandLineParser parser;
  parser.addHelpOption();
  const QCommandLineOption automation(QStringLiteral("automation"),
                                      QStringLiteral("Started by a client: stay hidden."));
  const QCommandLineOption path(QStringLiteral("path"),
                                QStringLiteral("The host's installation folder (its Path)."),
                                QStringLiteral("folder"), QCoreApplication::applicationDirPath());
  parser.addOption(automation);
  parser.addOption(path);
  parser.addPositionalArgument(QStringLiteral("progid"), QStringLiteral("The ProgID to serve."));
  parser.process(app);
  const QString progId =
      parser.positionalArguments().value(0, QStringLiteral("AutoCAD.Application"));

  WholeDrawingPicker picker;
  DrawingWindow window;
  const auto application =
      HostApplication::Create(HostServices{picker, window}, parser.value(path));
  window.Attach(application);
  if (!parser.isSet(automation)) application->Set(QStringLiteral("Visible"), true);

  std::shared_ptr<BusEndpoint> endpoint;
  std::unique_ptr<BusLifeline> lifeline;
  try {
    endpoint = BusEndpoint::Open(QDBusConnection::sessionBus());
    endpoint->Publish(progId, application);
    lifeline =
        std::make_unique<BusLifeline>(endpoint->Connection(), [] { QCoreApplication::quit(); });
  } catch (const AutomationError& error) {
    std::fprintf(stderr, "trellis-cad: %s\n", error.what());
    if (parser.isSet(automation)) return 2;
  }
  return app.exec();
}
