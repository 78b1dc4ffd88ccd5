// The default installation as the program reads it: every file it names exists, every link
// between tables resolves, and every file is in the form the program and Windows expect.

#include "app/FilePaths.h"
#include "app/IniFiles.h"
#include "app/TextCodec.h"
#include "automation/ServerCommand.h"
#include "support/TestFiles.h"
#include "tables/ColumnSpec.h"
#include "tables/InstallationFiles.h"
#include "tables/ValueLists.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringDecoder>

#include <gtest/gtest.h>

namespace trellis {
namespace {

const QString kInstall = QStringLiteral(TRELLIS_INSTALL_DIR);

QString At(const QString& relative) {
  return InstallationPath(kInstall, relative);
}
std::string Std(const QString& s) {
  return s.toStdString();
}
QString Text(const QString& path) {
  return cp1251::Decode(test::ReadBytes(path));
}

class Installation : public ::testing::Test {
 protected:
  QString Tables(const QString& section, QStringView key) {
    return ini.ReadIni(section, key, TablesIniPath(kInstall));
  }
  QStringList Keys() { return Tables(QStringLiteral("Main"), u"Tables").split(u'|'); }
  std::vector<ColumnSpec> Columns(const QString& key) {
    return ReadColumnSpecs(ini, DescriptionFilePath(kInstall, key));
  }
  bool HasVar(const QString& key, const QString& var) {
    const std::vector<ColumnSpec> columns = Columns(key);
    return std::any_of(columns.begin(), columns.end(),
                       [&](const ColumnSpec& c) { return c.var == var; });
  }

