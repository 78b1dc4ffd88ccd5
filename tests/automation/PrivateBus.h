#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace trellis::test {

// A dbus-daemon of its own, for checks that need to take a bus away, and for benchmarks that
// must not touch the desktop's bus. Only this bus's own processes can reach it.
class PrivateBus {
 public:
  PrivateBus();
  ~PrivateBus();

  // Empty when the daemon could not be started.
  const QString& Address() const { return address_; }
  QDBusConnection Connect(const QString& connectionName) const;
  // The environment of a process that should use this bus as its session bus.
  QProcessEnvironment Environment() const;
  void Stop();

 private:
  QTemporaryDir folder_;
  QProcess daemon_;
  QString address_;
};

}  // namespace trellis::test
