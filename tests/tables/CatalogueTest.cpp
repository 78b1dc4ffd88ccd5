#include "tables/CatalogueLoading.h"
#include "support/TableFixture.h"

#include <gtest/gtest.h>

namespace trellis {
namespace {

// Groups d with six tables, g with two, r (results, Post 1), and x whose picture is missing.
class Catalogue : public ::testing::Test {
 protected:
  Catalogue() {
    f_.WriteInstall(QStringLiteral("Tables.ini"),
                    QStringLiteral("[Main]\nTables=Mat|El|Lo|Ld|Co|Fx|Pts|Geo|Res|Nowhere|NoExt\n"
                                   "[Ext]\nExtBmp=d|x|g_|r\nExtName=Модель|Икс|Геометрия|Результаты\n"
                                   "Post=0|0|0|1\n"
                                   "[Mat]\nExt=d01\nName=Материалы\nBmp=mat\n"
                                   "[El]\nExt=d02\nName=Группы элементов\n"
                                   "[Lo]\nExt=d04\nName=Загружения\n[Ld]\nExt=d05\nName=Нагрузки\n"
                                   "[Co]\nExt=d07\nName=Сочетания\n[Fx]\nExt=d08\nName=Закрепления\n"
                                   "[Pts]\nExt=g01\nName=Точки\n[Geo]\nExt=g02\nName=Узлы\n"
                                   "[Res]\nExt=r01\nName=Результаты\nEdit=-\n[NoExt]\nName=Без\n"));
    for (const char* image : {"bmp/Left/d.bmp", "bmp/Left/g_.bmp", "bmp/Left/r.bmp", "bmp/mat.bmp"}) {
      f_.WriteInstall(QString::fromLatin1(image), QStringLiteral("BM"));
    }
    f_.WriteInstall(QStringLiteral("Mat.ini"),
                    QStringLiteral("[F1]\nName=N\nType=i\nVar=mat\n[F2]\nName=Модуль\nVar=E\n"));
    f_.WriteInstall(QStringLiteral("El.ini"),
                    QStringLiteral("[F1]\nName=N\nType=i\n"
                                   "[F2]\nName=Материал\nType=i\nSource=Mat\nVar=mat\nIndex=1\n"
                                   "[F3]\nName=Модуль\nSource=Mat\nVar=E\nIndex=1\n"
                                   "[F4]\nName=Точка\nType=i\nSource=Pts\nVar=pt\nIndex=x\n"
                                   "[F5]\nName=Чужой\nSource=Mat\nVar=E\nIndex=2\n"));
  }

  QStringList TabCaptions() const {
    QStringList captions;
    for (int i = 1; i <= f_.window.Tabs1.Count(); ++i) captions << f_.window.Tabs1.At(i).caption;
    return captions;
  }

