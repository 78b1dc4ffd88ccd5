#include "app/ReplacementFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trellis {
namespace {

constexpr int kNameAttempts = 64;

QByteArray TempName(const QByteArray& folder) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  QByteArray name = folder + "/~trellis-";
  for (int i = 0; i < 6; ++i) name += kLetters[QRandomGenerator::global()->bounded(62)];
  return name + ".tmp";
}

}  // namespace

ReplacementFile::ReplacementFile(const QString& target) {
  QFileInfo info(target);
  if (info.isSymLink() && info.exists()) info = QFileInfo(info.canonicalFilePath());
  if (target.isEmpty() || info.isDir()) {
    Fail(target.isEmpty() ? ENOENT : EISDIR);
    return;
  }
  target_ = QFile::encodeName(info.absoluteFilePath());
  const QByteArray folder = QFile::encodeName(info.absolutePath());
  for (int attempt = 0; attempt < kNameAttempts && fd_ < 0; ++attempt) {
    temp_ = TempName(folder);
    // 0666 under the umask: the mode a new file gets from any other program.
    fd_ = ::open(temp_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0 && errno != EEXIST) break;
  }
  if (fd_ < 0) {
    const int error = errno;
    temp_.clear();
    Fail(error);
    return;
  }
  // A replaced file keeps its permissions.
  struct stat old {};
  if (::stat(target_.constData(), &old) == 0) ::fchmod(fd_, old.st_mode & 07777);
}

ReplacementFile::~ReplacementFile() {
  Discard();
}

void ReplacementFile::Fail(int error) {
  if (!error_) error_ = std::error_code(error ? error : EIO, std::generic_category());
  Discard();
}

void ReplacementFile::Discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temp_.isEmpty()) ::unlink(temp_.constData());
  temp_.clear();
}

bool ReplacementFile::Write(QByteArrayView bytes) {
  if (error_) return false;
  const char* data = bytes.data();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd_, data, size_t(left));
    if (written < 0 && errno == EINTR) continue;
    // No progress on a regular file means no room.
    if (written <= 0) {
      Fail(written < 0 ? errno : ENOSPC);
      return false;
    }
    data += written;
    left -= written;
  }
  return true;
}

void ReplacementFile::KeepModeAndTimeOf(const QString& source) {
  struct stat st {};
  if (error_ || ::stat(QFile::encodeName(source).constData(), &st) != 0) return;
  ::fchmod(fd_, st.st_mode & 07777);
  const timespec times[2] = {{0, UTIME_OMIT}, st.st_mtim};
  ::futimens(fd_, times);
}

std::error_code ReplacementFile::Commit(Durability durability) {
  if (error_) return error_;
  // Some file systems report a lack of room only when the data leaves the cache.
  if (durability == Durability::Durable && ::fsync(fd_) != 0) {
    Fail(errno);
    return error_;
  }
  const int closed = ::close(fd_);
  fd_ = -1;
  if (closed != 0 && errno != EINTR) {
    Fail(errno);
    return error_;
  }
  if (::rename(temp_.constData(), target_.constData()) != 0) {
    Fail(errno);
    return error_;
  }
  temp_.clear();
  return {};
}

std::error_code ReplaceFileAtomically(const QString& path, QByteArrayView bytes,
                                      Durability durability) {
  ReplacementFile file(path);
  file.Write(bytes);
  return file.Commit(durability);
}

}  // namespace trellis
