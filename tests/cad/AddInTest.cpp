#include "ScriptedPicker.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include "cad-host/HostApplication.h"
#include "cad/AddInLists.h"
#include "cad/CadAddIn.h"
#include "cad/CadHostChoice.h"
#include "cad/CadObjects.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace trellis::test {
namespace {

const QStringList kModules{QStringLiteral("KSDefMod.zvb"), QStringLiteral("Trellis2.zvb"),
                           QStringLiteral("Trellis.zvb")};

// A ZwCAD installation folder, a program folder, and the profiles of three users: alice (the
// current user) with two ZwCAD versions, bob without ZwCAD, carol whose list names another add-in.
class AddInRegistration : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const QString& folder :
         {alice2024_, alice2025_, carol2024_, Users(QStringLiteral("bob"))}) {
      ASSERT_TRUE(QDir().mkpath(folder));
    }
    WriteBytes(carol2024_ + QStringLiteral("/AppAutoLoad.app"), "C:/Other/Tool.zvb\r\n");
  }

  QString Users(const QString& rest) const { return root_.File(QStringLiteral("Users/") + rest); }
  QString Install(const QString& programFolder) {
    ZwCad choice;
    InstallZwCadAddIn(application_, choice,
                      AddInContext{programFolder, Users(QStringLiteral("alice")), prompter_});
    return programFolder;
  }
  static QString Lines(const QString& programFolder, const QString& separator) {
    QString text;
    for (const QString& module : kModules) {
      if (!text.isEmpty()) text += separator;
      text += programFolder + u'/' + module + QStringLiteral("\r\n");
    }
    return text;
  }
  QString HostList(const QString& name) const { return hostFolder_.File(name); }

  struct ZwCad : CadHostChoice {
    ZwCad() {
      progIdPrefix = QStringLiteral("ZWCAD");
      isAutoCad = false;
    }
  };

  TempFolder root_;
  TempFolder hostFolder_;
  TempFolder programFolder_;
  const QString alice2024_ = Users(QStringLiteral("alice/AppData/Roaming/ZWSoft/2024"));
  const QString alice2025_ = Users(QStringLiteral("alice/AppData/Roaming/ZWSoft/2025"));
  const QString carol2024_ = Users(QStringLiteral("carol/AppData/Roaming/ZWSoft/2024"));
  ScriptedPrompter prompter_;
  ScriptedPicker picker_;
  cadhost::NoWindow view_;
  CadApplication application_{
      cadhost::HostApplication::Create({picker_, view_}, hostFolder_.Path())};
};

TEST(AddInLists, ListsAreReadLineByLine) {
  TempFolder folder;
  const QString list = folder.File(QStringLiteral("list"));
  EXPECT_EQ(ReadAllLines(list), QString());
  WriteBytes(list, "a\r\nB\nc\rd");
  EXPECT_EQ(ReadAllLines(list), QStringLiteral("a\r\nB\r\nc\r\nd\r\n"));
  EXPECT_EQ(ReadLinesExcept(list, QStringLiteral("b")), QStringLiteral("a\r\nc\r\nd\r\n"));
  WriteBytes(list, "\r\n");
  EXPECT_EQ(ReadAllLines(list), QStringLiteral("\r\n"));
  WriteBytes(list, "\xcf\xf3\xf2\xfc\r\n");  // Windows-1251
  EXPECT_EQ(ReadAllLines(list), QStringLiteral("Путь\r\n"));
}

TEST_F(AddInRegistration, FirstRegistrationFillsEveryListAndAsksForOneRestart) {
  const QString program = Install(programFolder_.Path());
  EXPECT_EQ(ReadBytes(HostList(QStringLiteral("appload.dfs"))),
            Lines(program, QStringLiteral("\r\n")).toUtf8());
  EXPECT_EQ(ReadBytes(HostList(QStringLiteral("AppAutoLoad.app"))),
            Lines(program, QString()).toUtf8());
  // A version folder without a list gets a new one.
  for (const QString& version : {alice2024_, alice2025_}) {
    EXPECT_EQ(ReadBytes(version + QStringLiteral("/AppAutoLoad.app")),
              Lines(program, QString()).toUtf8());
  }
  EXPECT_EQ(ReadBytes(carol2024_ + QStringLiteral("/AppAutoLoad.app")),
            "C:/Other/Tool.zvb\r\n" + Lines(program, QString()).toUtf8());
  ASSERT_EQ(prompter_.Messages().size(), 1u);
  EXPECT_EQ(prompter_.Messages()[0].text,
            QStringLiteral("Для подключения проекта VBA перезагрузите ZwCAD"));
  EXPECT_EQ(prompter_.Messages()[0].caption, QStringLiteral("Trellis"));
  EXPECT_EQ(prompter_.Messages()[0].icon, MessageIcon::Exclamation);
}

