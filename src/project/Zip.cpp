#include "project/Zip.h"

#include "app/TextFiles.h"
#include "project/FileReplacement.h"

#include <QFile>
#include <QFileInfo>

#include <zip.h>

#include <cerrno>

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

bool Zip::CreateArchive(const QString& path) {
  Discard();
  errorText_.clear();
  if (ExtensionOfPath(path).toLower() != QLatin1String("zip")) {
    errorText_ = QStringLiteral("архив должен иметь расширение zip");
    return false;
  }
  int code = 0;
  // Truncation only takes effect at close, when the new archive replaces the old file.
  archive_ = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (!archive_) {
    errorText_ = LibzipErrorText(code);
    return false;
  }
  path_ = path;
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
    errorText_ = QStringLiteral("архив не открыт");
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
    errorText_ = QStringLiteral("архив не открыт");
    return false;
  }
  if (!creating_) {
    Discard();
    return true;
  }
  // libzip writes no file for an archive without entries: the empty archive is written here.
  if (zip_get_num_entries(archive_, 0) == 0) {
    Discard();
    if (ReplaceFileContent(path_, EmptyArchive())) return true;
    errorText_ = QStringLiteral("файл не записан");
    return false;
  }
  if (zip_close(archive_) != 0) {
    errorText_ = QString::fromLocal8Bit(zip_strerror(archive_));
    Discard();
    return false;
  }
  archive_ = nullptr;
  creating_ = false;
  return true;
}

}  // namespace trellis
