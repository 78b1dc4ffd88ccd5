#include "app/FullDisk.h"
#include "app/IniFiles.h"
#include "app/SettingsStore.h"
#include "app/TextCodec.h"
#include "app/TextFiles.h"
#include "generator/HandWrittenModule.h"
#include "generator/ProgramExport.h"
#include "generator/ProgramProjectWriter.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTextStream>

#include <gtest/gtest.h>

namespace trellis {
namespace {

const QByteArray kFormTemplate = "VERSION 5.00\r\nCaption = \"\xD0\xE0\xF1\xF7\xE5\xF2\"\r\n";
const QByteArray kFormResources("\x00\x98\xFF\r\n\x01", 6);

// An installation with the four templates, and a project folder.
class ProgramProjectTest : public ::testing::Test {
 protected:
  ProgramProjectTest() {
    QDir().mkpath(install_ + QStringLiteral("/Template/tr"));
    QDir().mkpath(work_);
    test::WriteBytes(Template(QStringLiteral("frmVB.frm")), kFormTemplate);
    test::WriteBytes(Template(QStringLiteral("frmVB.frx")), kFormResources);
    test::WriteBytes(Template(QStringLiteral("VB.vbp")), "Type=Exe\r\nForm=frmVB.frm");
    test::WriteBytes(Template(QStringLiteral("mdlFuncApi.bas")), "Attribute VB_Name = \"m\"\r\n");
  }
  QString Template(const QString& name) const {
    return install_ + QStringLiteral("/Template/tr/") + name;
  }
  QString Work(const QString& name) const { return work_ + u'/' + name; }
  void SaveAsVB2(const QString& projectPath) {
    ProgramProjectWriter(install_, root_.File(QStringLiteral("Kestrel")), ini_, writer_, prompter_)
        .SaveAsVB2(projectPath, [this](const QString& path) { opened_ << path; });
  }

