#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>

#include <memory>

namespace trellis {

// Marks a running instance with a lock file "trellis-<instance>.lock" in the temporary area,
// beside (not inside) the instance folders, so no cleanup ever removes it. A lock whose
// process has ended counts as gone.
class InstanceLock {
 public:
  InstanceLock(const QString& tempArea, qint64 instanceNumber);

  bool IsHeld() const { return lock_ && lock_->isLocked(); }

  // True when another live instance of the program holds a lock in the temporary area.
  static bool OtherInstanceRunning(const QString& tempArea, qint64 ownInstanceNumber);
  // True when the instance of that number holds its lock and its process lives.
  static bool IsRunning(const QString& tempArea, qint64 instanceNumber);

 private:
  std::unique_ptr<QLockFile> lock_;
};

// The start-up test: when no other instance runs, the temporary area is cleaned of what
// earlier instances left, except the folders kept for recovery; then this instance is marked
// as running for as long as the lock lives.
std::unique_ptr<InstanceLock> ClaimInstance(const QString& tempArea, qint64 instanceNumber,
                                            const QStringList& keptFolderNames = {});

}  // namespace trellis
