#include "app/FileChangeWatch.h"

#ifdef Q_OS_LINUX
#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace trellis {

#ifdef Q_OS_LINUX

namespace {

constexpr uint32_t kFileEvents =
    IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_MOVE_SELF | IN_DELETE_SELF;
constexpr uint32_t kFolderEvents = IN_CREATE | IN_MOVED_TO | IN_MOVED_FROM | IN_DELETE |
                                   IN_MODIFY | IN_ATTRIB | IN_MOVE_SELF | IN_DELETE_SELF;

}  // namespace

FileChangeWatch::FileChangeWatch() : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

FileChangeWatch::~FileChangeWatch() {
  if (fd_ >= 0) ::close(fd_);
}

void FileChangeWatch::Arm(const QString& path, const QByteArray& nativePath) {
  if (fd_ < 0) return;
  Drain();
  Watched& w = watched_[path];
  const qsizetype slash = nativePath.lastIndexOf('/');
  const QByteArray folder = slash < 0 ? QByteArray(".") : nativePath.left(qMax<qsizetype>(slash, 1));
  w.name = nativePath.mid(slash + 1);
  // A replaced file is a new inode, so the file watch is added anew each time.
  w.fileWatch = inotify_add_watch(fd_, nativePath.constData(), kFileEvents);
  w.folderWatch = inotify_add_watch(fd_, folder.constData(), kFolderEvents);
  w.changed = w.fileWatch < 0 || w.folderWatch < 0;
}

bool FileChangeWatch::Unchanged(const QString& path) {
  if (fd_ < 0) return false;
  const auto it = watched_.constFind(path);
  if (it == watched_.cend() || it->changed) return false;
  Drain();
  return !it->changed;
}

void FileChangeWatch::ForgetAll() {
  if (fd_ >= 0) ::close(fd_);
  watched_.clear();
  fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
}

void FileChangeWatch::MarkAllChanged() {
  for (Watched& w : watched_) w.changed = true;
}

void FileChangeWatch::Drain() {
  alignas(inotify_event) char buffer[8192];
  for (;;) {
    const ssize_t got = ::read(fd_, buffer, sizeof buffer);
    if (got <= 0) {
      if (got < 0 && errno != EAGAIN && errno != EINTR) MarkAllChanged();
      if (got < 0 && errno == EINTR) continue;
      return;
    }
    for (ssize_t pos = 0; pos < got;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + pos);
      pos += ssize_t(sizeof(inotify_event)) + event->len;
      if (event->mask & IN_Q_OVERFLOW) {
        MarkAllChanged();
        continue;
      }
      const QByteArray name = event->len ? QByteArray(event->name) : QByteArray();
      for (Watched& w : watched_) {
        if (w.fileWatch == event->wd) w.changed = true;
        // Events on the folder itself (moved, deleted) have no name and concern every file.
        if (w.folderWatch == event->wd && (name.isEmpty() || name == w.name)) w.changed = true;
      }
    }
  }
}

#else

FileChangeWatch::FileChangeWatch() = default;
FileChangeWatch::~FileChangeWatch() = default;
void FileChangeWatch::Arm(const QString&, const QByteArray&) {}
bool FileChangeWatch::Unchanged(const QString&) { return false; }
void FileChangeWatch::ForgetAll() {}
void FileChangeWatch::Drain() {}
void FileChangeWatch::MarkAllChanged() {}

#endif

}  // namespace trellis
