#include "app/AppIdentity.h"
#include "ui/ProgramEntry.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(trellis::ProgramTitle());
  QApplication::setApplicationVersion(QStringLiteral(TRELLIS_VERSION));
  // --exit-after-start: start, show the window and end (for start-up time measurements).
  return trellis::RunProgram(app, app.arguments().contains(QStringLiteral("--exit-after-start")));
}
