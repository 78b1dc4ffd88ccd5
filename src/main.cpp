#include "app/AppIdentity.h"
#include "app/ProgramLanguage.h"
#include "app/SettingsStore.h"
#include "app/WorkingFolders.h"
#include "generator/ProgramExport.h"
#include "macros/calc/CalculateCommand.h"
#include "project/ArchiveCommandLine.h"
#include "ui/ProgramEntry.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

bool HasOption(int argc, char* argv[], const char* option) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], option) == 0) return true;
  }
  return false;
}

// trellis --export-vb PROJECT.d01: the program project of a saved project, without a window
// (and without needing a display).
int ExportFromCommandLine(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const trellis::ProgramLanguage language(app);
  QCoreApplication::setApplicationName(trellis::ProgramTitle());
  const QStringList args = app.arguments();
  const qsizetype at = args.indexOf(QStringLiteral("--export-vb"));
  QTextStream errors(stderr);
  trellis::SettingsStore settings(trellis::SettingsStore::DefaultFolder());
  return trellis::ExportProgramProject(args.value(at + 1), QCoreApplication::applicationDirPath(),
                                       settings, trellis::WorkingFolders::DefaultSystemDrive(), errors);
}

// trellis --archive PROJECT.d01 ARCHIVE.zip: the archive of a project's folder, without a window.
int ArchiveFromCommandLine(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const trellis::ProgramLanguage language(app);
  QTextStream errors(stderr);
  return *trellis::RunArchiveCommandLine(app.arguments(), errors);
}

// trellis --calculate PROJECT.d01: the calculation of a saved project, without a window.
int CalculateFromCommandLine(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const trellis::ProgramLanguage language(app);
  QCoreApplication::setApplicationName(trellis::ProgramTitle());
  QTextStream errors(stderr);
  return trellis::macros::calc::CalculateFromCommandLine(
      app.arguments(), QCoreApplication::applicationDirPath(), errors);
}

// The first argument that is no option names a project to open (a file manager passes it so).
trellis::ProgramOptions WindowOptions(const QStringList& args) {
  trellis::ProgramOptions options;
  options.exitWhenShown = args.contains(QStringLiteral("--exit-after-start"));
  for (const QString& arg : args.mid(1)) {
    if (!arg.startsWith(QLatin1String("--"))) {
      options.projectToOpen = QDir::toNativeSeparators(QFileInfo(arg).absoluteFilePath());
      break;
    }
  }
  return options;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Beyond a file-size limit a write is to fail and be reported like a full disk, not to end
  // the program with half-written files behind it.
  std::signal(SIGXFSZ, SIG_IGN);
  if (HasOption(argc, argv, "--export-vb")) return ExportFromCommandLine(argc, argv);
  if (HasOption(argc, argv, "--archive")) return ArchiveFromCommandLine(argc, argv);
  if (HasOption(argc, argv, "--calculate")) return CalculateFromCommandLine(argc, argv);
  QApplication app(argc, argv);
  QApplication::setApplicationName(trellis::ProgramTitle());
  QApplication::setApplicationVersion(QStringLiteral(TRELLIS_VERSION));
  // The desktop entry the window belongs to (its icon and name in the task bar).
  QGuiApplication::setDesktopFileName(QStringLiteral("trellis"));
  const trellis::ProgramLanguage language(app);
  return trellis::RunProgram(app, WindowOptions(app.arguments()));
}
