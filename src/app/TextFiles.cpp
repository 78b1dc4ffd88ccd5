#include "app/TextFiles.h"

#include "app/AppIdentity.h"
#include "app/Prompter.h"
#include "app/TextCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace trellis {

QString ReadWholeFile(const QString& path) {
  if (!QFileInfo(path).isFile()) return QString();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return cp1251::Decode(file.readAll());
}

bool ReplaceFileContent(const QString& path, const QByteArray& bytes) {
  if (path.isEmpty() || QFileInfo(path).isDir()) return false;
  QSaveFile file(path);
  // Never fall back to writing over the old file: an interrupted write must not cut it.
  file.setDirectWriteFallback(false);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool PrintToFile(const QString& path, const QString& text, Prompter& prompter) {
  if (ReplaceFileContent(path, cp1251::Encode(text + QStringLiteral("\r\n")))) return true;
  prompter.Ask(Message{QStringLiteral("PrintToFile"), ProgramTitle(), MessageButtons::Ok,
                       MessageIcon::None});
  return false;
}

}  // namespace trellis
