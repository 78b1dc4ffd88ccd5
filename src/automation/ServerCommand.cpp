#include "automation/ServerCommand.h"

#include "app/IniDocument.h"
#include "app/TextFiles.h"

#include "app/FilePaths.h"
#include "app/IniFiles.h"
#include "automation/AutomationError.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace trellis {

QString ServersIniPath(const QString& installationFolder) {
  return installationFolder + kPathSeparator + QStringLiteral("Servers.ini");
}

QStringList ServedProgIds(const QString& installationFolder) {
  const IniDocument servers = IniDocument::Parse(ReadWholeFileBytes(ServersIniPath(installationFolder)));
  QStringList served;
  for (const QString& progId : servers.Keys(u"Servers")) {
    if (!servers.Value(u"Servers", progId).value_or(QString()).trimmed().isEmpty()) served << progId;
  }
  return served;
}

ServerCommand ServerCommandFor(const QString& installationFolder, const QString& progId) {
  const QString ini = ServersIniPath(installationFolder);
  if (!FileExists(ini)) throw AutomationError(progId, QStringLiteral("%1 is missing").arg(ini));
  IniFiles files;
  const QString line = files.ReadIni(u"Servers", progId, ini).trimmed();
  if (line.isEmpty()) {
    throw AutomationError(progId, QStringLiteral("%1 names no server for it").arg(ini));
  }
  QStringList words = QProcess::splitCommand(line);
  if (words.isEmpty() || words.first().isEmpty()) {
    throw AutomationError(progId, QStringLiteral("its server line in %1 is malformed").arg(ini));
  }
  ServerCommand command;
  const QString program = words.takeFirst();
  if (program.contains(u'/') || program.contains(u'\\')) {
    command.program =
        QFileInfo(program).isRelative() ? installationFolder + kPathSeparator + program : program;
  } else {
    const QString beside = installationFolder + kPathSeparator + program;
    command.program = QFileInfo(beside).isFile() ? beside : QStandardPaths::findExecutable(program);
  }
  if (command.program.isEmpty() || !QFileInfo(command.program).isExecutable()) {
    throw AutomationError(
        progId,
        QStringLiteral("the server program %1 named in %2 cannot be run").arg(program, ini));
  }
  command.arguments = words;
  return command;
}

}  // namespace trellis
