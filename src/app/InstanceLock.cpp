#include "app/InstanceLock.h"

#include "app/WorkingFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace trellis {
namespace {

QString LockName(qint64 instanceNumber) {
  return QStringLiteral("trellis-%1.lock").arg(instanceNumber);
}

// Taking the lock succeeds only when its owner is gone (or there is none); it is then dropped
// again.
bool LockHeldByLiveOwner(const QString& path) {
  QLockFile other(path);
  other.setStaleLockTime(0);
  if (other.tryLock(0)) {
    other.unlock();
    return false;
  }
  return other.error() == QLockFile::LockFailedError;
}

}  // namespace

InstanceLock::InstanceLock(const QString& tempArea, qint64 instanceNumber) {
  if (!QDir().mkpath(tempArea)) return;
  lock_ = std::make_unique<QLockFile>(tempArea + u'/' + LockName(instanceNumber));
  // Only a dead owner makes a lock stale, however long an instance runs.
  lock_->setStaleLockTime(0);
  if (lock_->tryLock(0)) return;
  // A killed instance whose process number came back to us left this file: it is ours now.
  qint64 owner = 0;
  if (lock_->getLockInfo(&owner, nullptr, nullptr) && owner == QCoreApplication::applicationPid()) {
    lock_->removeStaleLockFile();
    lock_->tryLock(0);
  }
}

bool InstanceLock::OtherInstanceRunning(const QString& tempArea, qint64 ownInstanceNumber) {
  const QString own = LockName(ownInstanceNumber);
  QDirIterator it(tempArea, {QStringLiteral("trellis-*.lock")}, QDir::Files);
  while (it.hasNext()) {
    const QString path = it.next();
    if (it.fileName() != own && LockHeldByLiveOwner(path)) return true;
  }
  return false;
}

bool InstanceLock::IsRunning(const QString& tempArea, qint64 instanceNumber) {
  const QString path = tempArea + u'/' + LockName(instanceNumber);
  return QFileInfo::exists(path) && LockHeldByLiveOwner(path);
}

std::unique_ptr<InstanceLock> ClaimInstance(const QString& tempArea, qint64 instanceNumber,
                                            const QStringList& keptFolderNames) {
  // Another instance's folders are in use: they are left alone.
  if (!InstanceLock::OtherInstanceRunning(tempArea, instanceNumber)) CleanTempArea(tempArea, keptFolderNames);
  return std::make_unique<InstanceLock>(tempArea, instanceNumber);
}

}  // namespace trellis
