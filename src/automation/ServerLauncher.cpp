#include "automation/ServerLauncher.h"

#include "automation/AutomationError.h"

#include <QFile>
#include <QProcess>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

extern char** environ;
#endif

namespace trellis {

ServerLauncher::ServerLauncher() {
  reaper_.setInterval(1000);
  connect(&reaper_, &QTimer::timeout, this, &ServerLauncher::ReapEnded);
}

ServerLauncher::~ServerLauncher() {
  ReapEnded();
}

#ifdef Q_OS_UNIX

qint64 ServerLauncher::Start(const QString& progId, const QString& program,
                             const QStringList& arguments) {
  std::vector<QByteArray> words{QFile::encodeName(program)};
  for (const QString& argument : arguments) words.push_back(argument.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  // A process group of its own: a Ctrl+C meant for the program does not end its CAD host.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  pid_t pid = 0;
  const int failed = posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (failed) {
    throw AutomationError(progId, QStringLiteral("%1 could not be started: %2")
                                      .arg(program, QString::fromLocal8Bit(std::strerror(failed))));
  }
  children_.insert(pid);
  reaper_.start();
  return pid;
}

bool ServerLauncher::HasEnded(qint64 pid, int* exitCode) {
  if (!children_.contains(pid)) return true;
  int status = 0;
  const pid_t done = waitpid(pid_t(pid), &status, WNOHANG);
  if (done == 0) return false;
  children_.remove(pid);
  if (exitCode) *exitCode = done > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return true;
}

void ServerLauncher::Terminate(qint64 pid) {
  if (children_.contains(pid)) kill(pid_t(pid), SIGTERM);
}

#else

qint64 ServerLauncher::Start(const QString& progId, const QString& program,
                             const QStringList& arguments) {
  qint64 pid = 0;
  if (!QProcess::startDetached(program, arguments, QString(), &pid)) {
    throw AutomationError(progId, QStringLiteral("%1 could not be started").arg(program));
  }
  return pid;
}

// Detached processes are not the program's children here; only the time limit notices them.
bool ServerLauncher::HasEnded(qint64, int*) {
  return false;
}
void ServerLauncher::Terminate(qint64) {}

#endif

void ServerLauncher::ReapEnded() {
  for (const qint64 pid : QSet<qint64>(children_)) HasEnded(pid);
  if (children_.isEmpty()) reaper_.stop();
}

}  // namespace trellis
