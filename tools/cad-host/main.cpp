#include "app/ProgramLanguage.h"
#include "automation/AutomationError.h"
#include "automation/BusEndpoint.h"
#include "automation/BusLifeline.h"
#include "cad-host/DrawingWindow.h"
#include "cad-host/HostApplication.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostDocuments.h"
#include "cad-host/ScreenPicker.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>
#include <cstring>

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

// A conversion has no user to pick anything.
class NoPicker : public Picker {
 public:
  EntityList Pick(const EntityList&) override { return {}; }
};

// trellis-cad --convert IN OUT: reads the drawing and writes it back, with no window.
int Convert(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "trellis-cad: --convert takes a drawing to read and one to write\n");
    return 1;
  }
  NoPicker picker;
  NoWindow view;
  const auto application = HostApplication::Create(HostServices{picker, view},
                                                   QCoreApplication::applicationDirPath());
  try {
    const auto document = application->Documents().Open(QString::fromLocal8Bit(argv[2]));
    document->SaveAs(QString::fromLocal8Bit(argv[3]));
  } catch (const AutomationError& error) {
    std::fprintf(stderr, "trellis-cad: %s\n", qUtf8Printable(error.Reason()));
    return 1;
  }
  return 0;
}

}  // namespace

// trellis-cad [--automation] [--path FOLDER] [PROGID | FILE.dxf]: the drawing host, serving
// its application object on the session bus as PROGID (default AutoCAD.Application). Started
// for automation it stays hidden until a client makes it visible; it ends when its window is
// closed, when a client calls Quit, or when its bus goes away. A drawing named on the command
// line opens in the window.
// trellis-cad --convert IN.dxf OUT.dxf: reads a drawing and writes it again, without a window.
int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--convert") == 0) return Convert(argc, argv);
  ChooseOffscreenWithoutDisplay();
  QApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("trellis-cad"));
  app.setOrganizationName(QStringLiteral("Trellis"));
  const trellis::ProgramLanguage language(app);

  QCommandLineParser parser;
  parser.addHelpOption();
  const QCommandLineOption automation(QStringLiteral("automation"),
                                      QStringLiteral("Started by a client: stay hidden."));
  const QCommandLineOption path(QStringLiteral("path"),
                                QStringLiteral("The host's installation folder (its Path)."),
                                QStringLiteral("folder"), QCoreApplication::applicationDirPath());
  parser.addOption(automation);
  parser.addOption(path);
  parser.addPositionalArgument(QStringLiteral("progid"),
                               QStringLiteral("The ProgID to serve, or a drawing to open."));
  parser.process(app);
  QString progId = QStringLiteral("AutoCAD.Application");
  QString drawing;
  for (const QString& argument : parser.positionalArguments()) {
    if (argument.endsWith(QLatin1String(".dxf"), Qt::CaseInsensitive)) {
      drawing = argument;
    } else {
      progId = argument;
    }
  }

  DrawingWindow window;
  ScreenPicker picker(window);
  const auto application =
      HostApplication::Create(HostServices{picker, window}, parser.value(path), progId);
  window.Attach(application);
  if (!parser.isSet(automation)) application->Set(QStringLiteral("Visible"), true);
  // Opened once the window shows, so a failure is told over it.
  if (!drawing.isEmpty()) QTimer::singleShot(0, &window, [&window, drawing] { window.OpenFile(drawing); });

  std::shared_ptr<BusEndpoint> endpoint;
  std::unique_ptr<BusLifeline> lifeline;
  try {
    endpoint = BusEndpoint::Open(QDBusConnection::sessionBus());
    endpoint->Publish(progId, application);
    lifeline =
        std::make_unique<BusLifeline>(endpoint->Connection(), [&window] { window.QuitRequested(); });
    // Nobody is left to take the answer of a pick the departed client asked for.
    QObject::connect(endpoint.get(), &BusEndpoint::PeerLeft, &window,
                     [&window](const QString&) { window.ClientLeft(); });
  } catch (const AutomationError& error) {
    std::fprintf(stderr, "trellis-cad: %s\n", error.what());
    if (parser.isSet(automation)) return 2;
  }
  return app.exec();
}