  test::TableFixture f_;
};

TEST_F(Catalogue, GroupButtonsComeFromExtAndSkipMissingPictures) {
  BuildGroupButtons(f_.ctx);
  const Toolbar& left = f_.window.ToolbarLeft1;
  ASSERT_EQ(left.Count(), 4);
  EXPECT_EQ(left.Button(1).key, "d");
  EXPECT_TRUE(left.Button(1).pressed);
  EXPECT_EQ(left.Button(1).tooltip, QStringLiteral("Модель"));
  EXPECT_EQ(left.Button(2).key, "g_");  // x has no picture: no button, g_ takes its place
  EXPECT_EQ(left.Button(2).tooltip, QStringLiteral("Геометрия"));
  EXPECT_EQ(left.Button(3).tag, "1");
  EXPECT_FALSE(left.Button(3).enabled);  // a result button waits for a calculation
  EXPECT_TRUE(left.Button(2).enabled);
  EXPECT_EQ(left.Button(4).style, ButtonStyle::Separator);
  EXPECT_EQ(f_.tables.firstMacroButton, 4);
}

TEST_F(Catalogue, TabsOfThePressedGroupInOrderWithTheCaptionRule) {
  BuildGroupButtons(f_.ctx);
  LoadCatalogue(f_.ctx);
  const TableCatalogue& c = f_.tables.catalogue;
  ASSERT_EQ(c.Count(), 6);
  EXPECT_EQ(c.TableKeys[1], "Mat");
  EXPECT_EQ(c.TableKeys[6], "Fx");
  EXPECT_EQ(c.ColumnCounts[1], 2);
  EXPECT_EQ(c.ColumnCounts[3], 0);  // no description file
  EXPECT_EQ(f_.window.Tabs1.At(1).image, "Mat");
  EXPECT_EQ(f_.window.Tabs1.At(2).image, "");
  EXPECT_EQ(f_.window.Tabs1.At(2).tooltip, QStringLiteral("Группы элементов"));
  // Six tabs show images; only the selected one shows its title.
  EXPECT_EQ(TabCaptions(), QStringList({QStringLiteral("Материалы"), "", "", "", "", ""}));
  EXPECT_EQ(f_.tables.currentTableKey, "Mat");
  EXPECT_EQ(f_.window.Caption(), QStringLiteral("Trellis - [Материалы]"));

  f_.hooks.calls.clear();
  OnGroupButtonClick(f_.ctx, 2);
  ASSERT_EQ(c.Count(), 2);
  EXPECT_EQ(TabCaptions(), QStringList({QStringLiteral("Точки"), QStringLiteral("Узлы")}));
  EXPECT_EQ(f_.tables.currentTableKey, "Pts");
  EXPECT_TRUE(f_.window.ToolbarLeft1.Button(2).pressed);
  EXPECT_FALSE(f_.window.ToolbarLeft1.Button(1).pressed);
  EXPECT_TRUE(f_.window.ToolbarLeft1.Button(2).enabled);
  EXPECT_TRUE(f_.window.Tabs1.Enabled());
  EXPECT_EQ(f_.hooks.calls.front(), "ConnectCad");
}

TEST_F(Catalogue, NoPressedGroupOrNoCadHostLeavesTheTabs) {
  LoadCatalogue(f_.ctx);  // no group buttons at all
  EXPECT_EQ(f_.window.Tabs1.Count(), 0);

  BuildGroupButtons(f_.ctx);
  LoadCatalogue(f_.ctx);
  f_.hooks.cadReachable = false;
  OnGroupButtonClick(f_.ctx, 2);
  EXPECT_EQ(f_.tables.catalogue.Count(), 6);
  EXPECT_TRUE(f_.window.ToolbarLeft1.Button(1).pressed);
}

TEST_F(Catalogue, LinksPairColumnsWithTheSourceColumnsOfTheSameVar) {
  BuildGroupButtons(f_.ctx);
  LoadCatalogue(f_.ctx);
  const std::vector<TableLink>& links = f_.tables.catalogue.TableLinks;
  ASSERT_EQ(links.size(), 2u);

  const TableLink& material = links[0];
  EXPECT_EQ(material.table, 2);
  EXPECT_EQ(material.sourceTable, 1);
  EXPECT_EQ(material.column, 2);
  EXPECT_EQ(material.keyColumn, 1);
  EXPECT_EQ(material.index, 1);
  // F5 has the same Source but another Index: not part of this link.
  EXPECT_EQ(material.pairs, (std::vector<std::pair<int, int>>{{2, 1}, {3, 2}}));

  const TableLink& point = links[1];  // Pts is in another group: source 0
  EXPECT_EQ(point.sourceTable, 0);
  EXPECT_EQ(point.index, 0);
  EXPECT_EQ(point.keyColumn, 1);  // Pts has no description: one past its zero columns
  EXPECT_EQ(f_.tables.catalogue.TableIndexByKey(QStringLiteral("El")), 2);
  EXPECT_EQ(f_.tables.catalogue.TableIndexByKey(QStringLiteral("el")), 0);
}

TEST_F(Catalogue, TablePathsAndReadOnlyTables) {
  BuildGroupButtons(f_.ctx);
  LoadCatalogue(f_.ctx);
  EXPECT_EQ(TableFilePath(f_.ctx, 2), f_.WorkingPath(QStringLiteral("p.d02")));
  EXPECT_EQ(TableFilePath(f_.ctx, 7), "");
  EXPECT_FALSE(IsTableReadOnly(f_.ctx));
  EXPECT_TRUE(IsTableReadOnly(f_.ctx, QStringLiteral("Res")));
}

TEST_F(Catalogue, WithoutTablesIniThereIsNothing) {
  test::TableFixture empty;
  BuildGroupButtons(empty.ctx);
  LoadCatalogue(empty.ctx);
  EXPECT_EQ(empty.window.ToolbarLeft1.Count(), 0);
  EXPECT_EQ(empty.window.Tabs1.Count(), 0);
}

}  // namespace
}  // namespace trellis
