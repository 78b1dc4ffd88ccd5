#include "automation/BusActivator.h"

#include "automation/AutomationError.h"
#include "automation/BusEndpoint.h"
#include "automation/BusNames.h"
#include "automation/ServerCommand.h"

#include <QDBusServiceWatcher>
#include <QEventLoop>
#include <QTimer>

namespace trellis {

BusActivator::BusActivator(QString installationFolder, const QDBusConnection& connection,
                           std::chrono::milliseconds startLimit)
    : installationFolder_(std::move(installationFolder)), startLimit_(startLimit) {
  try {
    endpoint_ = BusEndpoint::Open(connection);
  } catch (const AutomationError& error) {
    unreachableReason_ = error.Reason();
  }
}

BusActivator::~BusActivator() = default;

BusEndpoint& BusActivator::RequireEndpoint(const QString& progId) const {
  if (!endpoint_) throw AutomationError(progId, unreachableReason_);
  return *endpoint_;
}

DispatchRef BusActivator::GetObject(const QString& progId) {
  return RequireEndpoint(progId).InstanceOf(progId);
}

DispatchRef BusActivator::CreateObject(const QString& progId) {
  BusEndpoint& endpoint = RequireEndpoint(progId);
  if (!endpoint.OwnerOf(progId).isEmpty()) return endpoint.InstanceOf(progId);
  // Keyed by bus name, which every spelling of the ProgID shares.
  const QString busName = BusNameOf(progId);
  if (const auto pending = starting_.constFind(busName); pending != starting_.cend()) {
    const Starting starting = *pending;
    AwaitServer(progId, starting.pid, starting.program);
    return endpoint.InstanceOf(progId);
  }
  const ServerCommand command = ServerCommandFor(installationFolder_, progId);
  const qint64 pid = launcher_.Start(progId, command.program, command.arguments);
  starting_.insert(busName, Starting{pid, command.program});
  try {
    AwaitServer(progId, pid, command.program);
  } catch (...) {
    starting_.remove(busName);
    throw;
  }
  starting_.remove(busName);
  return endpoint.InstanceOf(progId);
}

void BusActivator::AwaitServer(const QString& progId, qint64 pid, const QString& program) {
  BusEndpoint& endpoint = *endpoint_;
  const QString busName = BusNameOf(progId);
  QEventLoop loop;
  QDBusServiceWatcher registration(busName, endpoint.Connection(),
                                   QDBusServiceWatcher::WatchForRegistration);
  QObject::connect(&registration, &QDBusServiceWatcher::serviceRegistered, &loop,
                   &QEventLoop::quit);
  // The watcher may have come after the registration; and a server that fails ends early.
  QTimer poll;
  poll.setInterval(50);
  int exitCode = -1;
  bool ended = false;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    ended = launcher_.HasEnded(pid, &exitCode);
    if (ended || !endpoint.OwnerOf(progId).isEmpty()) loop.quit();
  });
  QTimer limit;
  limit.setSingleShot(true);
  QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
  if (!endpoint.OwnerOf(progId).isEmpty()) return;
  poll.start();
  limit.start(startLimit_);
  loop.exec();
  if (!endpoint.OwnerOf(progId).isEmpty()) return;
  if (ended) {
    throw AutomationError(progId, QStringLiteral("the server %1 ended (exit code %2) before it "
                                                 "took the bus name %3")
                                      .arg(program)
                                      .arg(exitCode)
                                      .arg(busName));
  }
  launcher_.Terminate(pid);
  throw AutomationError(progId, QStringLiteral("the server %1 did not take the bus name %2 "
                                               "within %3 ms")
                                    .arg(program, busName)
                                    .arg(startLimit_.count()));
}

}  // namespace trellis
