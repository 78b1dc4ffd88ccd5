#include "support/TestFiles.h"

#include <QFile>

#include <stdexcept>

namespace trellis::test {

TempFolder::TempFolder() {
  if (!dir_.isValid()) throw std::runtime_error("cannot create a temporary folder");
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
}

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QByteArray();
  return file.readAll();
}

}  // namespace trellis::test
