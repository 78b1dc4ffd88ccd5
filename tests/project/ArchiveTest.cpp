#include "project/ArchiveCommandLine.h"
#include "project/ProjectArchive.h"
#include "project/ProjectCommands.h"
#include "project/ProjectFixture.h"

#include <QCoreApplication>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

#include <gtest/gtest.h>
#include <zip.h>

namespace trellis {
namespace {

using test::ProjectFixture;
using test::ReadBytes;

// Entry name -> content as libzip reads them back; empty when the archive does not open.
QMap<QString, QByteArray> ReadArchive(const QString& path) {
  QMap<QString, QByteArray> entries;
  int error = 0;
  zip_t* archive =
      zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
  for (zip_int64_t i = 0; archive && i < zip_get_num_entries(archive, 0); ++i) {
    zip_stat_t stat;
    zip_stat_index(archive, zip_uint64_t(i), 0, &stat);
    QByteArray content(qsizetype(stat.size), '\0');
    zip_file_t* file = zip_fopen_index(archive, zip_uint64_t(i), 0);
    zip_fread(file, content.data(), stat.size);
    zip_fclose(file);
    entries.insert(QString::fromUtf8(stat.name), content);
  }
  if (archive) zip_close(archive);
  return entries;
}

class Archive : public ::testing::Test {
 protected:
  // The start-up project saved as X/B.d01, with strangers beside it.
  Archive() {
    f_.Start();
    f_.t.prompter.QueueFile(x_ + "/B.d01");
    RunSaveCommand(f_.ctx);
    for (const char* name : {"B.dwg", "Other.d01", ".d05", "sub/inner.txt"}) {
      f_.Folder("X/sub");
      ProjectFixture::Write(x_ + '/' + name, name);
    }
  }
  ProjectFixture f_;
  QString x_ = f_.Folder("X");
};

TEST_F(Archive, HoldsEveryFileOfTheProjectFolderAtItsRootButNotItself) {
  const QString zipPath = x_ + "/B.zip";
  ProjectFixture::Write(zipPath, "an older archive");
  ASSERT_TRUE(ArchiveFolder(f_.ctx, x_, zipPath));
  const QMap<QString, QByteArray> entries = ReadArchive(zipPath);
  QStringList expected = ProjectFixture::FilesIn(x_);
  expected.removeAll("B.zip");
  EXPECT_EQ(entries.keys(), expected);
  for (const QString& name : expected)
    EXPECT_EQ(entries[name], ReadBytes(x_ + '/' + name)) << name.toStdString();

  const QString unzip = QStandardPaths::findExecutable("unzip");
  if (unzip.isEmpty()) return;
  QProcess check;
  check.start(unzip, {"-tq", zipPath});
  ASSERT_TRUE(check.waitForFinished());
  EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardOutput().toStdString();
}

TEST_F(Archive, AnEmptyFolderGivesTheTwentyTwoByteArchive) {
  const QString zipPath = f_.t.root.File("E.ZIP");  // capitals are accepted
  ProjectFixture::Write(zipPath, "an older archive");
  EXPECT_TRUE(WriteFolderArchive(f_.Folder("empty"), zipPath).written);
  EXPECT_EQ(ReadBytes(zipPath), QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0'));
}

TEST_F(Archive, ANeverSavedProjectIsSavedFirstAndAnArchiveReplacedOnlyOnYes) {
  const QString y = f_.Folder("Y"), zipPath = f_.Folder("Z") + "/C.zip";
  f_.project.projectPath.clear();
  test::ScriptedPrompter& prompter = f_.t.prompter;
  prompter.QueueFile(y + "/C.d01");
  prompter.QueueFile(zipPath.chopped(4));
  ArchiveProject(f_.ctx);
  const auto& requests = prompter.FileRequests();
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[1].caption, "Сохранить проект");
  EXPECT_EQ(requests[2].caption, "Сохранить проект в архив");
  EXPECT_EQ(requests[2].filter, "Архив (*.zip)|*.zip");
  EXPECT_EQ(requests[2].initialFolder, x_);  // where the project dialog started
  EXPECT_EQ(f_.Setting("main", "PathZip"), x_);
  EXPECT_TRUE(f_.project.projectSaved);
  EXPECT_EQ(ReadArchive(zipPath).keys(), ProjectFixture::FilesIn(y));

  ProjectFixture::Write(y + "/late.txt", "late");
  for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
    prompter.QueueFile(zipPath);
    prompter.QueueAnswer(answer);
    ArchiveProject(f_.ctx);
    EXPECT_EQ(ReadArchive(zipPath).contains("late.txt"), answer == MessageAnswer::Yes);
  }
  EXPECT_EQ(prompter.Messages().back().text,
            "Архив  \"" + zipPath + "\" уже существует. Заменить его новым?");
}

TEST_F(Archive, WhatCannotBecomeAnArchiveIsReportedAndLeftAlone) {
  const QString notes = f_.t.root.File("notes.txt");
  ProjectFixture::Write(notes, "the user's notes");
  EXPECT_FALSE(ArchiveFolder(f_.ctx, x_, notes));
  EXPECT_EQ(ReadBytes(notes), "the user's notes");
  EXPECT_FALSE(ArchiveFolder(f_.ctx, x_, f_.t.root.File("gone/B.zip")));
  EXPECT_EQ(f_.t.prompter.Messages().back().text, "Архив создать не удалось");
  EXPECT_EQ(f_.t.window.Report1.Lines().size(), 2);

  f_.project.projectPath.clear();
  f_.t.prompter.QueueFile(x_ + "/a:b.d01");  // a name Windows refuses
  ArchiveProject(f_.ctx);
  EXPECT_EQ(f_.t.prompter.Messages().back().text, "Некорректное имя файла. ");
}

TEST_F(Archive, TheCommandLineArchivesAProjectFolder) {
  QString errors;
  QTextStream stream(&errors);
  const auto run = [&](const QStringList& arguments) {
    return RunArchiveCommandLine(QStringList{"trellis"} + arguments, stream);
  };
  EXPECT_EQ(run({"--archive", x_ + "/B.d01", f_.t.root.File("a.zip")}), 0);
  EXPECT_EQ(ReadArchive(f_.t.root.File("a.zip")).keys(), ProjectFixture::FilesIn(x_));
  EXPECT_EQ(run({"--archive", x_ + "/none.d01", f_.t.root.File("b.zip")}), 2);
  EXPECT_EQ(run({"--archive", x_ + "/B.d01", f_.t.root.File("gone/c.zip")}), 1);
  stream.flush();
  EXPECT_EQ(errors.count('\n'), 2);
}

// Writes beyond a file-size limit fail rather than end the program: the command says so, an
// older archive stays and nothing is left beside it.
TEST_F(Archive, TheCommandLineReportsAnArchiveItCannotWrite) {
  const QString z = f_.Folder("Z"), zipPath = z + "/B.zip";
  ProjectFixture::Write(zipPath, "an older archive");
  QProcess trellis;
  test::LimitChildFileSize(trellis, 0);
  trellis.start(QCoreApplication::applicationDirPath() + "/trellis",
                {"--archive", x_ + "/B.d01", zipPath});
  ASSERT_TRUE(trellis.waitForFinished(60000));
  EXPECT_EQ(trellis.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(trellis.exitCode(), 1);
  EXPECT_TRUE(QString::fromLocal8Bit(trellis.readAllStandardError()).contains(" не создан: "));
  EXPECT_EQ(ProjectFixture::FilesIn(z), QStringList{"B.zip"});
  EXPECT_EQ(ReadBytes(zipPath), "an older archive");
}

TEST_F(Archive, AFullDiskKeepsTheOlderArchive) {
  const QString z = f_.Folder("Z"), zipPath = z + "/B.zip";
  ProjectFixture::Write(zipPath, "an older archive");
  test::FullTmpfs tmpfs(z);
  if (!tmpfs.Mounted()) GTEST_SKIP() << "no tmpfs can be mounted here";
  tmpfs.Fill();
  for (const QString& folder : {x_, f_.Folder("empty")}) {
    const FolderArchiveResult result = WriteFolderArchive(folder, zipPath);
    EXPECT_FALSE(result.written);
    EXPECT_FALSE(result.failure.isEmpty());
    EXPECT_EQ(QDir(z).entryList(QDir::Files | QDir::Hidden), QStringList({".filler", "B.zip"}));
    EXPECT_EQ(ReadBytes(zipPath), "an older archive");
  }
}

}  // namespace
}  // namespace trellis
