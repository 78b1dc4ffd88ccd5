#include "app/TextFiles.h"

#include "app/AppIdentity.h"
#include "app/Prompter.h"
#include "app/ReplacementFile.h"
#include "app/RunTimeError.h"
#include "app/TextCodec.h"

#include <QFile>
#include <QFileInfo>

namespace trellis {

QByteArray ReadWholeFileBytes(const QString& path) {
  if (path.isEmpty() || !QFileInfo(path).isFile()) return QByteArray();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QByteArray();
  // Read into a buffer of the file's size: readAll would grow one to twice that.
  QByteArray bytes(file.size(), Qt::Uninitialized);
  const qint64 got = file.read(bytes.data(), bytes.size());
  bytes.truncate(qMax<qint64>(got, 0));
  if (got == bytes.size()) bytes.append(file.readAll());  // the file grew meanwhile
  return bytes;
}

QString ReadWholeFile(const QString& path) { return cp1251::Decode(ReadWholeFileBytes(path)); }

bool ReplaceFileContent(const QString& path, const QByteArray& bytes) {
  return !ReplaceFileAtomically(path, bytes);
}

bool TextFileWriter::PrintToFile(const QString& path, const QString& text) {
  return PrintBytesToFile(path, cp1251::Encode(text));
}

bool TextFileWriter::PrintBytesToFile(const QString& path, QByteArray text) {
  // Set whatever the outcome: the caller goes on as if the write had succeeded.
  tableFileWritten_ = true;
  text.append("\r\n");
  const std::error_code error = ReplaceFileAtomically(path, text);
  if (!error) return true;
  ++failures_;
  lastFailure_ = path + QStringLiteral(": ") + RunTimeError::FromSystem(error, path).Description();
  prompter_.Ask(Message{QStringLiteral("PrintToFile"), ProgramTitle(), MessageButtons::Ok,
                       MessageIcon::None});
  return false;
}

}  // namespace trellis
