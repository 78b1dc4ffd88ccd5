#include "project/ProjectFixture.h"

#include "app/AppIdentity.h"
#include "project/ProjectFileSet.h"
#include "project/ProjectOperations.h"
#include "tables/CatalogueLoading.h"

#include <QDir>
#include <QFile>

namespace trellis::test {

ProjectFixture::ProjectFixture() {
  t.WriteInstall(
      "Tables.ini",
      "[Main]\nTables=Mat|El|Ld\n[Ext]\nExtBmp=d\nExtName=Модель\nPost=0\n[Mat]\nExt=d01\n"
      "Name=Материалы\n[El]\nExt=d02\nName=Элементы\n[Ld]\nExt=d04\nName=Нагрузки\n");
  t.WriteInstall("bmp/Left/d.bmp", "BM");
  for (const char* key : {"Mat", "El", "Ld"}) {
    t.WriteInstall(QLatin1String(key) + ".ini", "[F1]\nName=N\nType=i\n[F2]\nName=Имя\n");
  }
  t.WriteInstall("Template/tr/VB.vbp", "Type=Exe");
  t.WriteInstall("Template/tr/frmVB.html", "<p>");
  t.WriteInstall("Template/tr2/Materials.d01", "1\tB15\n");
  t.WriteInstall("Template/tr2/Loads.d04", "1\tСобственный вес\n");
}

void ProjectFixture::Start() {
  // The window's load: templates named by an empty base, the catalogue, the first table.
  project.freshStart = true;
  project.projectBaseName.clear();
  CopyTemplates(t.installation, "tr", t.folders.GetWorkingFolder(), QString());
  BuildGroupButtons(t.ctx);
  LoadCatalogue(t.ctx);
  CreateStartupProject(ctx);
}

QString ProjectFixture::Folder(const QString& name) {
  QDir().mkpath(t.root.File(name));
  return t.root.File(name);
}

QStringList ProjectFixture::FilesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

void ProjectFixture::Write(const QString& path, const QByteArray& bytes,
                           const QDateTime& modified) {
  WriteBytes(path, bytes);
  QFile file(path);
  if (modified.isValid() && !(file.open(QIODevice::ReadWrite) &&
                              file.setFileTime(modified, QFile::FileModificationTime))) {
    throw std::runtime_error("cannot set the time of " + path.toStdString());
  }
}

QString ProjectFixture::Setting(const QString& section, const QString& key) {
  return t.settings.GetSetting(ProgramTitle(), section, key);
}

}  // namespace trellis::test
