#pragma once

#include <QByteArrayView>
#include <QString>

#include <system_error>

namespace trellis {

// Whether new content must be on the disk before it replaces the old file: a project folder has
// to survive a crash, the working folder is scratch.
enum class Durability { Durable, Scratch };

// The new content of one file, written beside it under a name no project file pattern matches
// ("~trellis-XXXXXX.tmp") and renamed over it by Commit, so the file always holds either its
// old content or the whole new one. Every write goes straight to the system and is checked
// there: a full disk fails the write, and the rename never happens. Without a successful
// Commit the temporary file is removed. A symbolic link is replaced through: its target gets
// the content.
class ReplacementFile {
 public:
  explicit ReplacementFile(const QString& target);
  ~ReplacementFile();
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  // The first failure so far; once set, later writes do nothing.
  std::error_code Error() const { return error_; }
  bool Write(QByteArrayView bytes);
  // The permissions and modification time of Source, as a copy on Windows keeps them.
  void KeepModeAndTimeOf(const QString& source);
  std::error_code Commit(Durability durability);

 private:
  void Fail(int error);
  void Discard();

  QByteArray target_;
  QByteArray temp_;
  int fd_ = -1;
  std::error_code error_;
};

// Replaces the file's content with Bytes as above; the failure, if any.
std::error_code ReplaceFileAtomically(const QString& path, QByteArrayView bytes,
                                      Durability durability = Durability::Durable);

}  // namespace trellis
