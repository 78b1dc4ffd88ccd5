// A drawing host for the benchmarks: the host's model served on the session bus like
// trellis-cad, without a window, with a drawing of N lines on a grid, and a stand-in for the
// user who picks everything offered. The shipped host never answers a pick by itself; this one
// exists so a binding can be timed end to end.
#include "automation/AutomationError.h"
#include "automation/BusEndpoint.h"
#include "automation/BusLifeline.h"
#include "cad-host/HostApplication.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostModelSpace.h"

#include <QCoreApplication>

#include <cstdio>

using namespace trellis;
using namespace trellis::cadhost;

namespace {

class EverythingPicker : public Picker {
 public:
  EntityList Pick(const EntityList& candidates) override { return candidates; }
};


}  // namespace

// bench-cad-host PROGID LINES
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 3) return 2;
  EverythingPicker picker;
  NoWindow view;
  const auto application = HostApplication::Create({picker, view}, app.applicationDirPath(), args[1]);
  HostModelSpace& space = application->ActiveDocument()->ModelSpace();
  const int lines = args[2].toInt();
  for (int i = 0; i < lines; ++i) {
    space.AddLine({double(i % 100), double(i / 100), 0}, {double(i % 100) + 0.5, double(i / 100), 0});
  }
  try {
    const auto endpoint = BusEndpoint::Open(QDBusConnection::sessionBus());
    endpoint->Publish(args[1], application);
    BusLifeline lifeline(endpoint->Connection(), [] { QCoreApplication::quit(); });
    return app.exec();
  } catch (const AutomationError& error) {
    std::fprintf(stderr, "bench-cad-host: %s\n", error.what());
    return 1;
  }
}
