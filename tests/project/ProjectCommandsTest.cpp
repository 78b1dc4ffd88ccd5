#include "app/AppIdentity.h"
#include "app/FilePaths.h"
#include "project/ProjectArchive.h"
#include "project/ProjectCommands.h"
#include "project/ProjectFixture.h"
#include "project/RecentProjects.h"
#include "tables/TableOpening.h"

#include <gtest/gtest.h>

namespace trellis {
namespace {

using test::ProjectFixture;
using test::ReadBytes;

QStringList SavedSet(const QString& base) {
  QStringList set;
  for (const char* ext : {".d01", ".d04", ".ini", ".tml", ".vbp"}) set << base + ext;
  return set;
}

class ProjectCommands : public ::testing::Test {
 protected:
  ProjectCommands() { f_.Start(); }

  void ExpectState(const QString& path, const QString& title, const QString& base) {
    EXPECT_EQ(f_.project.projectPath, path);
    EXPECT_EQ(f_.project.projectTitle, title);
    EXPECT_EQ(f_.project.projectBaseName, base);
  }
  QString Working() { return f_.t.folders.GetWorkingFolder(); }
  QString LastMessage() { return prompter_.Messages().back().text; }

  ProjectFixture f_;
  test::ScriptedPrompter& prompter_ = f_.t.prompter;
  ReportLog& report_ = f_.t.window.Report1;
};

TEST_F(ProjectCommands, EachCommandLeavesTheProjectStateOfTheTable) {
  ExpectState("", "Новый проект", "Новый проект");
  EXPECT_EQ(f_.t.window.Caption(), "Trellis - [Новый проект] - [Материалы]");
  EXPECT_EQ(f_.t.window.fg1.Data().Cell(1, 2), "B15");  // the initial file, shown

  const QString x = f_.Folder("X"), n = x + "/N.d01";
  prompter_.QueueAnswer(MessageAnswer::No);   // save the start-up project?
  prompter_.QueueAnswer(MessageAnswer::Yes);  // Создать новый проект?
  prompter_.QueueFile(n);
  RunNewCommand(f_.ctx);
  ExpectState(n, "", "N");
  EXPECT_EQ(LastMessage(), "Создать новый проект?");
  EXPECT_EQ(f_.t.window.Caption(), "Trellis - [Материалы]");
  EXPECT_EQ(ProjectFixture::FilesIn(x), SavedSet("N"));
  EXPECT_EQ(RecentProjects(f_.t.settings)[0], "");  // its file did not exist before the copy

  prompter_.QueueFile(n);
  RunOpenCommand(f_.ctx);  // no prompt: the new project has no title
  ExpectState(n, "N", "N");
  EXPECT_TRUE(RunSaveCommand(f_.ctx));  // its file exists: no dialog
  EXPECT_EQ(RecentProjects(f_.t.settings)[0], n);

  const QString y = f_.Folder("Y");
  prompter_.QueueFile(y + "/M.d01");
  SaveAs(f_.ctx);
  ExpectState(y + "/M.d01", "M", "M");
  EXPECT_EQ(ProjectFixture::FilesIn(y), SavedSet("M"));

  OpenRecentProject(f_.ctx, n);
  ExpectState(n, "N", "N");
  EXPECT_EQ(ProjectFixture::FilesIn(Working()), SavedSet("N"));

  // A recent entry whose file is gone changes only the names.
  OpenRecentProject(f_.ctx, f_.t.root.File("gone/Q.d01"));
  ExpectState(f_.t.root.File("gone/Q.d01"), "Q", "Q");
  EXPECT_EQ(f_.t.window.Caption(), "Trellis - [Q] - [Материалы]");
  EXPECT_TRUE(FileExists(Working() + "/N.d01"));

  EXPECT_EQ(f_.hooks.resets, 2);  // new and open; the recent entries' reset is the dispatch's
  EXPECT_EQ(f_.hooks.busyDepth, 0);
  EXPECT_TRUE(report_.Lines().isEmpty());
}

TEST_F(ProjectCommands, SavingTheStartupProjectRenamesEveryWorkingFileFirst) {
  f_.t.window.fg1.Data().SetCell(1, 2, u"B25");
  ProjectFixture::Write(Working() + "/Новый проект.dwg", "drawing");
  const QString x = f_.Folder("X");
  prompter_.QueueFile(x + "/M");  // typed without extension
  EXPECT_TRUE(RunSaveCommand(f_.ctx));
  const FileDialogRequest& dialog = prompter_.FileRequests().back();
  EXPECT_EQ(dialog.caption, "Сохранить проект");
  EXPECT_EQ(dialog.filter, "Файл данных проекта (*.d01)|*.d01");
  EXPECT_TRUE(dialog.save);
  ExpectState(x + "/M.d01", "M", "M");
  EXPECT_EQ(ProjectFixture::FilesIn(x), SavedSet("M"));
  EXPECT_TRUE(ReadBytes(x + "/M.d01").contains("B25"));
  EXPECT_EQ(ProjectFixture::FilesIn(Working()), SavedSet("M") << "Новый проект.dwg");
}

TEST_F(ProjectCommands, PromptsAskWordForWordAndNeverDropUnsavedWork) {
  bool cancel = false;
  prompter_.QueueAnswer(MessageAnswer::Yes);  // save, but the dialog is cancelled: goes on
  AskSaveChanges(f_.ctx, cancel);
  EXPECT_FALSE(cancel);
  const Message& asked = prompter_.Messages().back();
  EXPECT_EQ(asked.text, "Сохранить изменения в проект \"Новый проект\"?");
  EXPECT_EQ(asked.caption, "Trellis");
  EXPECT_EQ(asked.buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(asked.icon, MessageIcon::Exclamation);

  const QString x = f_.Folder("X"), n = x + "/N.d01";
  ProjectFixture::Write(n, "other project");
  f_.t.settings.SaveSetting(ProgramTitle(), u"main", u"Path", x);
  for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Cancel}) {
    prompter_.QueueFile(n);
    prompter_.QueueAnswer(answer);
    SaveAs(f_.ctx);
    EXPECT_EQ(LastMessage(), "Файл \"" + n + "\" уже существует. Заменить его новым?");
  }
  ExpectState("", "Новый проект", "Новый проект");
  EXPECT_EQ(prompter_.FileRequests().back().initialFolder, x);
  EXPECT_EQ(ReadBytes(n), "other project");

