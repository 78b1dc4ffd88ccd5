#include "app/FullDisk.h"
#include "app/IniFiles.h"
#include "app/TextFiles.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

#include <memory>

namespace trellis {
namespace {

enum class Fullness { Tmpfs, SizeLimit };

const QByteArray kTable = "1\tB15\r\n";
const QByteArray kIni = "[A]\r\nk=1\r\nj=2\r\n";

// A folder with a small table file and a two-key INI file, then full.
class FullDisk : public ::testing::TestWithParam<Fullness> {
 protected:
  void SetUp() override {
    test::WriteBytes(table_, kTable);
    test::WriteBytes(ini_, kIni);
    if (GetParam() == Fullness::SizeLimit) return;
    tmpfs_ = std::make_unique<test::FullTmpfs>(dir_.Path());
    if (!tmpfs_->Mounted()) GTEST_SKIP() << "no tmpfs can be mounted here";
    tmpfs_->Fill();
  }
  template <typename Step>
  void WhileFull(Step step) {
    std::unique_ptr<test::FileSizeLimit> limit;
    if (GetParam() == Fullness::SizeLimit) limit = std::make_unique<test::FileSizeLimit>(0);
    step();
  }
  void ExpectOldFilesOnly() {
    EXPECT_EQ(test::ReadBytes(table_), kTable);
    EXPECT_EQ(test::ReadBytes(ini_), kIni);
    EXPECT_EQ(QDir(dir_.Path()).entryList({"~*"}, QDir::Files | QDir::Hidden), QStringList());
  }

  test::TempFolder dir_;
  QString table_ = dir_.File("t.d02");
  QString ini_ = dir_.File("s.ini");
  std::unique_ptr<test::FullTmpfs> tmpfs_;
};

TEST_P(FullDisk, WritersKeepTheOldFileAndSaySo) {
  test::ScriptedPrompter prompter;
  TextFileWriter writer(prompter);
  IniFiles ini;
  ASSERT_EQ(ini.ReadIni(u"A", u"k", ini_), "1");
  WhileFull([&] {
    EXPECT_FALSE(writer.PrintToFile(table_, "1\tB30"));
    EXPECT_FALSE(ReplaceFileContent(table_, "x"));
    EXPECT_FALSE(ini.WriteIni(u"A", u"k", u"2", ini_));
    EXPECT_FALSE(ini.DeleteIniKey(u"A", u"j", ini_));
  });
  ASSERT_EQ(prompter.Messages().size(), 1u);
  EXPECT_EQ(prompter.Messages()[0].text, "PrintToFile");
  EXPECT_EQ(writer.Failures(), 1);
  EXPECT_TRUE(writer.LastFailure().startsWith(table_ + ": Диск заполнен"));
  const int error = ini.LastWriteError().value();
  EXPECT_TRUE(error == ENOSPC || error == EFBIG) << error;
  EXPECT_EQ(ini.ReadIni(u"A", u"k", ini_), "1");
  ExpectOldFilesOnly();
}

TEST_P(FullDisk, TheIniToolFailsWithTheReason) {
  QProcess tool;
  if (GetParam() == Fullness::SizeLimit) test::LimitChildFileSize(tool, 0);
  tool.start(QCoreApplication::applicationDirPath() + "/trellis-ini", {"write", ini_, "A", "k", "2"});
  ASSERT_TRUE(tool.waitForFinished());
  EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(tool.exitCode(), 1);
  const QString errors = QString::fromLocal8Bit(tool.readAllStandardError());
  EXPECT_TRUE(errors.startsWith("trellis-ini: " + ini_ + " not written: ")) << errors.toStdString();
  ExpectOldFilesOnly();
}

INSTANTIATE_TEST_SUITE_P(, FullDisk, ::testing::Values(Fullness::Tmpfs, Fullness::SizeLimit),
                         [](const auto& info) {
                           return info.param == Fullness::Tmpfs ? "Tmpfs" : "SizeLimit";
                         });

}  // namespace
}  // namespace trellis
