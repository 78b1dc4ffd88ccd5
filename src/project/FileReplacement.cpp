#include "project/FileReplacement.h"

#include "app/RunTimeError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <filesystem>

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
  // A folder opens for reading on Linux; it is no file to copy.
  if (QFileInfo(source).isDir()) return std::make_error_code(std::errc::is_a_directory);
  QFile in(source);
  errno = 0;
  if (!in.open(QIODevice::ReadOnly)) return LastError(ENOENT);

  ReplacementFile copy(target);
  QByteArray buffer(kChunkBytes, Qt::Uninitialized);
  while (!copy.Error()) {
    errno = 0;
    const qint64 got = in.read(buffer.data(), buffer.size());
    if (got < 0) return LastError(EIO);
    if (got == 0) break;
    copy.Write(QByteArrayView(buffer.constData(), got));
  }
  copy.KeepModeAndTimeOf(source);
  return copy.Commit(durability);
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