  f_.project.projectTitle.clear();
  cancel = false;
  prompter_.QueueAnswer(MessageAnswer::No);
  AskSaveChanges(f_.ctx, cancel);
  EXPECT_FALSE(cancel);
  EXPECT_EQ(LastMessage(), "Сохранить изменения в проект?");

  prompter_.QueueAnswer(MessageAnswer::Yes);  // save into a folder that is gone: stays open
  prompter_.QueueFile(f_.t.root.File("gone/N.d01"));
  AskSaveChanges(f_.ctx, cancel);
  EXPECT_TRUE(cancel);
}

TEST_F(ProjectCommands, OpenRefusesAnotherProgramsFileAndKeepsOptionsWithoutIni) {
  const QString x = f_.Folder("X");
  ProjectFixture::Write(x + "/S.d01", "[Main]\r\n");
  prompter_.QueueFile(x + "/S.d01");
  RunOpenCommand(f_.ctx);  // right after start-up: no unsaved-changes prompt
  ASSERT_EQ(prompter_.Messages().size(), 1u);
  EXPECT_EQ(LastMessage(),
            "Данный файл создан в другой программе и не предназначен для открытия в Trellis");
  EXPECT_EQ(prompter_.Messages().back().icon, MessageIcon::Critical);
  ExpectState("", "Новый проект", "Новый проект");

  f_.t.settings.SaveSetting(ProgramTitle(), u"Calc", u"Iter", u"50");
  ProjectFixture::Write(x + "/E.d01", "");  // empty is accepted
  ProjectFixture::Write(x + "/E.d02", "1\tЭлемент");
  prompter_.QueueFile(x + "/E.d01");
  RunOpenCommand(f_.ctx);
  ExpectState(x + "/E.d01", "E", "E");
  EXPECT_EQ(ProjectFixture::FilesIn(Working()), QStringList({"E.d01", "E.d02", "E.tml", "E.vbp"}));
  EXPECT_TRUE(RunSaveCommand(f_.ctx));
  EXPECT_EQ(f_.t.ini.ReadIni(u"Calc", u"Iter", x + "/E.ini"), "50");
}

TEST_F(ProjectCommands, OpeningLaysTheTemplatesOverTheProjectsOwnFiles) {
  const QString x = f_.Folder("X");
  ProjectFixture::Write(x + "/N.d01", "1\tB20\r\n");
  ProjectFixture::Write(x + "/N.vbp", "Type=Old");
  OpenRecentProject(f_.ctx, x + "/N.d01");
  EXPECT_EQ(ReadBytes(Working() + "/N.vbp"), "Type=Exe");
  EXPECT_EQ(ReadBytes(Working() + "/N.d01"), "1\tB20\r\n");
}

TEST_F(ProjectCommands, ASaveFromThePromptEndsTheFreshStart) {
  f_.project.freshStart = true;
  prompter_.QueueAnswer(MessageAnswer::Yes);  // save the start-up project
  prompter_.QueueFile(f_.Folder("X") + "/M.d01");
  prompter_.QueueAnswer(MessageAnswer::No);  // Создать новый проект?
  EXPECT_FALSE(RunNewCommand(f_.ctx));
  EXPECT_FALSE(f_.project.freshStart);  // so the next open asks before leaving M
}

TEST_F(ProjectCommands, RecentListKeepsSixteenAndIgnoresCaseDuplicates) {
  const QString x = f_.Folder("X");
  AddRecentProject(f_.t.settings, x + "/none.d01");  // no such file
  for (int i = 1; i <= 17; ++i) {
    ProjectFixture::Write(x + QStringLiteral("/p%1.d01").arg(i), "");
    AddRecentProject(f_.t.settings, x + QStringLiteral("/p%1.d01").arg(i));
  }
  AddRecentProject(f_.t.settings, x.toUpper() + "/P5.D01");
  const QStringList recent = RecentProjects(f_.t.settings);
  EXPECT_EQ(recent.front(), x + "/p17.d01");
  EXPECT_EQ(recent.back(), x + "/p2.d01");
}

TEST_F(ProjectCommands, ASaveThatCannotFinishIsReportedAndLeavesEachFileWhole) {
  prompter_.QueueFile(f_.t.root.File("vanished/N.d01"));
  RunSaveCommand(f_.ctx);
  EXPECT_FALSE(f_.project.projectSaved);
  ASSERT_EQ(report_.Lines().size(), 1);
  EXPECT_TRUE(report_.Lines()[0].contains("vanished"));
  // Told, with the reason, not only noted in a pane the user may not see.
  EXPECT_TRUE(LastMessage().startsWith("Проект не сохранен.")) << LastMessage().toStdString();
  EXPECT_TRUE(LastMessage().contains("vanished"));

  const QString x = f_.Folder("X");
  prompter_.QueueFile(x + "/N.d01");
  ASSERT_TRUE(RunSaveCommand(f_.ctx));
  f_.project.projectSaved = false;
  ProjectFixture::Write(Working() + "/N.d02", QByteArray(256 * 1024, 'e'));
  f_.t.window.fg1.Data().SetCell(1, 2, u"B30");
  {
    test::FileSizeLimit limit(64 * 1024);
    RunSaveCommand(f_.ctx);
  }
  EXPECT_FALSE(f_.project.projectSaved);
  EXPECT_TRUE(ReadBytes(x + "/N.d01").contains("B30"));  // copied before the disk filled
  EXPECT_EQ(ProjectFixture::FilesIn(x), SavedSet("N"));  // and no N.d02 at all
  EXPECT_TRUE(report_.Lines().back().contains("N.d02"));
  EXPECT_TRUE(LastMessage().contains("N.d02"));

  // A project whose files did not all reach the working folder is never saved back unasked.
  const QString y = f_.Folder("Y");
  ProjectFixture::Write(y + "/E.d01", "1\tB20");
  ProjectFixture::Write(y + "/E.d02", QByteArray(256 * 1024, 'e'));
  {
    test::FileSizeLimit limit(64 * 1024);
    OpenRecentProject(f_.ctx, y + "/E.d01");
  }
  EXPECT_EQ(f_.project.projectPath, "");
  EXPECT_TRUE(LastMessage().startsWith("Не все файлы проекта попали в рабочую папку."));
  EXPECT_FALSE(RunSaveCommand(f_.ctx));  // asks for a path, and the dialog is cancelled
  EXPECT_EQ(ReadBytes(y + "/E.d02").size(), 256 * 1024);
}

// A save whose working files cannot be written copies nothing: the project folder keeps the
// last saved project, the working table its last content, and the user is told.
TEST_F(ProjectCommands, ASaveThatCannotWriteItsWorkingFilesCopiesNothing) {
  const QString x = f_.Folder("X");
  prompter_.QueueFile(x + "/N.d01");
  ASSERT_TRUE(RunSaveCommand(f_.ctx));
  const QByteArray saved = ReadBytes(x + "/N.d01");
  f_.t.window.fg1.Data().SetCell(1, 2, u"B30");
  f_.project.projectSaved = false;
  {
    test::FileSizeLimit limit(0);
    RunSaveCommand(f_.ctx);
  }
  EXPECT_FALSE(f_.project.projectSaved);
  EXPECT_EQ(ReadBytes(Working() + "/N.d01"), saved);
  EXPECT_EQ(ReadBytes(x + "/N.d01"), saved);
  ASSERT_GE(prompter_.Messages().size(), 2u);
  EXPECT_EQ(prompter_.Messages()[prompter_.Messages().size() - 2].text, "PrintToFile");
  EXPECT_TRUE(LastMessage().startsWith("Проект не сохранен.")) << LastMessage().toStdString();
  EXPECT_TRUE(LastMessage().contains("N.d01: Диск заполнен")) << LastMessage().toStdString();
}

TEST_F(ProjectCommands, ASaveOnAFullWorkingFolderCopiesNothing) {
  const QString x = f_.Folder("X");
  prompter_.QueueFile(x + "/N.d01");
  ASSERT_TRUE(RunSaveCommand(f_.ctx));
  const QByteArray saved = ReadBytes(x + "/N.d01"), settings = ReadBytes(x + "/N.ini");
  test::FullTmpfs tmpfs(Working());
  if (!tmpfs.Mounted()) GTEST_SKIP() << "no tmpfs can be mounted here";
  tmpfs.Fill();

  const QString cell = f_.t.window.fg1.Data().Cell(1, 2);
  f_.t.window.fg1.Data().SetCell(1, 2, u"B30");
  f_.project.projectSaved = false;
  RunSaveCommand(f_.ctx);
  EXPECT_FALSE(f_.project.projectSaved);
  EXPECT_EQ(ReadBytes(Working() + "/N.d01"), saved);
  EXPECT_EQ(ReadBytes(x + "/N.d01"), saved);
  EXPECT_TRUE(report_.Lines().back().contains("N.d01: Диск заполнен"));

  // The table as saved, but calculation options that cannot reach the working file.
  f_.t.window.fg1.Data().SetCell(1, 2, cell);
  f_.t.settings.SaveSetting(ProgramTitle(), u"Calc", u"Iter", u"77");
  RunSaveCommand(f_.ctx);
  EXPECT_FALSE(f_.project.projectSaved);
  EXPECT_EQ(ReadBytes(x + "/N.ini"), settings);
  EXPECT_TRUE(report_.Lines().back().contains("N.ini: Диск заполнен")) << report_.Lines().back().toStdString();
}

TEST_F(ProjectCommands, ARefusedNameAndAnArchiveWithoutItsSaveAreTold) {
  prompter_.QueueFile(f_.Folder("X") + "/a:b.d01");
  EXPECT_FALSE(RunSaveCommand(f_.ctx));
  EXPECT_EQ(LastMessage(), "Некорректное имя файла. ");
  EXPECT_EQ(prompter_.Messages().back().caption, "Ошибка");

  prompter_.QueueFile(f_.t.root.File("vanished/N.d01"));
  ArchiveProject(f_.ctx);
  EXPECT_TRUE(LastMessage().startsWith("Архив не создан: проект не удалось сохранить."));
  EXPECT_TRUE(prompter_.FileRequests().back().filter.contains("d01"));  // no archive dialog
}

TEST_F(ProjectCommands, ANewOrOpenedProjectNeverInheritsTheTableShownBefore) {
  const QString x = f_.Folder("X"), y = f_.Folder("Y");
  prompter_.QueueFile(x + "/N.d01");
  ASSERT_TRUE(RunSaveCommand(f_.ctx));
  const auto showLoads = [&] {
    f_.t.window.Tabs1.Select(3);
    OnTabClick(f_.t.ctx);
    return f_.t.window.fg1.Data().Cell(1, 2);
  };
  ASSERT_EQ(showLoads(), "Собственный вес");
  f_.t.window.fg1.Data().SetCell(1, 2, u"Снег");  // typed, not saved
  f_.project.projectSaved = false;

  // A new project of the same base name elsewhere starts from the templates.
  prompter_.QueueAnswer(MessageAnswer::No);   // save the changes to N?
  prompter_.QueueAnswer(MessageAnswer::Yes);  // Создать новый проект?
  prompter_.QueueFile(y + "/N.d01");
  ASSERT_TRUE(RunNewCommand(f_.ctx));
  EXPECT_EQ(showLoads(), "Собственный вес");
  EXPECT_FALSE(ReadBytes(y + "/N.d04").contains(QStringLiteral("Снег").toUtf8()));

  // Opening the other N while its loads are shown reads them, edited or not.
  f_.t.window.fg1.Data().SetCell(1, 2, u"Ветер");
  f_.project.projectSaved = false;
  prompter_.QueueAnswer(MessageAnswer::No);
  prompter_.QueueFile(x + "/N.d01");
  RunOpenCommand(f_.ctx);
  EXPECT_EQ(showLoads(), "Собственный вес");
  EXPECT_EQ(f_.t.window.fg1.Data().Cell(1, 2), "Собственный вес");
}

}  // namespace
}  // namespace trellis
