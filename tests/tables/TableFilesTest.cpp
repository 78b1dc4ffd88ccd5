#include "app/TextFiles.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"
#include "tables/TableData.h"
#include "tables/TableFiles.h"

#include <QDir>
#include <QFileInfo>

#include <climits>

#include <gtest/gtest.h>

namespace trellis {
namespace {

// Bytes of a literal that may hold NUL.
template <size_t N>
QByteArray Bytes(const char (&text)[N]) {
  return QByteArray(text, N - 1);
}

class TableFiles : public ::testing::Test {
 protected:
  QString Path(const char* name = "p.d02") const { return dir_.File(QString::fromLatin1(name)); }
  TableData Load(const QByteArray& bytes, int columns) {
    test::WriteBytes(Path(), bytes);
    TableData data;
    data.Reset(1, columns);
    ReadTableText(data, Path());
    return data;
  }
  QStringList Row(const TableData& data, int row) {
    QStringList cells;
    for (int c = 1; c <= data.ColumnCount(); ++c) cells << data.Cell(row, c);
    return cells;
  }

  test::TempFolder dir_;
  test::ScriptedPrompter prompter_;
  TextFileWriter writer_{prompter_};
};

TEST_F(TableFiles, WritesRowsWithTabsAndCrLfInWindows1251) {
  TableData data;
  data.Reset(3, 2);
  data.SetCell(1, 1, u"1");
  data.SetCell(1, 2, u"a");
  data.SetCell(2, 1, u"2");
  data.SetCell(3, 1, u"3");
  data.SetCell(3, 2, u"c");
  EXPECT_TRUE(SaveTableData(data, Path(), writer_));
  EXPECT_EQ(test::ReadBytes(Path()), "1\ta\r\n2\t\r\n3\tc\r\n");

  data.Reset(2, 3);
  data.SetCell(1, 1, u"Бетон B25");
  data.SetCell(1, 2, QString(QChar(0x00B7)));
  data.SetCell(2, 3, u"tab\there");  // separators cannot live in a cell
  SaveTableData(data, Path(), writer_);
  EXPECT_EQ(test::ReadBytes(Path()), "\xC1\xE5\xF2\xEE\xED B25\t\xB7\t\r\n\t\ttab here\r\n");

  data.Reset(1, 4);  // one empty row: C - 1 TABs
  SaveTableData(data, Path(), writer_);
  EXPECT_EQ(test::ReadBytes(Path()), "\t\t\t\r\n");
}

TEST_F(TableFiles, HandMadeLineEndsKeepEveryRowAndCell) {
  EXPECT_EQ(Load("", 2).RowCount(), 1);
  TableData data = Load("1\tB15\n2\tB20", 2);  // LF only, the last line without its end
  ASSERT_EQ(data.RowCount(), 2);
  EXPECT_EQ(Row(data, 1), QStringList({"1", "B15"}));
  EXPECT_EQ(Row(data, 2), QStringList({"2", "B20"}));
  EXPECT_TRUE(SaveTableData(data, Path(), writer_));
  EXPECT_EQ(test::ReadBytes(Path()), "1\tB15\r\n2\tB20\r\n");

  data = Load("no line end", 2);
  ASSERT_EQ(data.RowCount(), 1);
  EXPECT_EQ(data.Cell(1, 1), "no line end");

  data = Load("a\r\nb\nc\rd\r\n\n\re", 1);  // CR LF, lone LF and lone CR each end a line
  QStringList cells;
  for (int r = 1; r <= data.RowCount(); ++r) cells << data.Cell(r, 1);
  EXPECT_EQ(cells, QStringList({"a", "b", "c", "d", "", "", "e"}));
}

TEST_F(TableFiles, SingleColumnEmptyRowsKeepTheirPlaces) {
  TableData data = Load("a\r\n\r\nb\r\n\r\n", 1);
  ASSERT_EQ(data.RowCount(), 4);
  EXPECT_EQ(data.Cell(2, 1), "");
  EXPECT_EQ(data.Cell(3, 1), "b");
  EXPECT_FALSE(SaveTableData(data, Path(), writer_));  // read and written alike

  LoadScratchTable(data, Path(), 2);
  EXPECT_EQ(data.RowCount(), 4);
  data.SetCell(1, 1, u"x");
  SaveScratchTable(data, Path(), writer_);
  EXPECT_EQ(test::ReadBytes(Path()), "x\r\n\r\nb\r\n\r\n");
}

TEST_F(TableFiles, ExtraCellsAndOddBytesLoadWithoutHarm) {
  TableData data = Load(Bytes("1\ta\tb\tc\r\n2\0x\t\x98\xFF\r\n"), 2);
  ASSERT_EQ(data.RowCount(), 2);
  EXPECT_EQ(Row(data, 1), QStringList({"1", "a"}));
  EXPECT_EQ(data.CellBytes(2, 1), Bytes("2\0x"));
  EXPECT_EQ(data.Cell(2, 2), QString(QChar(0x0098)) + QStringLiteral("я"));
  SaveTableData(data, Path("out.d02"), writer_);
  EXPECT_EQ(test::ReadBytes(Path("out.d02")), Bytes("1\ta\r\n2\0x\t\x98\xFF\r\n"));

  TableData folder;
  folder.Reset(1, 2);
  ReadTableText(folder, dir_.Path());
  EXPECT_EQ(folder.RowCount(), 1);

  const QByteArray longLine = QByteArray(50 << 20, 'x') + "\r\n";
  data = Load(longLine, 2);
  EXPECT_EQ(data.CellBytes(1, 1).size(), 50 << 20);
}

TEST_F(TableFiles, UnchangedTablesAreNotWrittenAgain) {
  TableData data = Load("1\ta\r\n2\tb\r\n", 2);
  const QDateTime before = QFileInfo(Path()).lastModified();
  EXPECT_FALSE(SaveTableData(data, Path(), writer_));
  EXPECT_FALSE(writer_.TableFileWritten());
  EXPECT_EQ(QFileInfo(Path()).lastModified(), before);

  data.SetCell(2, 2, u"c");
  EXPECT_TRUE(SaveTableData(data, Path(), writer_));
  EXPECT_TRUE(writer_.TableFileWritten());
  EXPECT_EQ(test::ReadBytes(Path()), "1\ta\r\n2\tc\r\n");
}

TEST_F(TableFiles, AnUnwritableFileIsReportedAndKept) {
  TableData data;
  data.Reset(1, 1);
  data.SetCell(1, 1, u"x");
  EXPECT_TRUE(SaveTableData(data, QStringLiteral("/proc/version"), writer_));
  ASSERT_EQ(prompter_.Messages().size(), 1u);
  EXPECT_EQ(prompter_.Messages()[0].text, "PrintToFile");
  EXPECT_TRUE(test::ReadBytes(QStringLiteral("/proc/version")).startsWith("Linux"));
}

TEST_F(TableFiles, ScratchTablesReadAndWriteEveryRow) {
  test::WriteBytes(Path(), "1\ta\r\n2\tb\r\n");
  TableData scratch;
  LoadScratchTable(scratch, Path(), 3);
  ASSERT_EQ(scratch.RowCount(), 2);
  EXPECT_EQ(scratch.ColumnCount(), 2);
  EXPECT_EQ(Row(scratch, 2), QStringList({"2", "b"}));

  LoadScratchTable(scratch, Path("missing.d02"), 3);
  EXPECT_EQ(scratch.RowCount(), 1);

  scratch.SetCell(1, 2, u"z");
  SaveScratchTable(scratch, Path(), writer_);
  SaveScratchTable(scratch, Path(), writer_);  // written even when unchanged
  EXPECT_EQ(test::ReadBytes(Path()), "\tz\r\n");
}

TEST_F(TableFiles, TablesTooBigToHoldAreNeitherLoadedNorSavedOver) {
  const QByteArray lineEnds(kMaxTableCells / 20 + 1, '\n');  // one row too many for 20 columns
  test::WriteBytes(Path(), lineEnds);
  TableData data;
  data.Reset(3, 20);
  EXPECT_TRUE(ReadTableText(data, Path()).contains(Path()));
  EXPECT_EQ(data.RowCount(), 1);
  data.SetCell(1, 1, u"typed");
  EXPECT_FALSE(SaveTableData(data, Path(), writer_));
  EXPECT_FALSE(LoadScratchTable(data, Path(), 21).isEmpty());
  SaveScratchTable(data, Path(), writer_);
  EXPECT_EQ(test::ReadBytes(Path()), lineEnds);
  EXPECT_TRUE(ReadTableText(data, Path("missing.d02")).isEmpty());  // the next table is whole
  EXPECT_TRUE(SaveTableData(data, Path("missing.d02"), writer_));

  data.Reset(2, 3);  // an allocation that fails leaves the store as it was
  data.SetCell(2, 3, u"kept");
  EXPECT_ANY_THROW(data.Reset(INT_MAX, INT_MAX));
  EXPECT_EQ(data.RowCount(), 2);
  EXPECT_EQ(data.Cell(2, 3), "kept");
}

TEST_F(TableFiles, RowOperationsKeepTheCellsOfEveryRow) {
  TableData data = Load("1\ta\r\n2\tb\r\n3\tc\r\n", 2);
  data.InsertRows(2, 1);
  data.SetCell(2, 1, u"new");
  data.RemoveRows(4, 1);
  data.ReorderRows({3, 1, 2});
  EXPECT_EQ(TableFileText(data), "2\tb\r\n1\ta\r\nnew\t");
  data.RemoveRows(1, 10);  // a table never has fewer than one row
  EXPECT_EQ(data.RowCount(), 1);
  EXPECT_EQ(TableFileText(data), "\t");
}

}  // namespace
}  // namespace trellis
