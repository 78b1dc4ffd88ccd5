#include "app/AppIdentity.h"
#include "ui/ProgramEntry.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(trellis::ProgramTitle());
  QApplication::setApplicationVersion(QStringLiteral(TRELLIS_VERSION));
  return trellis::RunProgram(app);
}