TEST_F(AddInRegistration, SecondRegistrationWritesNothingAndSaysNothing) {
  Install(programFolder_.Path());
  const QDateTime old = QDateTime::currentDateTime().addDays(-1);
  const QStringList lists{HostList(QStringLiteral("appload.dfs")),
                          HostList(QStringLiteral("AppAutoLoad.app")),
                          alice2024_ + QStringLiteral("/AppAutoLoad.app"),
                          alice2025_ + QStringLiteral("/AppAutoLoad.app"),
                          carol2024_ + QStringLiteral("/AppAutoLoad.app")};
  for (const QString& list : lists) {
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
  }
  Install(programFolder_.Path());
  for (const QString& list : lists) {
    EXPECT_EQ(QFileInfo(list).lastModified(), old) << list.toStdString();
  }
  EXPECT_EQ(prompter_.Messages().size(), 1u);
}

TEST_F(AddInRegistration, MovedProgramFolderReplacesTheOldPaths) {
  TempFolder moved;
  const QString before = Install(programFolder_.Path());
  const QString after = Install(moved.Path());
  EXPECT_EQ(ReadBytes(HostList(QStringLiteral("AppAutoLoad.app"))),
            Lines(after, QString()).toUtf8());
  EXPECT_EQ(ReadBytes(alice2025_ + QStringLiteral("/AppAutoLoad.app")),
            Lines(after, QString()).toUtf8());
  // appload.dfs keeps the empty lines the old entries were separated by.
  const QString appload = ReadAllLines(HostList(QStringLiteral("appload.dfs")));
  EXPECT_FALSE(appload.contains(before + u'/'));
  QStringList entries = appload.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  EXPECT_EQ(entries, Lines(after, QString()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts));
  EXPECT_EQ(prompter_.Messages().size(), 2u);
}

TEST_F(AddInRegistration, MissingHostFolderIsReportedForEachListAndNothingIsWrittenThere) {
  const QString gone = hostFolder_.File(QStringLiteral("gone"));
  application_ = CadApplication(cadhost::HostApplication::Create({picker_, view_}, gone));
  Install(programFolder_.Path());
  ASSERT_EQ(prompter_.Messages().size(), 6u);
  for (const Message& message : prompter_.Messages()) {
    EXPECT_EQ(message.text, QStringLiteral("Путь графического редактора ") + gone +
                                QStringLiteral(" - не найден"));
    EXPECT_EQ(message.icon, MessageIcon::Critical);
    EXPECT_EQ(message.caption, QStringLiteral("Trellis"));
  }
  EXPECT_FALSE(QFile::exists(gone));
  EXPECT_TRUE(QFile::exists(alice2024_ + QStringLiteral("/AppAutoLoad.app")));
}

TEST_F(AddInRegistration, AProfileListNamingTheModuleEndsTheProfileSearch) {
  const QString module = programFolder_.Path() + QStringLiteral("/KSDefMod.zvb");
  WriteBytes(alice2024_ + QStringLiteral("/AppAutoLoad.app"), module.toUtf8() + "\r\n");
  RegisterModuleInProfiles(
      AddInContext{programFolder_.Path(), Users(QStringLiteral("alice")), prompter_},
      QStringLiteral("AppAutoLoad.app"), QStringLiteral("KSDefMod.zvb"), true, true);
  EXPECT_FALSE(QFile::exists(alice2025_ + QStringLiteral("/AppAutoLoad.app")));
  EXPECT_EQ(ReadBytes(carol2024_ + QStringLiteral("/AppAutoLoad.app")), "C:/Other/Tool.zvb\r\n");
  EXPECT_TRUE(prompter_.Messages().empty());
}

}  // namespace
}  // namespace trellis::test
