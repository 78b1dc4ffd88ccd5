// trellis-ini: the program's INI engine from the command line, for scripts and for checking
// files against the Windows profile-string rules.
//
//   trellis-ini read FILE SECTION KEY           prints the value (UTF-8) and a line end
//   trellis-ini write FILE SECTION KEY VALUE    writes the value verbatim
//   trellis-ini delete-key FILE SECTION KEY
//   trellis-ini delete-section FILE SECTION
//
// Exit code 0 on success, 1 when a write fails (with the reason on standard error; the file
// keeps its previous content), 2 on a usage error.
#include "app/IniFiles.h"

#include <QCoreApplication>
#include <QStringList>

#include <csignal>
#include <cstdio>

namespace {

int Written(bool written, const trellis::IniFiles& ini, const QString& file) {
  if (written) return 0;
  std::fprintf(stderr, "trellis-ini: %s not written: %s\n", file.toLocal8Bit().constData(),
               ini.LastWriteError().message().c_str());
  return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Beyond a file-size limit a write is to fail and be reported, not to end the process.
  std::signal(SIGXFSZ, SIG_IGN);
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  const QString command = args.value(0);
  const auto need = [&](qsizetype count) { return args.size() == count; };

  trellis::IniFiles ini;
  if (command == QLatin1String("read") && need(4)) {
    std::fputs((ini.ReadIni(args[2], args[3], args[1]) + u'\n').toUtf8().constData(), stdout);
    return 0;
  }
  if (command == QLatin1String("write") && need(5)) {
    return Written(ini.WriteIni(args[2], args[3], args[4], args[1]), ini, args[1]);
  }
  if (command == QLatin1String("delete-key") && need(4)) {
    return Written(ini.DeleteIniKey(args[2], args[3], args[1]), ini, args[1]);
  }
  if (command == QLatin1String("delete-section") && need(3)) {
    return Written(ini.DeleteIniSection(args[2], args[1]), ini, args[1]);
  }
  std::fputs("usage: trellis-ini read FILE SECTION KEY | write FILE SECTION KEY VALUE |\n"
             "       delete-key FILE SECTION KEY | delete-section FILE SECTION\n",
             stderr);
  return 2;
}
