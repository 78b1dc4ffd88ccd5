#include "app/TextFiles.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QDir>

#include <gtest/gtest.h>

namespace trellis {
namespace {

TEST(TextFiles, PrintToFileWritesWindows1251WithAClosingLineEnd) {
  test::TempFolder dir;
  test::ScriptedPrompter prompter;
  TextFileWriter writer(prompter);
  const QString path = dir.File(QStringLiteral("p.d02"));
  test::WriteBytes(path, "old content that is longer");
  EXPECT_FALSE(writer.TableFileWritten());
  EXPECT_TRUE(writer.PrintToFile(path, QStringLiteral("1\tБетон\r\n2\tСталь")));
  EXPECT_TRUE(writer.TableFileWritten());
  EXPECT_EQ(test::ReadBytes(path), "1\t\xC1\xE5\xF2\xEE\xED\r\n2\t\xD1\xF2\xE0\xEB\xFC\r\n");
  EXPECT_EQ(ReadWholeFile(path), QStringLiteral("1\tБетон\r\n2\tСталь\r\n"));
  EXPECT_TRUE(prompter.Messages().empty());
  // Nothing is left behind beside the file.
  EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(TextFiles, AFailedWriteIsReportedAndTheOldFileStays) {
  test::ScriptedPrompter prompter;
  TextFileWriter writer(prompter);
  const QByteArray before = test::ReadBytes(QStringLiteral("/proc/version"));
  EXPECT_FALSE(writer.PrintToFile(QStringLiteral("/proc/version"), QStringLiteral("x")));
  ASSERT_EQ(prompter.Messages().size(), 1u);
  EXPECT_EQ(prompter.Messages()[0].text, "PrintToFile");
  EXPECT_EQ(prompter.Messages()[0].caption, "Trellis");
  EXPECT_EQ(prompter.Messages()[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(test::ReadBytes(QStringLiteral("/proc/version")), before);

  test::TempFolder dir;
  EXPECT_FALSE(writer.PrintToFile(dir.Path(), QStringLiteral("x")));  // a folder
  EXPECT_TRUE(QDir(dir.Path()).exists());
}

TEST(TextFiles, ReadWholeFileOfMissingEmptyAndFolder) {
  test::TempFolder dir;
  test::WriteBytes(dir.File(QStringLiteral("empty")), "");
  EXPECT_EQ(ReadWholeFile(dir.File(QStringLiteral("empty"))), "");
  EXPECT_EQ(ReadWholeFile(dir.File(QStringLiteral("missing"))), "");
  EXPECT_EQ(ReadWholeFile(dir.Path()), "");
}

}  // namespace
}  // namespace trellis
