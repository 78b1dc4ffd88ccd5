#include "SampleObject.h"

#include "automation/AutomationError.h"
#include "automation/BusEndpoint.h"
#include "automation/BusLifeline.h"

#include <QCoreApplication>

#include <cstdio>

// Serves a SampleObject on the session bus for the ProgID given as the first argument.
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QString progId = app.arguments().value(1, QStringLiteral("Trellis.Sample"));
  try {
    const auto endpoint = trellis::BusEndpoint::Open(QDBusConnection::sessionBus());
    endpoint->Publish(progId, std::make_shared<trellis::test::SampleObject>());
    trellis::BusLifeline lifeline(endpoint->Connection(), [] { QCoreApplication::quit(); });
    return app.exec();
  } catch (const trellis::AutomationError& error) {
    std::fprintf(stderr, "sample server: %s\n", error.what());
    return 2;
  }
}
