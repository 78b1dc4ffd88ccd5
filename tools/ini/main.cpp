// trellis-ini: the program's INI engine from the command line, for scripts and for checking
// files against the Windows profile-string rules.
//
//   trellis-ini read FILE SECTION KEY           prints the value (UTF-8) and a line end
//   trellis-ini write FILE SECTION KEY VALUE    writes the value verbatim
//   trellis-ini delete-key FILE SECTION KEY
//   trellis-ini delete-section FILE SECTION
//
// Exit code 0 on success, 1 when a write fails, 2 on a usage error.
#include "app/IniFiles.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[]) {
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
    return ini.WriteIni(args[2], args[3], args[4], args[1]) ? 0 : 1;
  }
  if (command == QLatin1String("delete-key") && need(4)) {
    return ini.DeleteIniKey(args[2], args[3], args[1]) ? 0 : 1;
  }
  if (command == QLatin1String("delete-section") && need(3)) {
    return ini.DeleteIniSection(args[2], args[1]) ? 0 : 1;
  }
  std::fputs("usage: trellis-ini read FILE SECTION KEY | write FILE SECTION KEY VALUE |\n"
             "       delete-key FILE SECTION KEY | delete-section FILE SECTION\n",
             stderr);
  return 2;
}
