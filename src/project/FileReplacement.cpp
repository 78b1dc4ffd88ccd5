#include "project/FileReplacement.h"

#include "app/RunTimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <filesystem>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace trellis {
namespace {

constexpr qint64 kChunkBytes = qint64(1) << 20;

// Qt's file calls leave errno as the failing system call set it.
std::error_code LastError(int fallback) {
  const int error = errno;
  return std::error_code(error ? error : fallback, std::generic_category());
}

}  // namespace

std::error_code CopyFileReplacing(const QString& source, const QString& target,
                                  Durability durability) {
  const QFileInfo sourceInfo(source);
  // A folder opens for reading on Linux; it is no file to copy.
  if (sourceInfo.isDir()) return std::make_error_code(std::errc::is_a_directory);
  QFile in(source);
  errno = 0;
  if (!in.open(QIODevice::ReadOnly)) return LastError(ENOENT);

  // "~" keeps a copy left behind by a crash out of every "<base>.*" and nameless pattern.
  QTemporaryFile temp(QFileInfo(target).absolutePath() + QStringLiteral("/~trellis-XXXXXX.tmp"));
  errno = 0;
  if (!temp.open()) return LastError(EACCES);
  QByteArray buffer(kChunkBytes, Qt::Uninitialized);
  for (;;) {
    errno = 0;
    const qint64 got = in.read(buffer.data(), buffer.size());
    if (got < 0) return LastError(EIO);
    if (got == 0) break;
    errno = 0;
    if (temp.write(buffer.constData(), got) != got) return LastError(ENOSPC);
  }
  errno = 0;
  if (!temp.flush()) return LastError(ENOSPC);
#ifdef Q_OS_UNIX
  // The rename must not reach the disk before the data does.
  if (durability == Durability::Durable && ::fsync(temp.handle()) != 0) return LastError(EIO);
#endif
  temp.setPermissions(sourceInfo.permissions());
  temp.setFileTime(sourceInfo.lastModified(), QFileDevice::FileModificationTime);
  temp.close();

  std::error_code error;
  std::filesystem::rename(QFileInfo(temp.fileName()).filesystemFilePath(),
                          QFileInfo(target).filesystemFilePath(), error);
  if (!error) temp.setAutoRemove(false);
  return error;
}

std::error_code RenameFileKeeping(const QString& from, const QString& to) {
  if (QFileInfo::exists(to)) return std::make_error_code(std::errc::file_exists);
  std::error_code error;
  std::filesystem::rename(QFileInfo(from).filesystemFilePath(), QFileInfo(to).filesystemFilePath(),
                          error);
  return error;
}

QString FileErrorText(std::error_code error, const QString& path) {
  return RunTimeError::FromSystem(error, path).Description();
}

}  // namespace trellis
