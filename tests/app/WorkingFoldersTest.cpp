#include "app/AppIdentity.h"
#include "app/InstanceLock.h"
#include "app/SettingsStore.h"
#include "app/WorkingFolders.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <gtest/gtest.h>

namespace trellis {
namespace {

class Folders : public ::testing::Test {
 protected:
  QString Drive() const { return root_.File(QStringLiteral("drive")); }
  QString Kestrel() const { return Drive() + QStringLiteral("/Kestrel"); }
  QString StoredFamily() { return settings_.GetSetting(FamilyKey(), u"folds_1", u"path"); }

  test::TempFolder root_;
  SettingsStore settings_{root_.File(QStringLiteral("config"))};
  WorkingFolders folders_{settings_, Drive(), 4242};
};

TEST_F(Folders, FamilyFolderIsCreatedAndRepaired) {
  EXPECT_EQ(folders_.GetFamilyFolder(), Kestrel());
  EXPECT_TRUE(QFileInfo(Kestrel()).isDir());
  EXPECT_EQ(StoredFamily(), Kestrel());

  // A folder elsewhere is replaced by the default and the setting is rewritten.
  settings_.SaveSetting(FamilyKey(), u"Folds_1", u"Path", root_.File(QStringLiteral("other")));
  WorkingFolders elsewhere(settings_, Drive(), 1);
  EXPECT_EQ(elsewhere.GetFamilyFolder(), Kestrel());
  EXPECT_EQ(StoredFamily(), Kestrel());

  // Paths that only look inside the default folder lead elsewhere and are refused: a parent
  // step, a name that merely begins alike, a symbolic link out of it.
  QDir().mkpath(root_.File(QStringLiteral("victim")));
  QFile::link(root_.File(QStringLiteral("victim")), Kestrel() + QStringLiteral("/link"));
  for (const QString& escape : {Kestrel() + QStringLiteral("/../../victim"), Kestrel() + QStringLiteral("2"),
                                Kestrel() + QStringLiteral("/link/Deep")}) {
    settings_.SaveSetting(FamilyKey(), u"Folds_1", u"Path", escape);
    WorkingFolders outside(settings_, Drive(), 3);
    EXPECT_EQ(outside.GetFamilyFolder(), Kestrel()) << escape.toStdString();
  }

  // A deeper folder of the default, in any letter case, stays, and is not created here.
  const QString deeper = Drive() + QStringLiteral("/KESTREL/Deep");
  settings_.SaveSetting(FamilyKey(), u"Folds_1", u"Path", deeper);
  WorkingFolders inside(settings_, Drive(), 2);
  EXPECT_EQ(inside.GetFamilyFolder(), deeper);
  EXPECT_EQ(StoredFamily(), deeper);
  EXPECT_FALSE(QFileInfo::exists(deeper));
}

TEST_F(Folders, WorkingAndDxfFoldersPerInstance) {
  const QString working = folders_.GetWorkingFolder();
  EXPECT_EQ(working, Kestrel() + QStringLiteral("/Temp/4242"));
  EXPECT_TRUE(QFileInfo(working).isDir());
  const QString dxf = folders_.GetDxfFolder();
  EXPECT_EQ(dxf, working + QStringLiteral("/DXF"));
  EXPECT_TRUE(QFileInfo(dxf).isDir());

  test::WriteBytes(working + QStringLiteral("/.d01"), "x");
  test::WriteBytes(dxf + QStringLiteral("/a.dxf"), "x");
  folders_.RemoveWorkingFolder();  // fails quietly while DXF is still inside
  EXPECT_TRUE(QFileInfo(working).isDir());
  EXPECT_FALSE(QFileInfo::exists(working + QStringLiteral("/.d01")));
  folders_.RemoveDxfFolder();
  folders_.RemoveWorkingFolder();
  EXPECT_FALSE(QFileInfo::exists(working));
  EXPECT_TRUE(QFileInfo(Kestrel() + QStringLiteral("/Temp")).isDir());
}

TEST_F(Folders, ChosenTempDirHoldsAWorkingFolderPerInstanceAndKeepsTheUsersFiles) {
  const QString chosen = root_.File(QStringLiteral("mywork"));
  settings_.SaveSetting(ProgramTitle(), u"Main", u"TempDir", chosen);
  EXPECT_EQ(folders_.GetWorkingFolder(), Kestrel() + QStringLiteral("/Temp/4242"));
  QDir().mkpath(chosen);
  test::WriteBytes(chosen + QStringLiteral("/notes.txt"), "mine");
  const QString working = folders_.GetWorkingFolder();
  EXPECT_EQ(working, chosen + QStringLiteral("/Trellis-4242"));
  WorkingFolders second(settings_, Drive(), 77);
  EXPECT_EQ(second.GetWorkingFolder(), chosen + QStringLiteral("/Trellis-77"));
  test::WriteBytes(working + QStringLiteral("/p.d01"), "x");
  test::WriteBytes(second.GetWorkingFolder() + QStringLiteral("/q.d01"), "y");
  folders_.RemoveWorkingFolder();
  EXPECT_FALSE(QFileInfo::exists(working));
  EXPECT_EQ(test::ReadBytes(chosen + QStringLiteral("/notes.txt")), "mine");
  EXPECT_EQ(test::ReadBytes(second.GetWorkingFolder() + QStringLiteral("/q.d01")), "y");
  // The DXF folder stays under the instance folder, which is made for it.
  EXPECT_EQ(folders_.GetDxfFolder(), Kestrel() + QStringLiteral("/Temp/4242/DXF"));
  EXPECT_TRUE(QFileInfo(folders_.GetDxfFolder()).isDir());
}

TEST_F(Folders, CleanupKeepsShemFilesAndRemovesTheReadOnlyMarker) {
  const QString temp = folders_.TempArea();
  for (const char* name : {"111", "shem", "SHEM2"}) {
    const QString dxf = temp + u'/' + QLatin1String(name) + QStringLiteral("/DXF");
    QDir().mkpath(dxf);
    test::WriteBytes(dxf + QStringLiteral("/1.tmp.tmp"), "marker");
    QFile::setPermissions(dxf + QStringLiteral("/1.tmp.tmp"), QFile::ReadOwner);
    test::WriteBytes(dxf + QStringLiteral("/.hidden"), "x");
    test::WriteBytes(temp + u'/' + QLatin1String(name) + QStringLiteral("/p.d01"), "x");
  }
  test::WriteBytes(temp + QStringLiteral("/trellis-1.lock"), "");  // files of the area stay

  CleanTempArea(temp);
  EXPECT_FALSE(QFileInfo::exists(temp + QStringLiteral("/111")));
  EXPECT_FALSE(QFileInfo::exists(temp + QStringLiteral("/SHEM2")));
  EXPECT_TRUE(QFileInfo::exists(temp + QStringLiteral("/shem/p.d01")));
  EXPECT_FALSE(QFileInfo::exists(temp + QStringLiteral("/shem/DXF")));
  EXPECT_TRUE(QFileInfo::exists(temp + QStringLiteral("/trellis-1.lock")));

  CleanTempArea(root_.File(QStringLiteral("missing")));  // nothing to do, no error
}

TEST_F(Folders, AnotherRunningInstanceIsSeenAndADeadOneIsNot) {
  const QString temp = folders_.TempArea();
  EXPECT_FALSE(InstanceLock::OtherInstanceRunning(temp, 1));
  {
    InstanceLock other(temp, 2);
    ASSERT_TRUE(other.IsHeld());
    EXPECT_TRUE(InstanceLock::OtherInstanceRunning(temp, 1));
    EXPECT_FALSE(InstanceLock::OtherInstanceRunning(temp, 2));  // its own lock does not count
  }
  EXPECT_FALSE(InstanceLock::OtherInstanceRunning(temp, 1));

  // Start-up cleans the area only while no other instance runs.
  QDir().mkpath(temp + QStringLiteral("/999"));
  {
    InstanceLock other(temp, 2);
    ClaimInstance(temp, 1);
    EXPECT_TRUE(QFileInfo::exists(temp + QStringLiteral("/999")));
  }
  EXPECT_TRUE(ClaimInstance(temp, 1)->IsHeld());
  EXPECT_FALSE(QFileInfo::exists(temp + QStringLiteral("/999")));

  // A killed instance leaves a lock naming a process that no longer exists.
  test::WriteBytes(temp + QStringLiteral("/trellis-3.lock"),
                   "2147483646\ntrellis\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  EXPECT_FALSE(InstanceLock::OtherInstanceRunning(temp, 1));
}

}  // namespace
}  // namespace trellis
