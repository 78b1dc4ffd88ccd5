#include "app/FilePaths.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cmath>

namespace trellis {
namespace {

TEST(PathParts, ParentBaseAndExtension) {
  EXPECT_EQ(ParentFolder(QStringLiteral("/a/b.d01")), "/a");
  EXPECT_EQ(ParentFolder(QStringLiteral("/b.d01")), "");
  EXPECT_EQ(ParentFolder(QStringLiteral("b.d01")), "");
  EXPECT_EQ(ParentFolder(QStringLiteral("a/b/")), "a/b");

  EXPECT_EQ(BaseNameOf(QStringLiteral("/a/b.c.d01")), "b.c");
  EXPECT_EQ(BaseNameOf(QStringLiteral("/a.b/c")), "");
  EXPECT_EQ(BaseNameOf(QStringLiteral("/a/.d01")), "");
  EXPECT_EQ(BaseNameOf(QStringLiteral("b.d01")), "");
  EXPECT_EQ(BaseNameOf(QStringLiteral("/a/Проект.d01")), QStringLiteral("Проект"));

  EXPECT_EQ(ExtensionOf(QStringLiteral("b.c.D01")), "D01");
  EXPECT_EQ(ExtensionOf(QStringLiteral("name")), "");
  EXPECT_EQ(ExtensionOf(QStringLiteral("name.")), "");
}

TEST(Wildcards, AsWindowsMatchesFileNames) {
  EXPECT_TRUE(MatchesWildcard(QStringLiteral("noext"), QStringLiteral("*.*")));
  EXPECT_TRUE(MatchesWildcard(QStringLiteral("a.D01"), QStringLiteral("*.d01")));
  EXPECT_TRUE(MatchesWildcard(QStringLiteral(".d01"), QStringLiteral("*.d01")));
  EXPECT_TRUE(MatchesWildcard(QStringLiteral("ab.d01"), QStringLiteral("a?.d0*")));
  EXPECT_TRUE(MatchesWildcard(QStringLiteral("Проект.ini"), QStringLiteral("ПРОЕКТ.*")));
  EXPECT_FALSE(MatchesWildcard(QStringLiteral("a.d011"), QStringLiteral("*.d01")));
  EXPECT_FALSE(MatchesWildcard(QStringLiteral("abc"), QStringLiteral("a?")));
  EXPECT_TRUE(MatchesWildcard(QStringLiteral("aXbXc"), QStringLiteral("a*b*c")));
}

TEST(Existence, FilesFoldersAndPatterns) {
  test::TempFolder dir;
  test::WriteBytes(dir.File(QStringLiteral("p.d01")), "x");
  test::WriteBytes(dir.File(QStringLiteral(".ini")), "x");  // a nameless working file
  QDir(dir.Path()).mkdir(QStringLiteral("sub"));

  EXPECT_TRUE(FileExists(dir.File(QStringLiteral("p.d01"))));
  EXPECT_TRUE(FileExists(dir.File(QStringLiteral(".ini"))));
  EXPECT_TRUE(FileExists(dir.File(QStringLiteral("*.D01"))));
  EXPECT_FALSE(FileExists(dir.File(QStringLiteral("*.d02"))));
  EXPECT_FALSE(FileExists(dir.File(QStringLiteral("sub"))));  // a folder is not a file
  EXPECT_FALSE(FileExists(dir.File(QStringLiteral("su*"))));
  EXPECT_FALSE(FileExists(QString()));
  EXPECT_FALSE(FileExists(dir.File(QStringLiteral("missing/*.*"))));

  EXPECT_TRUE(FolderExists(dir.File(QStringLiteral("sub"))));
  EXPECT_TRUE(FolderExists(dir.File(QStringLiteral("p.d01"))));  // a file passes too
  EXPECT_TRUE(FolderExists(QStringLiteral("\\\\server\\share")));
  EXPECT_TRUE(FolderExists(QStringLiteral("//server/share")));
  EXPECT_FALSE(FolderExists(dir.File(QStringLiteral("nothing"))));
  EXPECT_FALSE(FolderExists(QString()));
}

TEST(FileTime, DayNumbersInSinglePrecision) {
  EXPECT_EQ(DayNumberOf(QDateTime(QDate(2000, 1, 1), QTime(0, 0))), 36526.0f);
  EXPECT_EQ(DayNumberOf(QDateTime(QDate(2025, 6, 15), QTime(12, 0))), 45823.5f);
  // 14:37:12.3 is stored as the nearest 1/256 day, 14:37:30.
  EXPECT_EQ(DayNumberOf(QDateTime(QDate(2025, 6, 15), QTime(14, 37, 12, 300))), 45823.609375f);

  test::TempFolder dir;
  const QString path = dir.File(QStringLiteral("t.d01"));
  test::WriteBytes(path, "x");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2025, 6, 15), QTime(14, 37, 12, 300)),
                               QFileDevice::FileModificationTime));
  file.close();
  EXPECT_EQ(FileTimeOf(path), 45823.609375f);
  EXPECT_EQ(FileTimeOf(dir.File(QStringLiteral("missing"))), 0.0f);
}

}  // namespace
}  // namespace trellis
