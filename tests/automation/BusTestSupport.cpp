#include "BusTestSupport.h"

#include "automation/BusNames.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QThread>

#include <signal.h>
#include <sys/wait.h>

namespace trellis::test {

bool WaitUntil(const std::function<bool()>& condition, int milliseconds) {
  const QDeadlineTimer deadline(milliseconds);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(5);
  }
  return true;
}

qint64 ServerPid(const QDBusConnection& connection, const QString& progId) {
  const QDBusReply<uint> pid = connection.interface()->servicePid(BusNameOf(progId));
  return pid.isValid() ? pid.value() : 0;
}

void EndServer(const QDBusConnection& connection, const QString& progId) {
  const qint64 pid = ServerPid(connection, progId);
  if (pid == 0) return;
  kill(pid_t(pid), SIGKILL);
  waitpid(pid_t(pid), nullptr, 0);
  EXPECT_TRUE(WaitUntil([&] { return ServerPid(connection, progId) == 0; }));
}

}  // namespace trellis::test
