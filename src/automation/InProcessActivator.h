#pragma once

#include "automation/Activator.h"

#include <QHash>
#include <QString>

#include <functional>

namespace trellis {

// Objects of this process by ProgID (compared without case): a factory per class, and the
// instance that counts as running. An instance made by CreateObject becomes the running one,
// as a single-instance server registers itself when it starts.
class InProcessActivator : public Activator {
 public:
  using Factory = std::function<DispatchRef()>;

  void Register(const QString& progId, Factory factory);
  void SetRunning(const QString& progId, DispatchRef instance);
  // The running instance has ended: GetObject fails until another one runs.
  void Revoke(const QString& progId);

  DispatchRef GetObject(const QString& progId) override;
  DispatchRef CreateObject(const QString& progId) override;

 private:
  QHash<QString, Factory> factories_;
  QHash<QString, DispatchRef> running_;
};

}  // namespace trellis
