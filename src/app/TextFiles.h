#pragma once

#include <QString>

namespace trellis {

class Prompter;

// The whole file decoded from Windows-1251; "" when it is missing, empty or not a file.
QString ReadWholeFile(const QString& path);
// The same as bytes, as the file holds them.
QByteArray ReadWholeFileBytes(const QString& path);

// Writes the program's text files and remembers that one was written: that makes the next
// opening of a table bring the links between tables up to date.
class TextFileWriter {
 public:
  explicit TextFileWriter(Prompter& prompter) : prompter_(prompter) {}

  // Replaces the file with Text and a closing CR LF in Windows-1251. The new content is
  // written beside the file and renamed over it, so a failed write leaves the old content
  // whole; the failure is reported as "PrintToFile" and the result is false.
  bool PrintToFile(const QString& path, const QString& text);
  // The same for text already in Windows-1251.
  bool PrintBytesToFile(const QString& path, QByteArray text);

  bool TableFileWritten() const { return tableFileWritten_; }
  void ClearTableFileWritten() { tableFileWritten_ = false; }
  // Another program (a macro) rewrote table files: the next opening of a table brings the
  // links up to date as after a write of the program's own.
  void NoteTableFileWritten() { tableFileWritten_ = true; }

  // Writes that failed so far, and the reason of the last one with the file's name: a caller
  // that goes through code unaware of the result can still tell that a write of its failed.
  int Failures() const { return failures_; }
  QString LastFailure() const { return lastFailure_; }

 private:
  Prompter& prompter_;
  bool tableFileWritten_ = false;
  int failures_ = 0;
  QString lastFailure_;
};

// The same replacement without any message: false when the file could not be written (the old
// content is then kept).
bool ReplaceFileContent(const QString& path, const QByteArray& bytes);

}  // namespace trellis
