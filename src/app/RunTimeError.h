#pragma once

#include <QString>

#include <stdexcept>
#include <system_error>

namespace trellis {

// A failure of a file or folder step, carrying the classic run-time error number that the
// file error messages and the load error handler work with.
class RunTimeError : public std::runtime_error {
 public:
  RunTimeError(int number, const QString& description);

  int Number() const { return number_; }
  QString Description() const { return description_; }

  // The error for a failed operation on Path, with the number FileErrorNumber gives.
  static RunTimeError FromSystem(std::error_code error, const QString& path);

 private:
  int number_;
  QString description_;
};

// What a failure says to the user: a run-time error's description, else the exception's text.
QString DescriptionOf(const std::exception& error);

// Maps a platform error of an operation on Path to the run-time file error numbers (52 bad
// file name, 53 file not found, 55 file already open, 57 device I/O, 58 file already exists,
// 61 disk full, 64 bad file name, 67 too many files, 68 device unavailable, 70 permission
// denied, 71 disk not ready, 74 rename across drives, 75 path/file access, 76 path not found).
// A missing file is 53 when its folder exists and 76 when the folder is missing.
int FileErrorNumber(std::error_code error, const QString& path = QString());

// The run-time's own description of a file error number.
QString FileErrorDescription(int number);

}  // namespace trellis
