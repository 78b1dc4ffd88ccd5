#include "PrivateBus.h"

#include <QFile>

namespace trellis::test {

PrivateBus::PrivateBus() {
  const QString config = folder_.filePath(QStringLiteral("bus.conf"));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) return;
  file.write(
      QStringLiteral("<busconfig><type>session</type><listen>unix:tmpdir=%1</listen>"
                     "<auth>EXTERNAL</auth><policy context=\"default\">"
                     "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                     "<allow own=\"*\"/></policy></busconfig>\n")
          .arg(folder_.path())
          .toUtf8());
  file.close();
  daemon_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  daemon_.start(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                 QStringLiteral("--print-address=1")});
  if (!daemon_.waitForStarted(5000)) return;
  while (!daemon_.canReadLine() && daemon_.waitForReadyRead(5000)) {
  }
  address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
}

PrivateBus::~PrivateBus() {
  Stop();
}

QDBusConnection PrivateBus::Connect(const QString& connectionName) const {
  return QDBusConnection::connectToBus(address_, connectionName);
}

QProcessEnvironment PrivateBus::Environment() const {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address_);
  return environment;
}

void PrivateBus::Stop() {
  if (daemon_.state() == QProcess::NotRunning) return;
  daemon_.terminate();
  if (!daemon_.waitForFinished(5000)) daemon_.kill();
  daemon_.waitForFinished(5000);
}

}  // namespace trellis::test
