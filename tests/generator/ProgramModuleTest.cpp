#include "app/IniFiles.h"
#include "app/TextCodec.h"
#include "generator/ColumnList.h"
#include "generator/HandWrittenModule.h"
#include "generator/ProgramModule.h"
#include "generator/TableRoutine.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace trellis {
namespace {

QString Text(const char* text) {
  return QString::fromUtf8(text);
}

// A project "Hall" saved in Work, with the column files in the family folder Kestrel.
class ProgramModuleTest : public ::testing::Test {
 protected:
  ProgramModuleTest() {
    QDir().mkpath(project_);
    QDir().mkpath(family_);
  }
  void Write(const QString& path, const char* text) {
    test::WriteBytes(path, cp1251::Encode(QString::fromUtf8(text)));
  }
  void WriteTable(const QString& extension, const char* text) {
    Write(project_ + QStringLiteral("/Hall.") + extension, text);
  }
  QString Build() { return BuildProgramModule(QStringLiteral("Hall"), project_, family_, ini_); }

  test::TempFolder root_;
  QString project_ = root_.File(QStringLiteral("Work"));
  QString family_ = root_.File(QStringLiteral("Kestrel"));
  IniFiles ini_;
};

TEST_F(ProgramModuleTest, TwoRowMaterialsProjectWithShortAndSkippedFiles) {
  Write(family_ + QStringLiteral("/Materials.ini"),
        "[F1]\r\nName=№\r\n[F2]\r\nName=Название\r\n[F4]\r\nName=Unreached\r\n");
  WriteTable(QStringLiteral("d01"), "1\tБетон\r\n2\tСталь\r\n");
  WriteTable(QStringLiteral("d02"), "1\t");       // two characters
  WriteTable(QStringLiteral("d03"), "1");         // one character
  WriteTable(QStringLiteral("d11"), "1\t2\r\n");  // never generated
  WriteTable(QStringLiteral("d17"), "1\t2\r\n");
  EXPECT_EQ(Build(), Text(test::kAddAllArrStartHall) + "\tAddA_d01\r\n" +
                         Text(test::kAddAllArrEnd) +
                         "\r\n"
                         "\r\n"
                         "Public Sub AddA_d01()\r\n"
                         "\t\r\n"
                         "\t' Таблица \"Материалы\"\r\n"
                         "\t\r\n"
                         "\t' Колонки - № : Название\r\n"
                         "\t\r\n"
                         "\tDim A_d01(1,1) As String\r\n"
                         "\t\r\n"
                         "\tA_d01(0,0) = \"1\" : A_d01(1,0) = \"Бетон\"\r\n"
                         "\tA_d01(0,1) = \"2\" : A_d01(1,1) = \"Сталь\"\r\n"
                         "\t\r\n"
                         "\tApi.SetArr \"d01\", A_d01\r\n"
                         "End Sub\r\n"
                         "\r\n" +
                         Text(test::kDefaultSettings));
}

TEST_F(ProgramModuleTest, TablesWithoutNamesGetAnEmptyTitleAndColumnList) {
  Write(family_ + QStringLiteral("/.ini"), "[F1]\r\nName=Stray\r\n");
  for (const int table : {9, 13, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30}) {
    const QString e = QStringLiteral("d%1").arg(table, 2, 10, QLatin1Char('0'));
    WriteTable(e, "1\t2");
    const QString routine =
        QStringLiteral(
            "Public Sub AddA_%1()\r\n\t\r\n\t' Таблица \"\"\r\n\t\r\n\t' Колонки - \r\n\t\r\n"
            "\tDim A_%1(1,0) As String\r\n\t\r\n\tA_%1(0,0) = \"1\" : A_%1(1,0) = \"2\"\r\n"
            "\t\r\n\tApi.SetArr \"%1\", A_%1\r\nEnd Sub\r\n")
            .arg(e);
    EXPECT_EQ(Build(), Text(test::kAddAllArrStartHall) + "\tAddA_" + e + "\r\n" +
                           Text(test::kAddAllArrEnd) + "\r\n\r\n" + routine + "\r\n" +
                           Text(test::kDefaultSettings))
        << e.toStdString();
    QFile::remove(project_ + QStringLiteral("/Hall.") + e);
  }
}

TEST_F(ProgramModuleTest, ModelAndGeometryTablesInOrderWithTheProjectSettings) {
  Write(family_ + QStringLiteral("/Elements.ini"), "[F1]\r\nName=№\r\n[F2]\r\nName=Тип\r\n");
  Write(family_ + QStringLiteral("/CoordPoints.ini"),
        "[F1]\r\nName=№\r\n[F2]\r\nName=X______\r\n[F3]\r\nName=______Y\r\n[F4]\r\nName=Z\r\n");
  WriteTable(QStringLiteral("d05"), "1\t\"Ветер\" слева\t0,5\r\n2\t\t\r\n");
  WriteTable(QStringLiteral("d02"), "1\tСтержень\r\n");
  WriteTable(QStringLiteral("g01"), "1\t0\t0\t0\r\n2\t6\t0\t3,5\r\n");
  WriteTable(QStringLiteral("g03"), "5\r\n6\r\n");  // nothing left once the first column goes
  WriteTable(
      QStringLiteral("ini"),
      "[Show]\r\nPsi=9\r\n[Calc]\r\nAfterCalc=1\r\nPsi=\r\nKCNorm=\r\nIter=20\r\nMPL=0,85\r\n");
  EXPECT_EQ(Build(),
            Text(test::kAddAllArrStartHall) +
                "\tAddA_d02\r\n"
                "\tAddA_d05\r\n"
                "\tAddA_g01\r\n" +
                Text(test::kAddAllArrEnd) +
                "\r\n"
                "\r\n"
                "Public Sub AddA_d02()\r\n\t\r\n\t' Таблица \"Группы элементов\"\r\n\t\r\n"
                "\t' Колонки - № : Тип\r\n\t\r\n\tDim A_d02(1,0) As String\r\n\t\r\n"
                "\tA_d02(0,0) = \"1\" : A_d02(1,0) = \"Стержень\"\r\n"
                "\t\r\n\tApi.SetArr \"d02\", A_d02\r\nEnd Sub\r\n"
                "\r\n"
                "\r\n"
                "Public Sub AddA_d05()\r\n\t\r\n\t' Таблица \"Нагрузки на элементы\"\r\n\t\r\n"
                "\t' Колонки - \r\n\t\r\n\tDim A_d05(2,1) As String\r\n\t\r\n"
                "\tA_d05(0,0) = \"1\" : A_d05(1,0) = \"\"\"Ветер\"\" слева\" : A_d05(2,0) = \"0,5\"\r\n"
                "\tA_d05(0,1) = \"2\" : A_d05(1,1) = \"\" : A_d05(2,1) = \"\"\r\n"
                "\t\r\n\tApi.SetArr \"d05\", A_d05\r\nEnd Sub\r\n"
                "\r\n"
                "\r\n"
                "Public Sub AddA_g01()\r\n\t\r\n\t' Таблица \"Основные узлы\"\r\n\t\r\n"
                "\t' Колонки - X : Y : Z\r\n\t\r\n\tDim A_g01(2,1) As String\r\n\t\r\n"
                "\tA_g01(0,0) = \"0\" : A_g01(1,0) = \"0\" : A_g01(2,0) = \"0\"\r\n"
                "\tA_g01(0,1) = \"6\" : A_g01(1,1) = \"0\" : A_g01(2,1) = \"3,5\"\r\n"
                "\t\r\n\tApi.SetArr \"g01\", A_g01\r\nEnd Sub\r\n"
                "\r\n" +
                Text(test::kDefaultSettings)
                    .replace("\"AfterCalc\", \"0\"", "\"AfterCalc\", \"1\"")
                    .replace("\"Iter\", \"0\"", "\"Iter\", \"20\"")
                    .replace("\"MPL\", \"0\"", "\"MPL\", \"0,85\""));
}

// The rows a routine keeps, for a table "T" with the column list "L".
QString Routine(const char* bounds, const char* rows) {
  return QStringLiteral(
             "Public Sub AddA_d04()\r\n\t\r\n\t' Таблица \"T\"\r\n\t\r\n"
             "\t' Колонки - L\r\n\t\r\n\tDim A_d04(") +
         Text(bounds) + ") As String\r\n\t\r\n" + Text(rows) +
         "\t\r\n\tApi.SetArr \"d04\", A_d04\r\nEnd Sub\r\n";
}

// The routine text of a table "T" with the column list "L", checked against its size bound.
std::optional<QString> RoutineOf(QStringView fileText) {
  const auto routine = PlanTableRoutine(
      fileText.toString(), {QStringLiteral("d04"), QStringLiteral("T"), QStringLiteral("L")});
  if (!routine) return std::nullopt;
  QString text;
  WriteTableRoutine(*routine, text);
  EXPECT_LE(text.size(), RoutineSizeBound(*routine));
  return text;
}

TEST(TableRoutine, RowsAsTheFileHoldsThem) {
  for (const char* tooShort : {"", "1", "\r\n"}) {
    EXPECT_FALSE(RoutineOf(Text(tooShort)));
  }
  EXPECT_EQ(RoutineOf(u"x\r\n"), Routine("0,0", "\tA_d04(0,0) = \"x\"\r\n"));
  // Two closing CR LF leave an empty last row: counted in the bounds, written only when the
  // first row has a single cell.
  EXPECT_EQ(RoutineOf(u"a\tb\r\nc\td\r\n\r\n"),
            Routine("1,2",
                    "\tA_d04(0,0) = \"a\" : A_d04(1,0) = \"b\"\r\n"
                    "\tA_d04(0,1) = \"c\" : A_d04(1,1) = \"d\"\r\n"));
  // An empty first row splits into no cell at all, as in VB, so no row has an item.
  EXPECT_EQ(RoutineOf(u"\r\nab\r\n"), Routine("-1,1", "\t\r\n\t\r\n"));
  EXPECT_EQ(RoutineOf(u"7\r\n\r\n"),
            Routine("0,1", "\tA_d04(0,0) = \"7\"\r\n\tA_d04(0,1) = \"\"\r\n"));
  // A row shorter (in characters) than the last cell index is left out without renumbering;
  // missing cells of a kept row are empty.
  EXPECT_EQ(RoutineOf(u"1\t2\t3\r\na\r\nb\tc"),
            Routine("2,2",
                    "\tA_d04(0,0) = \"1\" : A_d04(1,0) = \"2\" : A_d04(2,0) = \"3\"\r\n"
                    "\tA_d04(0,2) = \"b\" : A_d04(1,2) = \"c\" : A_d04(2,2) = \"\"\r\n"));
}

// VB writes a quote inside a string literal doubled; a text without quotes goes in unchanged.
TEST(TableRoutine, QuotesInCellsAreDoubled) {
  EXPECT_EQ(RoutineOf(u"a\"b\t\"\"\r\n"),
            Routine("1,0", "\tA_d04(0,0) = \"a\"\"b\" : A_d04(1,0) = \"\"\"\"\"\"\r\n"));
  // The size bound still holds when every character is a quote.
  EXPECT_TRUE(RoutineOf(QString(400, u'"') + QStringLiteral("\t\"\r\n\"\"\"\t\"\r\n")));
}

TEST_F(ProgramModuleTest, QuotesInTheProjectNameAndSettingsAreDoubled) {
  Write(project_ + QStringLiteral("/H\"1.ini"), "[Calc]\r\nKCNorm=a\"b\r\n");
  const QString module = BuildProgramModule(QStringLiteral("H\"1"), project_, family_, ini_);
  EXPECT_TRUE(module.contains(u"\"\\temp\", \"H\"\"1\", Me\r\n")) << module.toStdString();
  EXPECT_TRUE(module.contains(u"\"Calc\", \"KCNorm\", \"a\"\"b\"\r\n")) << module.toStdString();
}

TEST_F(ProgramModuleTest, GeometryColumnListNeedsTheFirstTitle) {
  const QString file = family_ + QStringLiteral("/NumEl.ini");
  Write(file, "[F2]\r\nName=Узел 1\r\n");
  EXPECT_EQ(ReadGeometryColumnList(ini_, file), QString());
  Write(file, "[F1]\r\nName=№\r\n[F2]\r\nName=Узел_______1\r\n[F3]\r\nName=\r\n[F4]\r\nName=x\r\n");
  EXPECT_EQ(ReadGeometryColumnList(ini_, file), QStringLiteral("Узел_1"));
  EXPECT_EQ(ReadColumnList(ini_, family_ + QStringLiteral("/Missing.ini")), QString());
}

}  // namespace
}  // namespace trellis