  test::TempFolder root_;
  QString install_ = root_.File(QStringLiteral("install"));
  QString work_ = root_.File(QStringLiteral("Work"));
  test::ScriptedPrompter prompter_;
  IniFiles ini_;
  TextFileWriter writer_{prompter_};
  QStringList opened_;
};

TEST_F(ProgramProjectTest, SavedProjectGetsTheFourFilesAndIsOpened) {
  test::WriteBytes(Work(QStringLiteral("Hall.d01")), "");
  test::WriteBytes(Work(QStringLiteral("frmVB.frm")), "an older program's form");
  SaveAsVB2(Work(QStringLiteral("Hall.d01")));

  EXPECT_TRUE(prompter_.Messages().empty());
  EXPECT_EQ(test::ReadBytes(Work(QStringLiteral("frmVB.frm"))),
            kFormTemplate + "\r\n" +
                cp1251::Encode(QString::fromUtf8(test::kAddAllArrStartHall) + test::kAddAllArrEnd +
                               "\r\n" + test::kDefaultSettings) +
                "\r\n");
  EXPECT_EQ(test::ReadBytes(Work(QStringLiteral("frmVB.frx"))), kFormResources);
  EXPECT_EQ(test::ReadBytes(Work(QStringLiteral("Hall.vbp"))), "Type=Exe\r\nForm=frmVB.frm\r\n");
  EXPECT_EQ(test::ReadBytes(Work(QStringLiteral("mdlFuncApi.bas"))),
            "Attribute VB_Name = \"m\"\r\n\r\n");
  EXPECT_EQ(opened_, QStringList{Work(QStringLiteral("Hall.vbp"))});
  EXPECT_TRUE(writer_.TableFileWritten());
}

TEST_F(ProgramProjectTest, NeverSavedProjectIsReportedAndNothingWritten) {
  for (const QString& path : {QString(), Work(QStringLiteral("Gone.d01"))}) {
    SaveAsVB2(path);
  }
  ASSERT_EQ(prompter_.Messages().size(), 2u);
  const Message& message = prompter_.Messages().back();
  EXPECT_EQ(message.text,
            QStringLiteral("Предварительно нужно выполнить сохранение проекта Trellis"));
  EXPECT_EQ(message.caption, QStringLiteral("Trellis"));
  EXPECT_EQ(message.icon, MessageIcon::Critical);
  EXPECT_EQ(message.buttons, MessageButtons::Ok);
  EXPECT_TRUE(QDir(work_).isEmpty());
  EXPECT_TRUE(opened_.isEmpty());
}

TEST_F(ProgramProjectTest, FailedWritesAreReported) {
  test::WriteBytes(Work(QStringLiteral("Hall.d01")), "");
  // A text file that cannot be written is reported and the other files still come.
  QDir().mkpath(Work(QStringLiteral("frmVB.frm")));
  SaveAsVB2(Work(QStringLiteral("Hall.d01")));
  ASSERT_EQ(prompter_.Messages().size(), 1u);
  EXPECT_EQ(prompter_.Messages()[0].text, QStringLiteral("PrintToFile"));
  EXPECT_TRUE(QFile::exists(Work(QStringLiteral("mdlFuncApi.bas"))));
  EXPECT_EQ(opened_.size(), 1);

  // Without the form's resources the program cannot load: reported, stopped, not opened.
  QFile::remove(Template(QStringLiteral("frmVB.frx")));
  QFile::remove(Work(QStringLiteral("Hall.vbp")));
  SaveAsVB2(Work(QStringLiteral("Hall.d01")));
  ASSERT_EQ(prompter_.Messages().size(), 3u);
  EXPECT_TRUE(prompter_.Messages()[2].text.startsWith(QStringLiteral("Не удалось скопировать")));
  EXPECT_FALSE(QFile::exists(Work(QStringLiteral("Hall.vbp"))));
  EXPECT_EQ(opened_.size(), 1);
}

TEST_F(ProgramProjectTest, ExportFromTheCommandLine) {
  SettingsStore settings(root_.File(QStringLiteral("config")));
  const QString drive = root_.File(QStringLiteral("drive"));
  QString errors;
  QTextStream stream(&errors);

  EXPECT_EQ(
      ExportProgramProject(Work(QStringLiteral("Hall.d01")), install_, settings, drive, stream), 1);
  EXPECT_TRUE(errors.contains(Work(QStringLiteral("Hall.d01"))));
  EXPECT_TRUE(QDir(work_).isEmpty());

  // The family folder is found as at start-up, and receives the column files it lacks.
  test::WriteBytes(install_ + QStringLiteral("/Materials.ini"), "[F1]\r\nName=Code\r\n");
  test::WriteBytes(Work(QStringLiteral("Hall.d01")), "M1\tC25\r\n");
  errors.clear();
  EXPECT_EQ(
      ExportProgramProject(Work(QStringLiteral("Hall.d01")), install_, settings, drive, stream), 0);
  EXPECT_EQ(errors, QString());
  EXPECT_EQ(settings.GetSetting(u"Kestrel", u"Folds_1", u"Path"),
            drive + QStringLiteral("/Kestrel"));
  const QByteArray form = test::ReadBytes(Work(QStringLiteral("frmVB.frm")));
  EXPECT_TRUE(form.startsWith(kFormTemplate + "\r\nPublic Sub AddAllArr()\r\n"));
  EXPECT_TRUE(form.contains("\t' \xCA\xEE\xEB\xEE\xED\xEA\xE8 - Code\r\n"));
  EXPECT_TRUE(form.contains("\tA_d01(0,0) = \"M1\" : A_d01(1,0) = \"C25\"\r\n"));
  EXPECT_TRUE(QFile::exists(Work(QStringLiteral("Hall.vbp"))));
}

// The shipped program exports into a project folder where no write succeeds: it says so and
// exits with 1, and the files of an earlier export keep their content.
TEST_F(ProgramProjectTest, AnExportThatCannotWriteFailsAndKeepsTheEarlierOne) {
  test::WriteBytes(Work(QStringLiteral("Hall.d01")), "M1\tC25\r\n");
  const auto exportVb = [this](bool limited) {
    QProcess trellis;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TRELLIS_SETTINGS_HOME"), root_.File(QStringLiteral("config")));
    environment.insert(QStringLiteral("SystemDrive"), root_.File(QStringLiteral("drive")));
    trellis.setProcessEnvironment(environment);
    if (limited) test::LimitChildFileSize(trellis, 0);
    trellis.start(QCoreApplication::applicationDirPath() + QStringLiteral("/trellis"),
                  {QStringLiteral("--export-vb"), Work(QStringLiteral("Hall.d01"))});
    EXPECT_TRUE(trellis.waitForFinished(60000));
    EXPECT_EQ(trellis.exitStatus(), QProcess::NormalExit);
    const QString errors = QString::fromLocal8Bit(trellis.readAllStandardError());
    return std::pair(trellis.exitCode(), errors);
  };
  ASSERT_EQ(exportVb(false).first, 0);
  test::WriteBytes(Work(QStringLiteral("Hall.d01")), "M2\tC30\r\n");
  QStringList files = QDir(work_).entryList(QDir::Files | QDir::Hidden);
  QList<QByteArray> earlier;
  for (const QString& name : files) earlier << test::ReadBytes(Work(name));
  const auto expectEarlierExport = [&](const std::pair<int, QString>& run) {
    EXPECT_EQ(run.first, 1);
    EXPECT_TRUE(run.second.contains(QStringLiteral("was not written"))) << run.second.toStdString();
    EXPECT_EQ(QDir(work_).entryList(QDir::Files | QDir::Hidden), files);
    for (qsizetype i = 0; i < files.size(); ++i)
      EXPECT_EQ(test::ReadBytes(Work(files[i])), earlier[i]) << files[i].toStdString();
  };
  expectEarlierExport(exportVb(true));

  test::FullTmpfs tmpfs(work_);
  if (!tmpfs.Mounted()) GTEST_SKIP() << "no tmpfs can be mounted here";
  tmpfs.Fill();
  files = QDir(work_).entryList(QDir::Files | QDir::Hidden);
  earlier.clear();
  for (const QString& name : files) earlier << test::ReadBytes(Work(name));
  expectEarlierExport(exportVb(false));
}

}  // namespace
}  // namespace trellis
