#include "app/AppIdentity.h"
#include "app/SettingsStore.h"
#include "app/WorkingFolders.h"
#include "generator/ProgramExport.h"
#include "ui/ProgramEntry.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>
#include <cstring>

namespace {

// trellis --export-vb PROJECT.d01: the program project of a saved project, without a window
// (and without needing a display).
int ExportFromCommandLine(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(trellis::ProgramTitle());
  const QStringList args = app.arguments();
  const qsizetype at = args.indexOf(QStringLiteral("--export-vb"));
  QTextStream errors(stderr);
  trellis::SettingsStore settings(trellis::SettingsStore::DefaultFolder());
  return trellis::ExportProgramProject(args.value(at + 1), QCoreApplication::applicationDirPath(),
                                       settings, trellis::WorkingFolders::DefaultSystemDrive(), errors);
}

}  // namespace

int main(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--export-vb") == 0) return ExportFromCommandLine(argc, argv);
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(trellis::ProgramTitle());
  QApplication::setApplicationVersion(QStringLiteral(TRELLIS_VERSION));
  // --exit-after-start: start, show the window and end (for start-up time measurements).
  return trellis::RunProgram(app, app.arguments().contains(QStringLiteral("--exit-after-start")));
}
