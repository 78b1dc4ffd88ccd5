#include "project/Zip.h"

#include "app/ReplacementFile.h"
#include "project/FileReplacement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <zip.h>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trellis {
namespace {

constexpr zip_uint32_t kDeflateLevel = 6;

QString LibzipErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
  zip_error_fini(&error);
  return text;
}

QString ExtensionOfPath(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  const qsizetype dot = name.lastIndexOf(u'.');
  return dot < 0 ? QString() : name.mid(dot + 1);
}

// A name beside the archive that no project file pattern matches, for the archive in the making.
QString WorkPathBeside(const QString& path) {
  const QString folder = QFileInfo(path).absolutePath();
  for (;;) {
    const QString work = folder + QStringLiteral("/~trellis-") +
                         QString::number(QRandomGenerator::global()->generate(), 36) +
                         QStringLiteral(".zip");
    if (!QFileInfo::exists(work)) return work;
  }
}

// libzip renames its finished file into place without syncing it: the archive must be on the
// disk before it replaces an older one.
std::error_code SyncAndRename(const QString& from, const QString& to) {
  const QByteArray source = QFile::encodeName(from), target = QFile::encodeName(to);
  const int fd = ::open(source.constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0 || ::fsync(fd) != 0) {
    const int error = errno;
    if (fd >= 0) ::close(fd);
    return std::error_code(error, std::generic_category());
  }
  ::close(fd);
  struct stat old {};
  if (::stat(target.constData(), &old) == 0) ::chmod(source.constData(), old.st_mode & 07777);
  if (::rename(source.constData(), target.constData()) != 0)
    return std::error_code(errno, std::generic_category());
  return {};
}

}  // namespace

Zip::~Zip() {
  Discard();
}

QByteArray Zip::EmptyArchive() {
  QByteArray bytes(22, '\0');
  bytes[0] = 'P';
  bytes[1] = 'K';
  bytes[2] = 5;
  bytes[3] = 6;
  return bytes;
}

void Zip::Discard() {
  if (archive_) zip_discard(archive_);
  archive_ = nullptr;
  creating_ = false;
}

// The archive in the making and libzip's own temporary file ("<name>.XXXXXX") beside it.
void Zip::RemoveWorkFiles() {
  if (workPath_.isEmpty()) return;
  const QFileInfo work(workPath_);
  QDir folder = work.absoluteDir();
  const QStringList leftovers =
      folder.entryList({work.fileName(), work.fileName() + QStringLiteral(".*")},
                       QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& name : leftovers) folder.remove(name);
  workPath_.clear();
}

bool Zip::CreateArchive(const QString& path) {
  Discard();
  errorText_.clear();
  if (ExtensionOfPath(path).toLower() != QLatin1String("zip")) {
    errorText_ = QCoreApplication::translate("Zip", "архив должен иметь расширение zip");
    return false;
  }
  int code = 0;
  const QString work = WorkPathBeside(path);
  archive_ = zip_open(QFile::encodeName(work).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (!archive_) {
    errorText_ = LibzipErrorText(code);
    return false;
  }
  path_ = path;
  workPath_ = work;
  creating_ = true;
  return true;
}

bool Zip::OpenArchive(const QString& path) {
  Discard();
  errorText_.clear();
  int code = 0;
  archive_ = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
  if (!archive_) {
    errorText_ = LibzipErrorText(code);
    return false;
  }
  path_ = path;
  return true;
}

bool Zip::CopyFileToArchive(const QString& filePath) {
  errorText_.clear();
  if (!archive_ || !creating_) {
    errorText_ = QCoreApplication::translate("Zip", "архив не открыт");
    return false;
  }
  // libzip reads the file only at close; an unreadable one would sink the whole archive then.
  QFile probe(filePath);
  errno = 0;
  if (QFileInfo(filePath).isDir() || !probe.open(QIODevice::ReadOnly)) {
    errorText_ =
        FileErrorText(std::error_code(errno ? errno : EISDIR, std::generic_category()), filePath);
    return false;
  }
  probe.close();
  zip_source_t* source = zip_source_file(archive_, QFile::encodeName(filePath).constData(), 0, -1);
  if (!source) {
    errorText_ = QString::fromLocal8Bit(zip_strerror(archive_));
    return false;
  }
  const QByteArray name = QFileInfo(filePath).fileName().toUtf8();
  const zip_int64_t index =
      zip_file_add(archive_, name.constData(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
  if (index < 0) {
    errorText_ = QString::fromLocal8Bit(zip_strerror(archive_));
    zip_source_free(source);
    return false;
  }
  // libzip's default is the slowest level; zlib's own default is within 1% of its size on
  // table files at a third of the time.
  zip_set_file_compression(archive_, zip_uint64_t(index), ZIP_CM_DEFLATE, kDeflateLevel);
  return true;
}

int Zip::Count() const {
  return archive_ ? int(zip_get_num_entries(archive_, 0)) : 0;
}

QString Zip::NameArchiveFiles(int index) const {
  if (!archive_ || index < 0 || index >= Count()) return QString();
  const char* name = zip_get_name(archive_, zip_uint64_t(index), ZIP_FL_ENC_GUESS);
  return name ? QString::fromUtf8(name) : QString();
}

bool Zip::Close() {
  if (!archive_) {
    errorText_ = QCoreApplication::translate("Zip", "архив не открыт");
    return false;
  }
  if (!creating_) {
    Discard();
    return true;
  }
  // libzip writes no file for an archive without entries: the empty archive is written here.
  if (zip_get_num_entries(archive_, 0) == 0) {
    Discard();
    workPath_.clear();
    const std::error_code error = ReplaceFileAtomically(path_, EmptyArchive());
    if (!error) return true;
    errorText_ = FileErrorText(error, path_);
    return false;
  }
  const bool closed = zip_close(archive_) == 0;
  if (!closed) {
    errorText_ = QString::fromLocal8Bit(zip_strerror(archive_));
    Discard();
  }
  archive_ = nullptr;
  creating_ = false;
  if (closed) {
    const std::error_code error = SyncAndRename(workPath_, path_);
    if (!error) {
      workPath_.clear();
      return true;
    }
    errorText_ = FileErrorText(error, path_);
  }
  RemoveWorkFiles();
  return false;
}

}  // namespace trellis
