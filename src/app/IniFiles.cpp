#include "app/IniFiles.h"

#include "app/ReplacementFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <time.h>

namespace trellis {
namespace {

// A cache that grows without bound would hold every file ever read; the program reads a few
// dozen, so a full cache is simply emptied.
constexpr qsizetype kCacheLimit = 512;

// How far a file time may lag behind the clock: coarse file systems keep whole seconds.
constexpr qint64 kTimeGranularityNs = 2'000'000'000;

qint64 NowNs() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

bool ReadBytes(const QString& file, QByteArray& bytes) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return false;
  bytes = f.readAll();
  return f.error() == QFileDevice::NoError;
}

enum class StampResult { RegularFile, Missing, NotAFile };

StampResult ReadStamp(const QByteArray& nativePath, IniFiles::FileStamp& stamp) {
  struct stat st {};
  if (::stat(nativePath.constData(), &st) != 0) return StampResult::Missing;
  if (!S_ISREG(st.st_mode)) return StampResult::NotAFile;
  stamp.size = st.st_size;
  stamp.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  stamp.changedNs = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
  stamp.inode = st.st_ino;
  return StampResult::RegularFile;
}

}  // namespace

IniFiles::IniFiles(IniEncoding newFileEncoding) : newFileEncoding_(newFileEncoding) {}

const IniDocument* IniFiles::Load(const QString& file) {
  if (file.isEmpty()) return nullptr;
  auto it = cache_.find(file);
  if (it != cache_.end() && watch_.Unchanged(file)) return &it->document;
  const QByteArray nativePath = it != cache_.end() ? it->nativePath : QFile::encodeName(file);
  watch_.Arm(file, nativePath);
  FileStamp stamp;
  if (ReadStamp(nativePath, stamp) != StampResult::RegularFile) {
    cache_.remove(file);
    return nullptr;
  }
  const bool known = it != cache_.end() && it->stamp == stamp;
  if (known && it->verifiedAtNs - stamp.modifiedNs > kTimeGranularityNs) return &it->document;

  // The stamp is taken before reading: a write racing with the read makes the next read
  // look again rather than keep stale text.
  const qint64 readAtNs = NowNs();
  QByteArray bytes;
  if (!ReadBytes(file, bytes)) {
    cache_.remove(file);
    return nullptr;
  }
  if (known && bytes == it->bytes) {
    it->verifiedAtNs = readAtNs;
    return &it->document;
  }
  return Remember(file, stamp, std::move(bytes), readAtNs);
}

const IniDocument* IniFiles::Remember(const QString& file, const FileStamp& stamp,
                                      QByteArray bytes, qint64 readAtNs) {
  if (cache_.size() >= kCacheLimit) {
    cache_.clear();
    watch_.ForgetAll();
    watch_.Arm(file, QFile::encodeName(file));
  }
  IniDocument document = IniDocument::Parse(bytes);
  return &cache_
              .insert(file, CachedFile{QFile::encodeName(file), stamp, std::move(document),
                                       std::move(bytes), readAtNs})
              ->document;
}

std::optional<QString> IniFiles::FindValue(QStringView section, QStringView key,
                                           const QString& file) {
  const IniDocument* doc = Load(file);
  if (!doc) return std::nullopt;
  return doc->Value(section, key);
}

QString IniFiles::ReadIni(QStringView section, QStringView key, const QString& file) {
  QString value = FindValue(section, key, file).value_or(QString());
  const qsizetype nul = value.indexOf(QChar(0));
  if (nul >= 0) value.truncate(nul);
  if (value.size() > kValueLimit) value.truncate(kValueLimit);
  return value;
}

template <typename Edit>
bool IniFiles::Modify(const QString& file, Edit edit) {
  lastWriteError_ = std::make_error_code(std::errc::permission_denied);
  if (file.isEmpty()) return false;
  const QFileInfo info(file);
  // Windows creates the file but never a missing folder.
  if (!info.absoluteDir().exists()) {
    lastWriteError_ = std::make_error_code(std::errc::no_such_file_or_directory);
    return false;
  }
  if (info.exists() && (!info.isFile() || !info.isWritable())) return false;

  IniDocument doc(newFileEncoding_);
  if (info.exists()) {
    const IniDocument* current = Load(file);
    if (!current) return false;
    // An empty file is written as a new one, so it takes the encoding of new files.
    if (!current->IsEmpty()) doc = *current;
  }
  const QByteArray before = info.exists() ? doc.Serialize() : QByteArray();
  edit(doc);
  const QByteArray bytes = doc.Serialize();
  lastWriteError_.clear();
  if (info.exists() && bytes == before) return true;

  lastWriteError_ = ReplaceFileAtomically(file, bytes);
  if (lastWriteError_) {
    cache_.remove(file);
    return false;
  }
  // Characters without a Windows-1251 form were written as "?", so the cache takes the text
  // back from the bytes on disk.
  FileStamp stamp;
  const qint64 writtenAtNs = NowNs();
  if (ReadStamp(QFile::encodeName(file), stamp) == StampResult::RegularFile) {
    Remember(file, stamp, bytes, writtenAtNs);
  } else {
    cache_.remove(file);
  }
  return true;
}

bool IniFiles::WriteIni(QStringView section, QStringView key, QStringView value,
                        const QString& file) {
  return Modify(file, [&](IniDocument& doc) { doc.SetValue(section, key, value); });
}

bool IniFiles::WriteIniValues(const std::vector<IniValue>& values, const QString& file) {
  return Modify(file, [&](IniDocument& doc) {
    for (const IniValue& v : values) doc.SetValue(v.section, v.key, v.value);
  });
}

// Deleting from a missing file creates nothing.
bool IniFiles::DeleteIniKey(QStringView section, QStringView key, const QString& file) {
  if (!QFileInfo::exists(file)) return true;
  return Modify(file, [&](IniDocument& doc) { doc.RemoveKey(section, key); });
}

bool IniFiles::DeleteIniSection(QStringView section, const QString& file) {
  if (!QFileInfo::exists(file)) return true;
  return Modify(file, [&](IniDocument& doc) { doc.RemoveSection(section); });
}

}  // namespace trellis
