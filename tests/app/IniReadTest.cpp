#include "app/IniFiles.h"
#include "support/TestFiles.h"

#include <QDateTime>
#include <QFile>

#include <gtest/gtest.h>

namespace trellis {
namespace {

class IniRead : public ::testing::Test {
 protected:
  QString Write(const QByteArray& bytes, const QString& name = QStringLiteral("t.ini")) {
    const QString path = dir_.File(name);
    test::WriteBytes(path, bytes);
    return path;
  }
  test::TempFolder dir_;
  IniFiles ini_;
};

TEST_F(IniRead, NamesWithoutCaseAndTrimmedLines) {
  const QString f = Write(
      "[Sec]\r\nKey1=Value\r\n  [ Sec2 ]\r\n  Key1  =  value one  \r\n"
      "\t[Tabs]\t\r\n\tk\t=\tv\t\r\n");
  EXPECT_EQ(ini_.ReadIni(u"SEC", u"key1", f), "Value");
  EXPECT_EQ(ini_.ReadIni(u"sec2", u"KEY1", f), "value one");
  EXPECT_EQ(ini_.ReadIni(u" sec2 ", u"  Key1 ", f), "value one");  // caller's spaces go
  EXPECT_EQ(ini_.ReadIni(u"\tsec2", u"Key1", f), "");               // tabs do not
  EXPECT_EQ(ini_.ReadIni(u"tabs", u"k", f), "v");
}

TEST_F(IniRead, Windows1251NamesAndValuesMatchWithoutCase) {
  // [Цвет] Ключ=Синий, written by a Windows program.
  const QString f = Write("[\xD6\xE2\xE5\xF2]\r\n\xCA\xEB\xFE\xF7=\xD1\xE8\xED\xE8\xE9\r\n");
  EXPECT_EQ(ini_.ReadIni(u"ЦВЕТ", u"ключ", f), QStringLiteral("Синий"));
  EXPECT_EQ(ini_.ReadIni(u"цвет", u"КЛЮЧ", f), QStringLiteral("Синий"));
}

TEST_F(IniRead, QuotesCommentsAndSpecialLines) {
  const QString f = Write(
      "top=1\r\n[s]\r\nq1=  \"  x  \"  \r\nq2='y'\r\nq3=\"a'\r\nq4=\"'a'\"\r\nq5=\"\"\r\nq6=\"\r\n"
      ";k=1\r\n  ;c=2\r\nv=;x\r\n#h=1\r\nk=a=b\r\nnoequals\r\n=x\r\ndup=1\r\ndup=2\r\n"
      "[a]b]\r\nab=1\r\n[hdr]k=v\r\n[]\r\ne=empty\r\n[open   \r\no=1\r\n");
  EXPECT_EQ(ini_.ReadIni(u"s", u"q1", f), "  x  ");
  EXPECT_EQ(ini_.ReadIni(u"s", u"q2", f), "y");
  EXPECT_EQ(ini_.ReadIni(u"s", u"q3", f), "\"a'");
  EXPECT_EQ(ini_.ReadIni(u"s", u"q4", f), "'a'");
  EXPECT_EQ(ini_.ReadIni(u"s", u"q5", f), "");
  EXPECT_EQ(ini_.ReadIni(u"s", u"q6", f), "\"");
  EXPECT_EQ(ini_.ReadIni(u"s", u";k", f), "");
  EXPECT_EQ(ini_.ReadIni(u"s", u"k", f), "a=b");
  EXPECT_EQ(ini_.ReadIni(u"s", u"c", f), "");
  EXPECT_EQ(ini_.ReadIni(u"s", u"v", f), ";x");
  EXPECT_EQ(ini_.ReadIni(u"s", u"#h", f), "1");
  EXPECT_EQ(ini_.ReadIni(u"s", u"noequals", f), "");
  EXPECT_EQ(ini_.ReadIni(u"s", u"", f), "x");
  EXPECT_EQ(ini_.ReadIni(u"s", u"dup", f), "1");
  EXPECT_EQ(ini_.ReadIni(u"", u"top", f), "");  // keys above the first section are unreadable
  EXPECT_EQ(ini_.ReadIni(u"a", u"ab", f), "1");  // the name ends at the first "]"
  EXPECT_EQ(ini_.ReadIni(u"hdr", u"k", f), "");
  EXPECT_EQ(ini_.ReadIni(u"", u"e", f), "empty");
  EXPECT_EQ(ini_.ReadIni(u"open", u"o", f), "1");
}

TEST_F(IniRead, FirstSectionWinsAndLineEndsOfAnyKind) {
  const QString dup = Write("[s]\r\na=1\r\n[s]\r\nk=v\r\n", QStringLiteral("dup.ini"));
  EXPECT_EQ(ini_.ReadIni(u"s", u"a", dup), "1");
  EXPECT_EQ(ini_.ReadIni(u"s", u"k", dup), "");

  const QString cr = Write("[s]\rk=v\r", QStringLiteral("cr.ini"));
  const QString lf = Write("[s]\nk=v\nm=w", QStringLiteral("lf.ini"));
  const QString mixed = Write("[s]\r\r\nk=v\n\rm=w\r\n", QStringLiteral("mixed.ini"));
  EXPECT_EQ(ini_.ReadIni(u"s", u"k", cr), "v");
  EXPECT_EQ(ini_.ReadIni(u"s", u"m", lf), "w");
  EXPECT_EQ(ini_.ReadIni(u"s", u"k", mixed), "v");
  EXPECT_EQ(ini_.ReadIni(u"s", u"m", mixed), "w");
}

TEST_F(IniRead, ByteOrderMarks) {
  // Windows does not know the UTF-8 mark: it glues to the first line and hides [A].
  const QString utf8 = Write("\xEF\xBB\xBF[A]\r\nk=1\r\n[B]\r\nk=2\r\n", QStringLiteral("u8.ini"));
  EXPECT_EQ(ini_.ReadIni(u"A", u"k", utf8), "");
  EXPECT_EQ(ini_.ReadIni(u"B", u"k", utf8), "2");

  QByteArray utf16("\xFF\xFE");
  const QString text = QStringLiteral("[Ж]\r\nk=Ωмега\r\n");
  utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
  const QString wide = Write(utf16, QStringLiteral("u16.ini"));
  EXPECT_EQ(ini_.ReadIni(u"ж", u"K", wide), QStringLiteral("Ωмега"));
}

TEST_F(IniRead, LongValuesAreCutAndNulEndsTheValue) {
  const QByteArray exact(2046, 'a');
  const QByteArray longer = QByteArray(2046, 'b') + "cdef";
  const QString f = Write("[s]\r\nexact=" + exact + "\r\nlonger=" + longer + "\r\nnul=ab" +
                          QByteArray(1, '\0') + "cd\r\n");
  EXPECT_EQ(ini_.ReadIni(u"s", u"exact", f), QString::fromLatin1(exact));
  EXPECT_EQ(ini_.ReadIni(u"s", u"longer", f), QString(2046, u'b'));
  EXPECT_EQ(ini_.ReadIni(u"s", u"nul", f), "ab");
}

TEST_F(IniRead, BadFilesReadAsEmpty) {
  EXPECT_EQ(ini_.ReadIni(u"s", u"k", dir_.File(QStringLiteral("missing.ini"))), "");
  EXPECT_FALSE(QFile::exists(dir_.File(QStringLiteral("missing.ini"))));
  EXPECT_EQ(ini_.ReadIni(u"s", u"k", dir_.Path()), "");  // a folder
  EXPECT_EQ(ini_.ReadIni(u"s", u"k", QString()), "");

  QByteArray binary;
  for (int i = 0; i < 4096; ++i) binary.append(char((i * 7919) & 0xFF));
  const QString bin = Write(binary, QStringLiteral("bin.ini"));
  EXPECT_EQ(ini_.ReadIni(u"s", u"k", bin), "");

  const QString truncated = Write("[s]\r\nk=v\r\n[t", QStringLiteral("cut.ini"));
  EXPECT_EQ(ini_.ReadIni(u"s", u"k", truncated), "v");

  // Opens, but every read fails, even for root.
  EXPECT_EQ(ini_.ReadIni(u"s", u"k", QStringLiteral("/proc/self/mem")), "");
}

TEST_F(IniRead, EditsOnDiskAreSeenAtTheNextRead) {
  const QString f = Write("[s]\r\nk=one\r\n");
  EXPECT_EQ(ini_.ReadIni(u"s", u"k", f), "one");
  Write("[s]\r\nk=two\r\n");  // same size, maybe the same second
  EXPECT_EQ(ini_.ReadIni(u"s", u"k", f), "two");
  Write("[s]\r\nk=three and more\r\n");
  EXPECT_EQ(ini_.ReadIni(u"s", u"k", f), "three and more");
  // Replaced by a rename, as editors and other programs save.
  const QString other = Write("[s]\r\nk=four\r\n", QStringLiteral("other.ini"));
  QFile::remove(f);
  EXPECT_EQ(ini_.ReadIni(u"s", u"k", f), "");
  QFile::rename(other, f);
  EXPECT_EQ(ini_.ReadIni(u"s", u"k", f), "four");
  // A file written long ago and then edited keeps being seen fresh.
  QFile file(f);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
  file.close();
  EXPECT_EQ(ini_.ReadIni(u"s", u"k", f), "four");
  Write("[s]\r\nk=five\r\n");
  EXPECT_EQ(ini_.ReadIni(u"s", u"k", f), "five");
}

}  // namespace
}  // namespace trellis
