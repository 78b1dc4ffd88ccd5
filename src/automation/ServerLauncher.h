#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace trellis {

// Starts server processes and collects them when they end. A server outlives the program that
// started it, as a CAD host does; until the program ends it stays the server's parent, so a
// server that ends is reaped here and leaves no zombie behind.
class ServerLauncher : public QObject {
  Q_OBJECT

 public:
  ServerLauncher();
  ~ServerLauncher() override;

  // The new process id; throws AutomationError (naming ProgId) when the program cannot start.
  qint64 Start(const QString& progId, const QString& program, const QStringList& arguments);
  // True once the process has ended; ExitCode then holds its exit status when known.
  bool HasEnded(qint64 pid, int* exitCode = nullptr);
  void Terminate(qint64 pid);

 private:
  void ReapEnded();

  QSet<qint64> children_;
  QTimer reaper_;
};

}  // namespace trellis
