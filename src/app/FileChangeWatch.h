#pragma once

#include <QHash>
#include <QString>

namespace trellis {

// Tells, without looking at the file system, whether a file may have changed since it was
// armed: the kernel reports every write, rename, deletion or creation under the watched name
// (inotify on Linux). A stat costs a path walk, which on some machines is the whole budget of
// a cached INI read; draining the event queue is one cheap call. Where watching is not
// possible, every file counts as possibly changed.
class FileChangeWatch {
 public:
  FileChangeWatch();
  ~FileChangeWatch();
  FileChangeWatch(const FileChangeWatch&) = delete;
  FileChangeWatch& operator=(const FileChangeWatch&) = delete;

  // Starts (again) to watch Path; changes before this call are forgotten. Arm before reading
  // the file, so that a change during the read is reported too.
  void Arm(const QString& path, const QByteArray& nativePath);
  // True when Path is armed and nothing has touched it since.
  bool Unchanged(const QString& path);
  void ForgetAll();

 private:
  struct Watched {
    int fileWatch = -1;
    int folderWatch = -1;
    QByteArray name;  // file name within the folder, as the kernel reports it
    bool changed = true;
  };

  void Drain();
  void MarkAllChanged();

  int fd_ = -1;
  QHash<QString, Watched> watched_;
};

}  // namespace trellis
