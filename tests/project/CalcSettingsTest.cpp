#include "app/AppIdentity.h"
#include "app/TextFiles.h"
#include "project/CalcSettingsFile.h"
#include "project/ProjectFixture.h"

#include <gtest/gtest.h>

namespace trellis {
namespace {

TEST(CalcSettings, TheOptionsMoveInOrderAndOtherKeysStay) {
  test::ProjectFixture f;
  const QString file = f.t.root.File("B.ini");
  const QStringList show = {"Operation",  "GrafScale",  "Points",     "TextScale",
                            "TextScale2", "TextScale3", "WithElSize", "WithElSize2"};
  const QStringList calc = {"MPL",  "PL",  "All3D",   "Psi",        "Prop",
                            "Iter", "GNL", "PhNL",    "DesignLoad", "KC1",
                            "KC09", "Mkp", "IterMax", "XYZ",        "CorectMkp"};
  QStringList expected = {"[Show]"};
  for (const QString& key : show) {
    f.t.settings.SaveSetting(ProgramTitle(), u"Show", key, key.toLower());
    expected << key + '=' + key.toLower();
  }
  expected << "[Calc]";
  for (const QString& key : calc) {
    if (key != "Mkp") f.t.settings.SaveSetting(ProgramTitle(), u"Calc", key, key.toLower());
    expected << key + '=' + (key == "Mkp" ? "" : key.toLower());
  }
  f.t.settings.SaveSetting(ProgramTitle(), u"Calc", u"AfterCalc", u"store");
  WriteCalcSettings(f.t.ini, f.t.settings, file);
  EXPECT_EQ(ReadWholeFile(file).split("\r\n", Qt::SkipEmptyParts), expected);

  test::WriteBytes(file, "[Show]\r\nOperation=2\r\n[Calc]\r\nAfterCalc=1\r\nPL=0,5\r\n");
  ReadCalcSettings(f.t.ini, f.t.settings, file);
  EXPECT_EQ(f.Setting("Show", "Operation"), "2");
  EXPECT_EQ(f.Setting("Calc", "PL"), "0,5");
  EXPECT_EQ(f.Setting("Calc", "MPL"), "");  // missing from the file
  EXPECT_EQ(f.Setting("Calc", "AfterCalc"), "store");
  WriteCalcSettings(f.t.ini, f.t.settings, file);
  EXPECT_EQ(f.t.ini.ReadIni(u"Calc", u"AfterCalc", file), "1");
}

}  // namespace
}  // namespace trellis
