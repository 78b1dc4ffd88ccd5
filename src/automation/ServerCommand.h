#pragma once

#include <QString>
#include <QStringList>

namespace trellis {

// The command that starts the server of a ProgID, from the installation's Servers.ini:
//   [Servers]
//   AutoCAD.Application=trellis-cad --automation AutoCAD.Application
// ProgIDs compare without case; the program is a path of its own or a name found in the
// installation folder, then on PATH; arguments are split as a shell would, quotes kept together.
struct ServerCommand {
  QString program;
  QStringList arguments;
};

QString ServersIniPath(const QString& installationFolder);

// The ProgIDs Servers.ini names a server for, in its order.
QStringList ServedProgIds(const QString& installationFolder);

// Throws AutomationError, naming the ProgID, when Servers.ini, its entry or the program is
// missing.
ServerCommand ServerCommandFor(const QString& installationFolder, const QString& progId);

}  // namespace trellis
