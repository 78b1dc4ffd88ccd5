#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace trellis::test {

// A fresh folder per test, removed afterwards.
class TempFolder {
 public:
  TempFolder();
  QString Path() const { return dir_.path(); }
  QString File(const QString& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
};

void WriteBytes(const QString& path, const QByteArray& bytes);
QByteArray ReadBytes(const QString& path);

}  // namespace trellis::test
