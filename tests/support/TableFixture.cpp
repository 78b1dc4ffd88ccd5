#include "support/TableFixture.h"

#include "app/TextCodec.h"

#include <QDir>
#include <QFileInfo>

namespace trellis::test {

TableFixture::TableFixture()
    : installation(root.File(QStringLiteral("install"))),
      settings(root.File(QStringLiteral("config"))),
      folders(settings, root.File(QStringLiteral("drive")), 7),
      ctx{installation, ini, folders, writer, project, window, tables, hooks} {
  QDir().mkpath(installation);
  project.projectBaseName = QStringLiteral("p");
  window.fg1.SetWidthTwips(30000);
}

void TableFixture::WriteInstall(const QString& relative, const QString& text) {
  const QString path = installation + u'/' + relative;
  QDir().mkpath(QFileInfo(path).absolutePath());
  QString crlf = text;
  crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  WriteBytes(path, cp1251::Encode(crlf));
}

void TableFixture::WriteWorking(const QString& name, const QByteArray& bytes) {
  WriteBytes(WorkingPath(name), bytes);
}

QString TableFixture::WorkingPath(const QString& name) {
  return folders.GetWorkingFolder() + u'/' + name;
}

}  // namespace trellis::test