  IniFiles ini;
};

TEST_F(Installation, CatalogueAndGroupButtonsNameExistingFiles) {
  const QStringList buttons = Tables(QStringLiteral("Ext"), u"ExtBmp").split(u'|');
  const QStringList tips = Tables(QStringLiteral("Ext"), u"ExtName").split(u'|');
  const QStringList posts = Tables(QStringLiteral("Ext"), u"Post").split(u'|');
  ASSERT_EQ(tips.size(), buttons.size());
  ASSERT_EQ(posts.size(), buttons.size());
  QHash<QString, QString> postOfLetter;
  for (qsizetype i = 0; i < buttons.size(); ++i) {
    QString letter = buttons[i];
    letter.remove(u'_');
    EXPECT_EQ(letter.size(), 1) << Std(buttons[i]);
    EXPECT_TRUE(FileExists(At("bmp/Left/" + buttons[i] + ".bmp"))) << Std(buttons[i]);
    EXPECT_FALSE(tips[i].isEmpty());
    postOfLetter.insert(letter, posts[i]);
  }
  EXPECT_TRUE(posts.contains(QStringLiteral("1"))) << "no results group";

  const QString index = Text(At("Help/index.htm"));
  QSet<QString> exts, groups, lettersUsed;
  for (const QString& key : Keys()) {
    SCOPED_TRACE(Std(key));
    const QString ext = Tables(key, u"Ext");
    ASSERT_EQ(ext.size(), 3);
    EXPECT_FALSE(exts.contains(ext)) << Std(ext);
    exts << ext;
    const QString letter = ext.left(1);
    ASSERT_TRUE(postOfLetter.contains(letter));
    lettersUsed << letter;
    EXPECT_FALSE(Tables(key, u"Name").isEmpty());
    EXPECT_TRUE(FileExists(At("bmp/" + Tables(key, u"Bmp") + ".bmp")));
    const QString help = Tables(key, u"Help");
    EXPECT_TRUE(FileExists(At("Help/" + help + ".htm")));
    EXPECT_TRUE(index.contains("href=\"" + help + ".htm\""));
    EXPECT_TRUE(FileExists(DescriptionFilePath(kInstall, key)));
    // Result tables are written by the calculation, never by hand.
    EXPECT_EQ(Tables(key, u"Edit") == QLatin1String("-"),
              postOfLetter[letter] == QLatin1String("1"));
    const QString group = Tables(key, u"Group");
    if (!group.isEmpty()) {
      EXPECT_FALSE(groups.contains(group));
      groups << group;
      const QString types = Tables(key, u"FilterType"), data = Tables(key, u"FilterData");
      EXPECT_FALSE(types.isEmpty());
      EXPECT_EQ(types.split(u'|').size(), data.split(u'|').size());
    }
  }
  EXPECT_EQ(lettersUsed.size(), postOfLetter.size()) << "a group button without tables";
}

TEST_F(Installation, GeneratorTablesKeepTheirTitlesAndColumnFiles) {
  const struct {
    const char16_t* ext;
    const char16_t* title;
    const char16_t* key;
  } expected[] = {{u"d01", u"Материалы", u"Materials"},
                  {u"d02", u"Группы элементов", u"Elements"},
                  {u"d03", u"Группы узлов", u"Points"},
                  {u"d04", u"Загружения", u"Loads"},
                  {u"d05", u"Нагрузки на элементы", u"q"},
                  {u"d06", u"Нагрузки на узлы", u"p"},
                  {u"d07", u"Сочетания нагрузок", u"Combinations"},
                  {u"d08", u"Закрепления", u"Locking"},
                  {u"d10", u"Несочетаемые нагрузки", u"LoadsNo"},
                  {u"d12", u"Температура", u"T"},
                  {u"d14", u"Диаграммы работы материала", u"Diagr"},
                  {u"d15", u"Участки сечения арматуры", u"Sec"},
                  {u"d16", u"Участки сечения", u"SecBH"},
                  {u"d18", u"Слои грунта", u"Layers"},
                  {u"d19", u"Фундамент", u"Fund"},
                  {u"d20", u"Соседние здания", u"Fund2"},
                  {u"g01", u"Основные узлы", u"CoordPoints"},
                  {u"g02", u"Все узлы", u"CoordAllPoints"},
                  {u"g03", u"Элементы", u"NumEl"}};
  const QStringList keys = Keys();
  for (const auto& e : expected) {
    const QString key = QString::fromUtf16(e.key);
    SCOPED_TRACE(Std(key));
    ASSERT_TRUE(keys.contains(key));
    EXPECT_EQ(Tables(key, u"Ext"), QString::fromUtf16(e.ext));
    EXPECT_EQ(Tables(key, u"Name"), QString::fromUtf16(e.title));
  }
}

TEST_F(Installation, EveryTableDescriptionLoadsWithinTheLimits) {
  for (const QString& key : Keys()) {
    SCOPED_TRACE(Std(key));
    const QString file = DescriptionFilePath(kInstall, key);
    const std::vector<ColumnSpec> columns = Columns(key);
    ASSERT_FALSE(columns.empty());
    EXPECT_EQ(int(columns.size()), ColumnCount(ini, file));
    // A gap in the F sections, or a 21st column, would silently drop the columns after it.
    for (int k = int(columns.size()) + 1; k <= kMaxColumns + 5; ++k) {
      EXPECT_TRUE(ini.ReadIni(QStringLiteral("F%1").arg(k), u"Name", file).isEmpty()) << k;
    }
    EXPECT_TRUE(columns.front().IsIdentifier());
    int optionRun = 0;
    for (size_t k = 0; k <= columns.size(); ++k) {
      if (k < columns.size() && columns[k].type == QLatin1String("o")) {
        ++optionRun;
        continue;
      }
      // An option column picks one of its adjacent neighbours: alone it could never be cleared.
      EXPECT_NE(optionRun, 1) << "lone option column before column " << k + 1;
      optionRun = 0;
      if (k == columns.size()) break;
      const ColumnSpec& c = columns[k];
      EXPECT_TRUE(QStringList({"", "i", "b"}).contains(c.type)) << Std(c.name);
      EXPECT_GT(c.width, 0) << Std(c.name);
      if (!c.icon.isEmpty()) {
        EXPECT_TRUE(FileExists(At("bmp/ico/" + c.icon))) << Std(c.icon);
      }
      if (!c.listBmp.isEmpty()) {
        EXPECT_EQ(c.list.split(u'|').size(), c.listBmp.split(u'|').size()) << Std(c.name);
      }
    }
  }
}

TEST_F(Installation, EverySourceAndVarLinkResolves) {
  const QStringList keys = Keys();
  for (const QString& key : keys) {
    SCOPED_TRACE(Std(key));
    QHash<QString, int> linkingColumns;  // per Index: the one Type i column of the link
    QHash<QString, QString> sourceOfIndex;
    for (const ColumnSpec& c : Columns(key)) {
      if (c.source.isEmpty()) continue;
      SCOPED_TRACE(Std(c.name));
      ASSERT_TRUE(keys.contains(c.source));
      EXPECT_GT(c.index.toInt(), 0);
      // A pick in the value list popup copies every column of the picked column's Index.
      EXPECT_EQ(sourceOfIndex.value(c.index, c.source), c.source);
      sourceOfIndex.insert(c.index, c.source);
      ASSERT_FALSE(c.var.isEmpty());
      EXPECT_TRUE(HasVar(c.source, c.var)) << Std(c.var) << " not in " << Std(c.source);
      linkingColumns[c.index] += c.IsIdentifier() ? 1 : 0;
    }
    for (auto it = linkingColumns.cbegin(); it != linkingColumns.cend(); ++it) {
      EXPECT_EQ(it.value(), 1) << "Index " << Std(it.key());
    }
  }
}

TEST_F(Installation, ListPicturesAreFoundForCellsAndCombos) {
  int pictures = 0;
  for (const QString& key : Keys()) {
    std::vector<ColumnSpec> columns = Columns(key);
    TakeOverSourceLists(ini, kInstall, columns);
    for (const ColumnSpec& c : columns) {
      if (c.listBmp.isEmpty()) continue;
      const QStringList items = c.list.split(u'|'), names = c.listBmp.split(u'|');
      for (qsizetype i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(Std(key + "/" + c.name + "/" + items[i]));
        const QString folder = c.source.isEmpty() ? key : c.source;
        EXPECT_FALSE(
            GetListPicture(items[i] + kImageItemSuffix, folder, c.list, c.listBmp, kInstall)
                .isEmpty());
        if (c.source.isEmpty()) {
          EXPECT_TRUE(FileExists(At("bmp/" + names[i] + ".bmp")) ||
                      FileExists(At("bmp/" + key + "/" + names[i] + ".bmp")));
        }
        ++pictures;
      }
    }
  }
  EXPECT_GT(pictures, 0);
}

TEST_F(Installation, ToolbarsNameExistingPictures) {
  const QString toolLeft = At("ToolLeft.ini");
  int buttons = 0;
  for (int i = 1; i <= 20; ++i) {
    const QString section = QStringLiteral("B%1").arg(i);
    const QString bmp = ini.ReadIni(section, u"Bmp", toolLeft);
    if (bmp.isEmpty() && ini.ReadIni(section, u"Name", toolLeft).isEmpty()) break;
    ++buttons;
    EXPECT_TRUE(FileExists(At("bmp/Left/" + bmp + ".bmp"))) << Std(bmp);
    EXPECT_TRUE(QStringList({"0", "1", "2", "3", "4", "5"})
                    .contains(ini.ReadIni(section, u"Style", toolLeft)));
    EXPECT_TRUE(ini.FindValue(section, u"Layer", toolLeft) ||
                ini.FindValue(section, u"Macros", toolLeft));
  }
  EXPECT_GT(buttons, 0);
  for (const QString& section : {QStringLiteral("Ex"), QStringLiteral("Prop")}) {
    EXPECT_TRUE(ini.FindValue(section, u"Macros", At("Buttons.ini")).has_value()) << Std(section);
  }
}

TEST_F(Installation, EveryMacroNamedIsServedByAProgramOfServersIni) {
  QStringList served;
  for (const QString& progId : ServedProgIds(kInstall)) served << progId.toLower();
  QStringList specs;
  for (int i = 1; i <= 20; ++i) {
    const QString section = QStringLiteral("B%1").arg(i);
    specs << ini.ReadIni(section, u"Macros", At("ToolLeft.ini")) << ini.ReadIni(section, u"AddLayerMacros", At("ToolLeft.ini"));
  }
  for (const QString& section : {QStringLiteral("Ex"), QStringLiteral("Prop")}) {
    specs << ini.ReadIni(section, u"Macros", At("Buttons.ini"));
  }
  int macros = 0;
  for (const QString& spec : specs) {
    for (const QString& item : spec.split(u'|', Qt::SkipEmptyParts)) {
      ++macros;
      const QStringList parts = item.split(u';');
      ASSERT_EQ(parts.size(), 2) << Std(item);
      EXPECT_TRUE(served.contains(parts[0].toLower())) << Std(item);
    }
  }
  EXPECT_GE(macros, 7);
}

TEST_F(Installation, TemplatesHoldTheProgramProjectAndANewProject) {
  for (const char* name : {"frmVB.frm", "frmVB.frx", "VB.vbp", "mdlFuncApi.bas"}) {
    EXPECT_TRUE(FileExists(At(QStringLiteral("Template/tr/") + name))) << name;
  }
  // The generated module uses these names without defining them.
  const QString module = Text(At("Template/tr/mdlFuncApi.bas"));
  for (const char* name : {"Api", "KSPath", "ArrZ", "ArrNM", "ArrQ"}) {
    EXPECT_TRUE(module.contains(QStringLiteral("Public %1 As").arg(name))) << name;
  }
  EXPECT_TRUE(module.contains(u"Public Function DirExists("));

  QHash<QString, QString> keyOfExt;
  for (const QString& key : Keys()) keyOfExt.insert(Tables(key, u"Ext"), key);
  QDirIterator it(At("Template/tr2"), QDir::Files);
  int rows = 0;
  while (it.hasNext()) {
    const QString name = QFileInfo(it.next()).fileName();
    SCOPED_TRACE(Std(name));
    EXPECT_GE(name.size(), 5);  // the template listing stops at a shorter name
    const QString key = keyOfExt.value(name.right(3));
    ASSERT_FALSE(key.isEmpty());
    const std::vector<ColumnSpec> columns = Columns(key);
    QStringList lines = Text(it.filePath()).split(QStringLiteral("\r\n"));
    EXPECT_TRUE(lines.takeLast().isEmpty());
    for (const QString& line : lines) {
      const QStringList cells = line.split(u'\t');
      ASSERT_EQ(size_t(cells.size()), columns.size()) << Std(line);
      EXPECT_EQ(cells[0], QString::number(++rows));
      for (size_t k = 0; k < columns.size(); ++k) {
        const ColumnSpec& c = columns[k];
        if (cells[k].isEmpty()) continue;
        if (c.type == QLatin1String("b")) {
          EXPECT_EQ(cells[k], kMarkedCell);
        }
        if (!c.listBmp.isEmpty()) {
          EXPECT_FALSE(GetListPicture(cells[k], key, c.list, c.listBmp, kInstall).isEmpty());
        }
      }
    }
    rows = 0;
  }
}

TEST(InstallationFiles, TextIsWindows1251WithCrLfAndPicturesAre24BitBmp) {
  QDirIterator it(kInstall, QDir::Files, QDirIterator::Subdirectories);
  int texts = 0, pictures = 0;
  while (it.hasNext()) {
    const QString path = it.next();
    SCOPED_TRACE(Std(path));
    const QByteArray bytes = test::ReadBytes(path);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"bmp") {
      ++pictures;
      EXPECT_TRUE(bytes.startsWith("BM"));
      EXPECT_EQ(bytes.size() > 28 ? bytes[28] : 0, 24);
      continue;
    }
    if (suffix == u"frx") continue;  // the form's binary resources
    ++texts;
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_FALSE(bytes.contains('\x98'));  // the one byte Windows-1251 leaves unassigned
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n"));
    // Cyrillic saved as UTF-8 would still be legal Windows-1251 bytes: only decoding tells.
    if (std::any_of(bytes.begin(), bytes.end(), [](char b) { return b & 0x80; })) {
      QStringDecoder utf8(QStringDecoder::Utf8);
      (void)QString(utf8(bytes));
      EXPECT_TRUE(utf8.hasError());
    }
    if (suffix == u"htm") {
      EXPECT_TRUE(bytes.contains("charset=windows-1251"));
    }
  }
  EXPECT_GT(texts, 0);
  EXPECT_GT(pictures, 0);
}

}  // namespace
}  // namespace trellis
