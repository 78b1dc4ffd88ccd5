#include "tables/ColumnSpec.h"
#include "support/TableFixture.h"
#include "tables/ValueLists.h"

#include <gtest/gtest.h>

namespace trellis {
namespace {

class Columns : public ::testing::Test {
 protected:
  std::vector<ColumnSpec> Read(const QString& text) {
    f_.WriteInstall(QStringLiteral("T.ini"), text);
    return ReadColumnSpecs(f_.ini, f_.installation + QStringLiteral("/T.ini"));
  }
  test::TableFixture f_;
};

TEST_F(Columns, EditorKindPrecedenceAndEditability) {
  const auto c = Read(QStringLiteral(
      "[F1]\nName=a\n"
      "[F2]\nName=b\nList=x|y\n"
      "[F3]\nName=c\nList=x|y\nEdit=-\n"
      "[F4]\nName=d\nList=x|y\nListBmp=p|q\nEdit=-\n"
      "[F5]\nName=e\nList=x|y\nListBmp=p|q\nSource=Mat\n"
      "[F6]\nName=f\nSource=Mat\nType=b\n"
      "[F7]\nName=g\nList=x\nType=o\n"
      "[F8]\nName=h\nType=i\n"));
  ASSERT_EQ(c.size(), 8u);
  const EditorKind expected[] = {EditorKind::TextBox,    EditorKind::EditableCombo,
                                 EditorKind::DropDownList, EditorKind::ImageCombo,
                                 EditorKind::ValueListPopup, EditorKind::CheckBox,
                                 EditorKind::Option,     EditorKind::TextBox};
  const bool editable[] = {true, true, false, false, true, false, false, false};
  for (size_t i = 0; i < c.size(); ++i) {
    EXPECT_EQ(c[i].editorKind, expected[i]) << i + 1;
    EXPECT_EQ(c[i].editable, editable[i]) << i + 1;
  }
}

TEST_F(Columns, ClickCarriesOverAndWidthsAndHeaders) {
  const auto c = Read(QStringLiteral(
      "[F1]\nName=Номер_узла\nClick=A;b\nw=900\n"
      "[F2]\nName=Сила\nMeasure=кН\nw=-900\n"
      "[F3]\nName=c\nClick=layer=L1\nw=0\n"
      "[F4]\nName=d\nw=wide\n"
      "[F6]\nName=after the gap\n"));
  ASSERT_EQ(c.size(), 4u);  // the list ends at the missing F5
  EXPECT_EQ(c[1].click, "A;b");
  EXPECT_EQ(c[3].click, "layer=L1");
  EXPECT_EQ(c[0].width, 899);
  EXPECT_EQ(c[1].width, 899);
  EXPECT_EQ(c[2].width, -1);  // hidden
  EXPECT_EQ(c[3].width, 0);   // automatic
  EXPECT_EQ(c[0].HeaderText(), QStringLiteral("Номер узла "));
  EXPECT_EQ(c[1].HeaderText(), QStringLiteral("Сила, кН "));
}

TEST_F(Columns, ExtremeWidthsBecomeTheWidest) {
  const auto c = Read(QStringLiteral("[F1]\nName=a\nw=-2147483648\n[F2]\nName=b\nw=2147483647\n"
                                     "[F3]\nName=c\nw=-1e300\n[F4]\nName=d\nw=0,4\n"));
  ASSERT_EQ(c.size(), 4u);
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(c[i].width, 99999) << i + 1;
  EXPECT_EQ(c[3].width, -1);  // rounds to 0: hidden
}

TEST_F(Columns, AtMostTwentyColumns) {
  QString text;
  for (int k = 1; k <= 25; ++k) text += QStringLiteral("[F%1]\nName=c%1\n").arg(k);
  EXPECT_EQ(Read(text).size(), 20u);
  EXPECT_EQ(ColumnCount(f_.ini, f_.installation + QStringLiteral("/T.ini")), 20);
  EXPECT_EQ(ColumnCount(f_.ini, f_.installation + QStringLiteral("/missing.ini")), 0);
}

TEST_F(Columns, SourceColumnsTakeTheSourceListsAndPictures) {
  f_.WriteInstall(QStringLiteral("Mat.ini"),
                  QStringLiteral("[F1]\nName=N\nVar=mat\n[F2]\nName=Вид\nVar=kind\n"
                                 "List=Бетон|Сталь\nListBmp=concrete|steel\n"));
  auto c = Read(QStringLiteral("[F1]\nName=Вид\nSource=Mat\nVar=kind\n[F2]\nName=x\nSource=Mat\nVar=none\n"));
  TakeOverSourceLists(f_.ini, f_.installation, c);
  EXPECT_EQ(c[0].list, QStringLiteral("Бетон|Сталь"));
  EXPECT_EQ(c[0].listBmp, "concrete|steel");
  EXPECT_EQ(c[1].list, "");
}

TEST(ValueLists, PicturesListsAndCombos) {
  test::TableFixture f;
  f.WriteInstall(QStringLiteral("bmp/Materials/steel.bmp"), QStringLiteral("BM"));
  f.WriteInstall(QStringLiteral("bmp/Materials/Mat/concrete.bmp"), QStringLiteral("BM"));
  const QString list = QStringLiteral("Бетон|Сталь|Дерево");
  const QString bmp = QStringLiteral("concrete|steel");
  const QString six = kImageItemSuffix;
  EXPECT_EQ(GetListPicture(QStringLiteral("Сталь") + six, QStringLiteral("Mat"), list, bmp, f.installation),
            f.installation + QStringLiteral("/bmp/Materials/steel.bmp"));
  EXPECT_EQ(GetListPicture(QStringLiteral("Бетон") + six, QStringLiteral("Mat"), list, bmp, f.installation),
            f.installation + QStringLiteral("/bmp/Materials/Mat/concrete.bmp"));
  EXPECT_EQ(GetListPicture(QStringLiteral("Бетон") + six, QStringLiteral("El"), list, bmp, f.installation), "");
  EXPECT_EQ(GetListPicture(QStringLiteral("Сталь"), QStringLiteral("Mat"), list, bmp, f.installation), "");
  EXPECT_EQ(GetListPicture(QStringLiteral("Дерево") + six, QStringLiteral("Mat"), list, bmp, f.installation), "");

  EXPECT_TRUE(IsInList(QStringLiteral("Сталь"), list));
  EXPECT_FALSE(IsInList(QStringLiteral("Ста"), list));
  EXPECT_FALSE(IsInList(QString(), QStringLiteral("|a")));
  EXPECT_EQ(FillComboFromList(QStringLiteral("|a||b")), QStringList({"", "a", "b"}));
}

}  // namespace
}  // namespace trellis
