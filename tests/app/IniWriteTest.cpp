#include "app/IniFiles.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace trellis {
namespace {

class IniWrite : public ::testing::Test {
 protected:
  QString Path() const { return dir_.File(QStringLiteral("w.ini")); }
  QByteArray Bytes() const { return test::ReadBytes(Path()); }
  void Start(const QByteArray& bytes) { test::WriteBytes(Path(), bytes); }
  test::TempFolder dir_;
  IniFiles ini_;
};

TEST_F(IniWrite, BuildsAFileFromNothing) {
  ASSERT_TRUE(ini_.WriteIni(u"App1", u"key1", u"string1", Path()));
  ini_.WriteIni(u"App1", u"key2", u"string2", Path());
  ini_.WriteIni(u"App1", u"key3", u"string3", Path());
  ini_.WriteIni(u"App2", u"key4", u"string4", Path());
  ini_.WriteIni(u"App3", u"key5", u"string5", Path());
  EXPECT_EQ(Bytes(),
            "[App1]\r\nkey1=string1\r\nkey2=string2\r\nkey3=string3\r\n[App2]\r\nkey4=string4\r\n"
            "[App3]\r\nkey5=string5\r\n");
}

TEST_F(IniWrite, EditsInPlaceKeepingEveryOtherByte) {
  Start(";top\r\n[A]\r\n  Key = old\r\n;note\r\n\r\n[B]\r\nb=1");
  ini_.WriteIni(u"a", u"KEY", u"new", Path());
  EXPECT_EQ(Bytes(), ";top\r\n[A]\r\n  Key =new\r\n;note\r\n\r\n[B]\r\nb=1");
  ini_.WriteIni(u"A", u"n2", u"5", Path());
  ini_.WriteIni(u"A", u"n3", u"6", Path());
  EXPECT_EQ(Bytes(), ";top\r\n[A]\r\n  Key =new\r\nn2=5\r\nn3=6\r\n;note\r\n\r\n[B]\r\nb=1");
  // The unterminated last line gets its line end before the new section.
  ini_.WriteIni(u"C", u"c", u"3", Path());
  EXPECT_EQ(Bytes(),
            ";top\r\n[A]\r\n  Key =new\r\nn2=5\r\nn3=6\r\n;note\r\n\r\n[B]\r\nb=1\r\n[C]\r\nc=3\r\n");
  EXPECT_EQ(ini_.ReadIni(u"A", u"key", Path()), "new");
}

TEST_F(IniWrite, KeysLandAfterTheLastKeyLineOfTheirSection) {
  Start("[empty]\n;c\n[s]\nk=1\n\n;tail\n[t]\nlast=1");
  ini_.WriteIni(u"empty", u"e", u"1", Path());  // right under a header without keys
  ini_.WriteIni(u"s", u"m", u"2", Path());
  ini_.WriteIni(u"t", u"n", u"3", Path());      // after an unterminated last line
  ini_.WriteIni(u"s", u"k", u"9", Path());      // an existing LF line gets CR LF
  EXPECT_EQ(Bytes(), "[empty]\ne=1\r\n;c\n[s]\nk=9\r\nm=2\r\n\n;tail\n[t]\nlast=1\r\nn=3\r\n");
}

TEST_F(IniWrite, NamesAndValuesAsWindowsWritesThem) {
  Start("[Sec]\r\nKey=1\r\n[s]\r\nk=1\r\n[s]\r\nk=2\r\n");
  ini_.WriteIni(u" sec ", u" KEY ", u" spaced ", Path());  // names keep their spelling in the file
  ini_.WriteIni(u"s", u"k", u"\"q\"", Path());               // value verbatim, first block only
  ini_.WriteIni(u"", u"e", u"", Path());
  ini_.WriteIni(u"s", u";c", u"1", Path());
  ini_.WriteIni(u"s", u";c", u"1", Path());                  // a comment is never found again
  EXPECT_EQ(Bytes(),
            "[Sec]\r\nKey= spaced \r\n[s]\r\nk=\"q\"\r\n;c=1\r\n;c=1\r\n[s]\r\nk=2\r\n[]\r\ne=\r\n");
  EXPECT_EQ(ini_.ReadIni(u"SEC", u"key", Path()), "spaced");
  EXPECT_EQ(ini_.ReadIni(u"s", u"k", Path()), "q");
}

TEST_F(IniWrite, Windows1251TextAndUnmappableCharacters) {
  ini_.WriteIni(u"Цвет", u"Ключ", u"Синий é ß 😀", Path());
  EXPECT_EQ(Bytes(), "[\xD6\xE2\xE5\xF2]\r\n\xCA\xEB\xFE\xF7=\xD1\xE8\xED\xE8\xE9 e ? ??\r\n");
  EXPECT_EQ(ini_.ReadIni(u"ЦВЕТ", u"КЛЮЧ", Path()), QStringLiteral("Синий e ? ??"));
}

TEST_F(IniWrite, UnicodeFilesStayUnicode) {
  QByteArray bytes("\xFF\xFE");
  const QString text = QStringLiteral("[s]\r\nk=1\r\n");
  bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
  Start(bytes);
  ini_.WriteIni(u"s", u"k", u"Ω", Path());
  const QString expected = QStringLiteral("[s]\r\nk=Ω\r\n");
  EXPECT_EQ(Bytes(), QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(expected.utf16()),
                                                         expected.size() * 2));

  IniFiles unicode(IniEncoding::Utf16Le);
  const QString fresh = dir_.File(QStringLiteral("fresh.ini"));
  unicode.WriteIni(u"s", u"k", u"Ω", fresh);
  EXPECT_EQ(test::ReadBytes(fresh), Bytes());
}

TEST_F(IniWrite, DeletesKeysAndSections) {
  Start("[s]\r\na=1\r\n;keep\r\nb=2\r\n\r\n[t]\r\nc=3\r\n");
  ini_.DeleteIniKey(u"S", u"A", Path());
  EXPECT_EQ(Bytes(), "[s]\r\n;keep\r\nb=2\r\n\r\n[t]\r\nc=3\r\n");
  ini_.DeleteIniSection(u"s", Path());
  EXPECT_EQ(Bytes(), ";keep\r\n\r\n[t]\r\nc=3\r\n");
  const QString missing = dir_.File(QStringLiteral("none.ini"));
  EXPECT_TRUE(ini_.DeleteIniKey(u"s", u"a", missing));
  EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(IniWrite, NeverCreatesFoldersOrWritesOverAFolder) {
  const QString deep = dir_.File(QStringLiteral("no/such/w.ini"));
  EXPECT_FALSE(ini_.WriteIni(u"s", u"k", u"v", deep));
  EXPECT_FALSE(QDir(dir_.File(QStringLiteral("no"))).exists());
  EXPECT_FALSE(ini_.WriteIni(u"s", u"k", u"v", dir_.Path()));
  EXPECT_TRUE(QDir(dir_.Path()).exists());
}

TEST_F(IniWrite, AFileThatCannotBeReplacedIsLeftAlone) {
  // Nobody, not even root, may create files in /proc.
  EXPECT_FALSE(ini_.WriteIni(u"s", u"k", u"v", QStringLiteral("/proc/version")));
  EXPECT_TRUE(test::ReadBytes(QStringLiteral("/proc/version")).startsWith("Linux"));
}

}  // namespace
}  // namespace trellis
