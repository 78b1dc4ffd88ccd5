#include "app/AppIdentity.h"
#include "app/IniFiles.h"
#include "app/IniSettingTransfer.h"
#include "app/SettingsStore.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace trellis {
namespace {

class Settings : public ::testing::Test {
 protected:
  test::TempFolder dir_;
  SettingsStore store_{dir_.Path()};
  IniFiles ini_;
};

TEST_F(Settings, NamesWithoutCaseAndApplicationKeysApart) {
  store_.SaveSetting(ProgramTitle(), u"Main", u"TempDir", u"/tmp/x");
  EXPECT_EQ(store_.GetSetting(ProgramTitle(), u"main", u"tempdir"), "/tmp/x");
  store_.SaveSetting(ProgramTitle(), u"main", u"TEMPDIR", u"/tmp/y");
  EXPECT_EQ(store_.GetSetting(ProgramTitle(), u"MAIN", u"TempDir"), "/tmp/y");
  EXPECT_EQ(store_.GetSetting(FamilyKey(), u"main", u"TempDir", QStringLiteral("none")), "none");
  EXPECT_NE(store_.FileOf(ProgramTitle()), store_.FileOf(FamilyKey()));
}

TEST_F(Settings, DefaultsOnlyForMissingValuesAndValuesComeBackExactly) {
  EXPECT_EQ(store_.GetSetting(ProgramTitle(), u"main", u"down", QStringLiteral("1")), "1");
  EXPECT_EQ(store_.GetSetting(ProgramTitle(), u"open", u"f1"), "");
  store_.SaveSetting(ProgramTitle(), u"main", u"down", u"");
  EXPECT_EQ(store_.GetSetting(ProgramTitle(), u"main", u"down", QStringLiteral("1")), "");
  for (const QString& value : {QStringLiteral("  spaced  "), QStringLiteral("\"quoted\""),
                               QStringLiteral("'"), QStringLiteral("/home/用户/Проект.d01"),
                               QStringLiteral("a;b=c[d]"), QString(3000, u'x')}) {
    store_.SaveSetting(ProgramTitle(), u"open", u"f2", value);
    EXPECT_EQ(store_.GetSetting(ProgramTitle(), u"open", u"f2"), value);
  }
  SettingsStore reopened(dir_.Path());
  EXPECT_EQ(reopened.GetSetting(ProgramTitle(), u"OPEN", u"F2"), QString(3000, u'x'));
}

TEST_F(Settings, CopiesBetweenIniFilesAndSettings) {
  const QString file = dir_.File(QStringLiteral("p.ini"));
  test::WriteBytes(file, "[Calc]\r\nKCNorm=2\r\n");
  IniToSetting(ini_, store_, u"Calc", u"KCNorm", file);
  IniToSetting(ini_, store_, u"Calc", u"Missing", file);
  EXPECT_EQ(store_.GetSetting(ProgramTitle(), u"calc", u"kcnorm"), "2");
  EXPECT_EQ(store_.GetSetting(ProgramTitle(), u"calc", u"missing", QStringLiteral("d")), "");

  store_.SaveSetting(ProgramTitle(), u"Show", u"Scale", u"1,5");
  SettingToIni(ini_, store_, u"Show", u"Scale", file);
  SettingToIni(ini_, store_, u"Show", u"NeverSet", file);
  EXPECT_EQ(test::ReadBytes(file), "[Calc]\r\nKCNorm=2\r\n[Show]\r\nScale=1,5\r\nNeverSet=\r\n");
}

}  // namespace
}  // namespace trellis
