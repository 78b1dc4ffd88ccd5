#include "generator/ProgramTables.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace trellis {
namespace {

TEST(GeneratorColumnFiles, AFreshFamilyFolderGetsThemAndEditedOnesStay) {
  test::TempFolder root;
  const QString install = root.File(QStringLiteral("install"));
  const QString family = root.File(QStringLiteral("Kestrel"));
  QDir().mkpath(install);
  QDir().mkpath(family);
  for (const char* name : {"Materials", "NumEl", "Unrelated"}) {
    test::WriteBytes(install + u'/' + QLatin1String(name) + QStringLiteral(".ini"),
                     "[F1]\r\nName=A\r\n");
  }
  EXPECT_EQ(ProvideGeneratorColumnFiles(install, family), 2);
  EXPECT_EQ(test::ReadBytes(family + QStringLiteral("/NumEl.ini")), "[F1]\r\nName=A\r\n");
  EXPECT_FALSE(QFileInfo::exists(family + QStringLiteral("/Unrelated.ini")));

  // A file the user edited later is kept; an upgraded installation file replaces an older one.
  test::WriteBytes(family + QStringLiteral("/Materials.ini"), "[F1]\r\nName=Mine\r\n");
  EXPECT_EQ(ProvideGeneratorColumnFiles(install, family), 0);
  QFile old(family + QStringLiteral("/NumEl.ini"));
  ASSERT_TRUE(old.open(QIODevice::ReadWrite));
  old.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime);
  old.close();
  EXPECT_EQ(ProvideGeneratorColumnFiles(install, family), 1);
  EXPECT_EQ(test::ReadBytes(family + QStringLiteral("/Materials.ini")), "[F1]\r\nName=Mine\r\n");
}

TEST(GeneratorColumnFiles, NamesOfTheProgramTables) {
  const ProgramTableNames n = FillProgramTableNames();
  EXPECT_EQ(n.ProgramTableTitle[16], QStringLiteral("Участки сечения"));
  EXPECT_EQ(n.ProgramTableIni[20], "Fund2");
  EXPECT_TRUE(n.ProgramTableIni[11].isEmpty());
  EXPECT_TRUE(n.ProgramTableIni[17].isEmpty());
  EXPECT_EQ(n.GeometryTableIni[3], "NumEl");
}

}  // namespace
}  // namespace trellis
