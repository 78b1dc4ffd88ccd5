#include "app/FileErrors.h"
#include "app/RunTimeError.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace trellis {
namespace {

using test::ScriptedPrompter;

int Answer(int number, MessageAnswer answer, ScriptedPrompter& prompter) {
  prompter.QueueAnswer(answer);
  return FileErrors(number, prompter);
}

TEST(FileErrors, CodesByAnswer) {
  ScriptedPrompter p;
  EXPECT_EQ(Answer(61, MessageAnswer::Retry, p), 0);
  EXPECT_EQ(Answer(61, MessageAnswer::Ignore, p), 1);
  EXPECT_EQ(Answer(61, MessageAnswer::Abort, p), 2);
  EXPECT_EQ(Answer(76, MessageAnswer::Ok, p), 0);
  EXPECT_EQ(Answer(76, MessageAnswer::Cancel, p), 1);
  EXPECT_EQ(Answer(68, MessageAnswer::Cancel, p), 1);
  EXPECT_EQ(Answer(54, MessageAnswer::None, p), 3);  // a box closed without a button
  EXPECT_EQ(Answer(75, MessageAnswer::Cancel, p), 4);
  EXPECT_EQ(Answer(75, MessageAnswer::Ok, p), 4);
  EXPECT_EQ(Answer(52, MessageAnswer::Ok, p), 4);
  EXPECT_EQ(Answer(64, MessageAnswer::Cancel, p), 4);
  for (const Message& m : p.Messages()) {
    EXPECT_EQ(m.caption, QStringLiteral("Ошибка"));
    EXPECT_EQ(m.icon, MessageIcon::Critical);
  }
}

TEST(FileErrors, NoMessageWithoutAFileError) {
  ScriptedPrompter p;
  EXPECT_EQ(FileErrors(0, p), 3);
  EXPECT_EQ(FileErrors(13, p), 3);
  EXPECT_EQ(FileErrors(53, p), 3);
  EXPECT_TRUE(p.Messages().empty());
}

TEST(FileErrors, TextsAndButtonsExactly) {
  struct Row { int number; const char16_t* text; MessageButtons buttons; };
  const Row rows[] = {
      {52, u"Некорректное имя файла. ", MessageButtons::OkCancel},
      {54, u" Нет доступа к файлу. ", MessageButtons::Ok},
      {55, u" Файл уже открыт. ", MessageButtons::Ok},
      {57, u" Внутренняя дисковая ошибка. ", MessageButtons::Ok},
      {61, u" Диск полон. Продолжить? ", MessageButtons::AbortRetryIgnore},
      {62, u" Этот файл имеет нестандартный маркер конца файла,  или была  сделана попытка "
           u"читать вне  маркера конца файла. ", MessageButtons::AbortRetryIgnore},
      {68, u" Дисковод не доступен. ", MessageButtons::RetryCancel},
      {71, u" Вставьте диск в дисковод. ", MessageButtons::OkCancel},
      {75, u"Файл открыт другим приложением или некорректное имя файла или попытка создать "
           u"папку с уже существующим именем.", MessageButtons::OkCancel},
      {76, u"Путь не существует. ", MessageButtons::OkCancel},
  };
  for (const Row& row : rows) {
    ScriptedPrompter p;
    FileErrors(row.number, p);
    ASSERT_EQ(p.Messages().size(), 1u) << row.number;
    EXPECT_EQ(p.Messages()[0].text, QString::fromUtf16(row.text)) << row.number;
    EXPECT_EQ(p.Messages()[0].buttons, row.buttons) << row.number;
  }
}

TEST(FileErrors, PlatformErrorsMapToRunTimeNumbers) {
  test::TempFolder dir;
  auto number = [](int e, const QString& path = QString()) {
    return FileErrorNumber(std::error_code(e, std::generic_category()), path);
  };
  EXPECT_EQ(number(ENOENT, dir.File(QStringLiteral("missing.d01"))), 53);
  EXPECT_EQ(number(ENOENT, dir.File(QStringLiteral("no/missing.d01"))), 76);
  EXPECT_EQ(number(ENOSPC), 61);
  EXPECT_EQ(number(EACCES), 70);
  EXPECT_EQ(number(EROFS), 70);
  EXPECT_EQ(number(EISDIR), 75);
  EXPECT_EQ(number(ENAMETOOLONG), 64);
  EXPECT_EQ(number(EIO), 57);
  EXPECT_EQ(number(ENOMEDIUM), 71);
  EXPECT_EQ(FileErrorNumber(std::error_code()), 0);
}

}  // namespace
}  // namespace trellis
