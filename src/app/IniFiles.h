#pragma once

#include "app/FileChangeWatch.h"
#include "app/IniDocument.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>
#include <system_error>

namespace trellis {

// The profile-string reader and writer over files. Parsed files are kept by path and reused
// while the kernel reports no change to them, or, once it has, while the file's size, times
// and inode stay the same; so a repeated read costs a lookup, and an edit made on disk by
// anyone is seen at the next read. File times are coarse (a clock tick, or seconds on some
// file systems), so a file changed too shortly before it was read is compared byte for byte
// until its time is safely in the past.
class IniFiles {
 public:
  // Files this object creates get this encoding (the settings store keeps Unicode files).
  explicit IniFiles(IniEncoding newFileEncoding = IniEncoding::Ansi);

  // "" when the file, section or key is missing or unreadable; values are cut to 2046
  // characters and at the first NUL, as the program's 2048-character buffer leaves them.
  QString ReadIni(QStringView section, QStringView key, const QString& file);
  // The whole value, or nothing when the file, section or key is missing.
  std::optional<QString> FindValue(QStringView section, QStringView key, const QString& file);

  // Creates the file, section and key as needed, never a folder. False when the file cannot
  // be written; its previous content then stays as it was.
  bool WriteIni(QStringView section, QStringView key, QStringView value, const QString& file);
  // Several values in one write of the file, in the order given, as WriteIni one after the
  // other would leave it.
  struct IniValue {
    QStringView section;
    QStringView key;
    QString value;
  };
  bool WriteIniValues(const std::vector<IniValue>& values, const QString& file);
  bool DeleteIniKey(QStringView section, QStringView key, const QString& file);
  bool DeleteIniSection(QStringView section, const QString& file);
  // Why the last write, delete or edit failed, for a message (EACCES when the file was refused
  // before anything was written); none when it succeeded.
  std::error_code LastWriteError() const { return lastWriteError_; }

  static constexpr qsizetype kValueLimit = 2046;

  // What tells a changed file from the parsed copy.
  struct FileStamp {
    qint64 size = -1;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    quint64 inode = 0;
    bool operator==(const FileStamp&) const = default;
  };

 private:
  struct CachedFile {
    QByteArray nativePath;
    FileStamp stamp;
    IniDocument document;
    QByteArray bytes;
    qint64 verifiedAtNs = 0;  // wall clock when the bytes were known to be the file's
  };

  // The parsed file, or nullptr when it is missing, not a regular file or unreadable.
  const IniDocument* Load(const QString& file);
  const IniDocument* Remember(const QString& file, const FileStamp& stamp, QByteArray bytes,
                              qint64 readAtNs);
  template <typename Edit>
  bool Modify(const QString& file, Edit edit);

  IniEncoding newFileEncoding_;
  QHash<QString, CachedFile> cache_;
  FileChangeWatch watch_;
  std::error_code lastWriteError_;
};

}  // namespace trellis
