#pragma once

#include <QString>

struct zip;

namespace trellis {

// A ZIP archive on libzip. A new archive collects files at its root under their own names and
// is written when it is closed: to a file beside the archive that then replaces it once it is
// complete and on the disk, so an older archive of that name stays whole until then.
class Zip {
 public:
  Zip() = default;
  ~Zip();
  Zip(const Zip&) = delete;
  Zip& operator=(const Zip&) = delete;

  // Starts a new archive at Path; only an extension "zip", in any letter case, is accepted.
  bool CreateArchive(const QString& path);
  // Opens an existing archive to read its entries.
  bool OpenArchive(const QString& path);

  // Adds one file at the root of a new archive; false when none is being made or the file
  // cannot be read (ErrorText says why). The file is read when the archive is closed.
  bool CopyFileToArchive(const QString& filePath);

  // Entries of the open archive, counting from 0; "" for an index outside it.
  int Count() const;
  QString NameArchiveFiles(int index) const;

  // Writes a new archive (the 22-byte empty archive when no file was added) or lets go of an
  // opened one. False, with ErrorText, when the archive could not be written.
  bool Close();

  QString ErrorText() const { return errorText_; }

  // The end-of-central-directory record alone: "PK", 5, 6 and 18 zero bytes.
  static QByteArray EmptyArchive();

 private:
  void Discard();
  void RemoveWorkFiles();

  zip* archive_ = nullptr;
  QString path_;
  QString workPath_;  // where libzip writes a new archive
  bool creating_ = false;
  QString errorText_;
};

}  // namespace trellis
