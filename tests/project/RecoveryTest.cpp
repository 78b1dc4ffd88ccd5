#include "app/InstanceLock.h"
#include "app/WorkingFolders.h"
#include "project/ProjectFixture.h"
#include "project/ProjectOperations.h"
#include "project/Recovery.h"
#include "tables/CellEditing.h"
#include "tables/GridFilling.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

#include <csignal>

namespace trellis {
namespace {

using test::ProjectFixture;
using test::ReadBytes;

// The fixture's state worked on through the folders of another instance number: a second
// start of the program on the same machine.
struct OtherInstance {
  OtherInstance(ProjectFixture& f, qint64 number)
      : folders(f.t.settings, f.t.root.File(QStringLiteral("drive")), number),
        tables{f.t.installation, f.t.ini, folders, f.t.writer, f.t.project, f.t.window, f.t.tables, f.t.hooks},
        ctx{tables, f.t.settings, f.t.prompter, f.hooks, f.dialog} {}
  WorkingFolders folders;
  TableContext tables;
  ProjectContext ctx;
};

class Recovery : public ::testing::Test {
 protected:
  Recovery() { f_.Start(); }
  QString TempArea() { return f_.t.folders.TempArea(); }

  ProjectFixture f_;
};

TEST_F(Recovery, WorkOfAKilledInstanceIsOfferedAndRecoveredBeforeTheCleanUp) {
  const QString working = f_.t.folders.GetWorkingFolder();
  const QString table = working + QStringLiteral("/Новый проект.d01");
  // The first instance types a material and is killed before it saves.
  GTEST_FLAG_SET(death_test_style, "fast");
  EXPECT_EXIT(
      {
        InstanceLock running(TempArea(), f_.t.folders.InstanceNumber());
        f_.t.window.fg1.SelectCell(1, 2);
        WriteEditorText(f_.t.ctx, CellEditAction::TextBox, QStringLiteral("Бетон B30"));
        KeepForRecovery(f_.ctx);
        std::raise(SIGKILL);
      },
      ::testing::KilledBySignal(SIGKILL), "");
  const QByteArray typed = ReadBytes(table);
  ASSERT_TRUE(typed.startsWith(QByteArrayLiteral("1\t\xc1\xe5\xf2\xee\xed B30")));

  // The next start, another instance: asked before anything is cleaned, it recovers.
  OtherInstance next(f_, 8);
  f_.t.prompter.QueueAnswer(MessageAnswer::Yes);
  const StartupRecovery recovery = AskAboutAbandonedWork(f_.t.prompter, TempArea(), 8);
  ASSERT_TRUE(recovery.toRecover);
  EXPECT_TRUE(f_.t.prompter.Messages().back().text.contains(QStringLiteral("«Новый проект»")));
  EXPECT_EQ(recovery.keptFolderNames, QStringList({QStringLiteral("7")}));
  QDir().mkpath(TempArea() + QStringLiteral("/5"));  // what a closed instance left
  ClaimInstance(TempArea(), 8, recovery.keptFolderNames);
  EXPECT_FALSE(QFileInfo::exists(TempArea() + QStringLiteral("/5")));
  ASSERT_TRUE(QFileInfo::exists(table));

  f_.project.projectSaved = true;
  ASSERT_TRUE(RecoverProject(next.ctx, *recovery.toRecover));
  EXPECT_EQ(ReadBytes(next.folders.GetWorkingFolder() + QStringLiteral("/Новый проект.d01")), typed);
  EXPECT_EQ(f_.t.window.fg1.Data().Cell(1, 2), QStringLiteral("Бетон B30"));
  EXPECT_EQ(f_.project.projectTitle, QStringLiteral("Новый проект"));
  EXPECT_FALSE(f_.project.projectSaved);  // closing asks to save what was recovered
  EXPECT_FALSE(QFileInfo::exists(working));
  EXPECT_TRUE(FindAbandonedWork(TempArea(), 8).empty());
}

TEST_F(Recovery, AbandonedWorkIsKeptOrDiscardedAsTheUserSaysAndSavedWorkGoesUnasked) {
  // Two instances that ended without closing: 3 with saved work, 4 with unsaved.
  for (const qint64 number : {3, 4}) {
    OtherInstance gone(f_, number);
    f_.project.projectSaved = number == 3;
    KeepForRecovery(gone.ctx);
  }
  const size_t asked = f_.t.prompter.Messages().size();
  f_.t.prompter.QueueAnswer(MessageAnswer::Cancel);
  StartupRecovery recovery = AskAboutAbandonedWork(f_.t.prompter, TempArea(), 8);
  EXPECT_FALSE(recovery.toRecover);
  EXPECT_EQ(recovery.keptFolderNames, QStringList({QStringLiteral("4")}));
  EXPECT_EQ(f_.t.prompter.Messages().size(), asked + 1);  // only about the unsaved work
  EXPECT_FALSE(QFileInfo::exists(TempArea() + QStringLiteral("/3")));
  CleanTempArea(TempArea(), recovery.keptFolderNames);
  EXPECT_TRUE(QFileInfo::exists(TempArea() + QStringLiteral("/4")));

  // Asked again at the next start, the user lets it go.
  f_.t.prompter.QueueAnswer(MessageAnswer::No);
  recovery = AskAboutAbandonedWork(f_.t.prompter, TempArea(), 8);
  EXPECT_TRUE(recovery.keptFolderNames.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(TempArea() + QStringLiteral("/4")));
  EXPECT_TRUE(FindAbandonedWork(TempArea(), 8).empty());
}

TEST_F(Recovery, AProjectOpenInAnotherInstanceOpensReadOnlyOrNotAtAll) {
  const QString path = f_.Folder(QStringLiteral("P")) + QStringLiteral("/P.d01");
  ProjectFixture::Write(path, "5\t\xd1\xf2\xe0\xeb\xfc\r\n");  // Сталь
  // Instance 9 runs (this process holds its lock) with the project open.
  InstanceLock running(TempArea(), 9);
  {
    OtherInstance other(f_, 9);
    f_.project.projectPath = path;
    KeepForRecovery(other.ctx);
    f_.project.projectPath.clear();
  }
  EXPECT_TRUE(ProjectOpenElsewhere(TempArea(), 7, path));
  EXPECT_FALSE(ProjectOpenElsewhere(TempArea(), 9, path));
  EXPECT_TRUE(FindAbandonedWork(TempArea(), 8).empty());  // a running instance's work is not abandoned

  f_.t.prompter.QueueAnswer(MessageAnswer::No);
  OpenRecent(f_.ctx, path);
  EXPECT_EQ(f_.project.projectTitle, QStringLiteral("Новый проект"));
  EXPECT_EQ(f_.t.window.fg1.Data().Cell(1, 2), QStringLiteral("B15"));

  f_.t.prompter.QueueAnswer(MessageAnswer::Yes);
  OpenRecent(f_.ctx, path);
  EXPECT_EQ(f_.project.projectTitle, QStringLiteral("P"));
  EXPECT_EQ(f_.t.window.fg1.Data().Cell(1, 2), QStringLiteral("Сталь"));
  EXPECT_TRUE(f_.project.projectPath.isEmpty());  // a save asks for a new name
  EXPECT_TRUE(f_.t.window.Report1.Lines().last().contains(QStringLiteral("только для чтения")));
}

}  // namespace
}  // namespace trellis
