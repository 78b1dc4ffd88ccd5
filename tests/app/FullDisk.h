#pragma once

// Two ways to make writes fail as on a full disk. A small tmpfs mounted over a folder and
// filled up gives the real ENOSPC, but mounting needs a right a CI machine may not grant; a
// file-size limit of zero makes every write of this process (or of a child that takes it over)
// fail with EFBIG anywhere.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QProcess>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace trellis::test {

// While it lives, writes beyond Bytes fail (EFBIG) instead of ending the process.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved_);
    const rlimit limit{bytes, saved_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
};

// Runs a program whose every write fails with EFBIG; only the child is limited. The child gets
// the default SIGXFSZ, which ends it, so the program has to ignore that signal itself.
inline void LimitChildFileSize(QProcess& process, rlim_t bytes) {
  process.setChildProcessModifier([bytes] {
    std::signal(SIGXFSZ, SIG_DFL);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  });
}

// A small tmpfs over a folder, holding what the folder held; Fill() takes up the room left.
// Unmounted when it goes, which shows the folder's own files again.
class FullTmpfs {
 public:
  explicit FullTmpfs(const QString& folder) : folder_(QDir(folder).absolutePath()) {
    QHash<QString, QByteArray> files;
    QDirIterator it(folder_, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    qint64 bytes = 0;
    while (it.hasNext()) {
      QFile file(it.next());
      if (!file.open(QIODevice::ReadOnly)) continue;
      files.insert(QDir(folder_).relativeFilePath(file.fileName()), file.readAll());
      bytes += file.size() + 4096;
    }
    const QByteArray options = "size=" + QByteArray::number(bytes + 64 * 1024);
    mounted_ = ::mount("tmpfs", QFile::encodeName(folder_).constData(), "tmpfs", 0,
                       options.constData()) == 0;
    for (auto file = files.cbegin(); mounted_ && file != files.cend(); ++file) {
      const QString path = folder_ + '/' + file.key();
      QDir().mkpath(QFileInfo(path).absolutePath());
      QFile out(path);
      if (out.open(QIODevice::WriteOnly)) out.write(file.value());
    }
  }
  ~FullTmpfs() {
    if (mounted_) ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
  }
  FullTmpfs(const FullTmpfs&) = delete;
  FullTmpfs& operator=(const FullTmpfs&) = delete;

  bool Mounted() const { return mounted_; }

  void Fill() {
    QFile filler(folder_ + QStringLiteral("/.filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
    const QByteArray block(4096, 'f');
    while (filler.write(block) > 0) {
    }
    while (filler.write("f", 1) > 0) {
    }
  }

 private:
  QString folder_;
  bool mounted_ = false;
};

}  // namespace trellis::test
