#include "app/RunTimeError.h"
#include "project/ProjectFileSet.h"
#include "project/ProjectFixture.h"

#include <gtest/gtest.h>

namespace trellis {
namespace {

using test::ProjectFixture;
using test::ReadBytes;

// Noon is a whole number of 1/256 days, so it starts a bucket of the day-number test.
const QDateTime kNoon(QDate(2025, 6, 15), QTime(12, 0));

class ProjectFileSet : public ::testing::Test {
 protected:
  void Write(const QString& folder, const QStringList& names) {
    for (const QString& name : names) ProjectFixture::Write(folder + '/' + name, name.toUtf8());
  }
  ProjectFixture f_;
  QString x_ = f_.Folder("X"), w_ = f_.Folder("W");
  ReportLog& report_ = f_.t.window.Report1;
};

TEST_F(ProjectFileSet, CopiesTheSetButNotDrawingsBackupsOrOtherProjects) {
  Write(x_, {"B.d01", "B.d02", "B.ini", "B.dwg", "B.DWG", "B.Bak", "B.z$w", "B.dxf", "Other.d01",
             "BB.d01"});
  ProjectFixture::Write(w_ + "/B.d01", "old");
  EXPECT_TRUE(CopyProjectFiles(x_, w_, "B", Durability::Durable, report_));
  EXPECT_EQ(ProjectFixture::FilesIn(w_), QStringList({"B.d01", "B.d02", "B.ini"}));
  EXPECT_EQ(ReadBytes(w_ + "/B.d01"), "B.d01");
  EXPECT_TRUE(report_.Lines().isEmpty());
}

TEST_F(ProjectFileSet, NamelessFilesFoldWhenNewerByTheSinglePrecisionDayNumber) {
  ProjectFixture::Write(x_ + "/B.d05", "project", kNoon);
  ProjectFixture::Write(x_ + "/.d05", "macro", kNoon.addSecs(6 * 60));  // the next 1/256 day
  ProjectFixture::Write(x_ + "/B.d06", "project", kNoon);
  ProjectFixture::Write(x_ + "/.d06", "macro", kNoon.addSecs(2 * 60));  // the same 1/256 day
  ProjectFixture::Write(x_ + "/B.d07", "project", kNoon.addSecs(600));
  ProjectFixture::Write(x_ + "/.d07", "macro", kNoon);
  ProjectFixture::Write(x_ + "/.d08", "macro", kNoon);  // no B.d08: infinitely old
  ASSERT_TRUE(CopyProjectFiles(x_, w_, "B", Durability::Durable, report_));
  EXPECT_EQ(ProjectFixture::FilesIn(x_), QStringList({"B.d05", "B.d06", "B.d07", "B.d08"}));
  QStringList contents;
  for (const QString& name : ProjectFixture::FilesIn(w_)) contents << ReadBytes(w_ + '/' + name);
  EXPECT_EQ(contents, QStringList({"macro", "project", "project", "macro"}));
  EXPECT_EQ(QFileInfo(w_ + "/B.d05").lastModified(), kNoon.addSecs(6 * 60));

  // Without a base name the nameless files are the set itself.
  Write(x_, {".d09"});
  ASSERT_TRUE(CopyProjectFiles(x_, w_, "", Durability::Durable, report_));
  EXPECT_EQ(ReadBytes(x_ + "/.d09"), ReadBytes(w_ + "/.d09"));
}

TEST_F(ProjectFileSet, RenamesTheWorkingSetButNeverOverAFile) {
  Write(w_, {"Новый проект.d01", "Новый проект.ini", "Новый проект.dwg", "Новый проект.Z$W",
             "Новый проект", "Новый проектX.d01"});
  EXPECT_TRUE(RenameWorkingFiles(w_, "Новый проект", "M", report_));
  EXPECT_EQ(ProjectFixture::FilesIn(w_), QStringList({"M", "M.d01", "M.ini", "Новый проект.Z$W",
                                                      "Новый проект.dwg", "Новый проектX.d01"}));
  EXPECT_EQ(ReadBytes(w_ + "/M.d01"), "Новый проект.d01");

  ProjectFixture::Write(w_ + "/N.d01", "N's own");
  EXPECT_FALSE(RenameWorkingFiles(w_, "M", "N", report_));
  EXPECT_EQ(ReadBytes(w_ + "/N.d01"), "N's own");
  ASSERT_EQ(report_.Lines().size(), 1);
  EXPECT_TRUE(report_.Lines()[0].contains("N.d01"));
}

TEST_F(ProjectFileSet, TemplatesTakeTheBaseNameAndTheLastThreeCharacters) {
  CopyTemplates(f_.t.installation, "tr", w_, "B");
  EXPECT_EQ(ProjectFixture::FilesIn(w_), QStringList({"B.tml", "B.vbp"}));
  EXPECT_EQ(ReadBytes(w_ + "/B.vbp"), "Type=Exe");

  // The listing ends at the first name shorter than five characters.
  for (const char* name : {"Template/tr3/A1.d02", "Template/tr3/b.tx", "Template/tr3/c.d01"}) {
    f_.t.WriteInstall(name, "x");
  }
  CopyTemplates(f_.t.installation, "tr3", x_, "B");
  EXPECT_EQ(ProjectFixture::FilesIn(x_), QStringList({"B.d02"}));
  EXPECT_THROW(CopyTemplates(f_.t.installation, "tr", f_.t.root.File("gone"), "B"), RunTimeError);
}

TEST_F(ProjectFileSet, ACopyCutShortByAFullDiskLeavesTheOldFileWhole) {
  Write(x_, {"B.d01", "B.d03"});
  ProjectFixture::Write(x_ + "/B.d02", QByteArray(256 * 1024, 'n'));
  ProjectFixture::Write(w_ + "/B.d02", "old content");
  {
    test::FileSizeLimit limit(64 * 1024);
    EXPECT_FALSE(CopyProjectFiles(x_, w_, "B", Durability::Durable, report_));
  }
  EXPECT_EQ(ProjectFixture::FilesIn(w_), QStringList({"B.d01", "B.d02"}));  // no copy left over
  EXPECT_EQ(ReadBytes(w_ + "/B.d02"), "old content");
  ASSERT_EQ(report_.Lines().size(), 1);
  EXPECT_TRUE(report_.Lines()[0].contains("B.d02"));
  EXPECT_TRUE(report_.Lines()[0].contains(FileErrorDescription(61)));
}

}  // namespace
}  // namespace trellis
