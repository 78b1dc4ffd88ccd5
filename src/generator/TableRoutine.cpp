#include "generator/TableRoutine.h"

#include <QLatin1String>

#include <charconv>
#include <vector>

namespace trellis {
namespace {

constexpr QStringView kLineEnd = u"\r\n";

void AppendNumber(QString& text, qsizetype number) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, number);
  text.append(QLatin1String(digits, result.ptr - digits));
}

qsizetype DigitCount(qsizetype number) {
  qsizetype count = number < 0 ? 2 : 1;
  for (number = number < 0 ? -number : number; number >= 10; number /= 10) ++count;
  return count;
}

// The rows of a table text, separated by CR LF, with their position in the file.
class RowReader {
 public:
  explicit RowReader(QStringView text) : text_(text) {}

  bool Next(QStringView& row) {
    if (from_ > text_.size()) return false;
    qsizetype end = text_.indexOf(kLineEnd, from_);
    if (end < 0) end = text_.size();
    row = text_.sliced(from_, end - from_);
    from_ = end + kLineEnd.size();
    return true;
  }

 private:
  QStringView text_;
  qsizetype from_ = 0;
};

// Writes the routine; FirstCell is the first column that goes into the array (1 drops the
// first column of every row, as the geometry tables need).
std::optional<QString> WriteRoutine(QStringView fileText, const TableRoutineNames& names,
                                    qsizetype firstCell) {
  if (fileText.size() < 3) return std::nullopt;
  QStringView text = fileText;
  if (text.endsWith(kLineEnd)) text.chop(kLineEnd.size());

  const qsizetype firstRowEnd = text.indexOf(kLineEnd);
  const QStringView firstRow = firstRowEnd < 0 ? text : text.first(firstRowEnd);
  // The generated program splits like VB, where an empty text has no element at all: an empty
  // first row has no last cell.
  const qsizetype lastCell = firstRow.isEmpty() ? -1 : firstRow.count(u'\t');
  const qsizetype lastRow = text.count(kLineEnd);
  const qsizetype lastColumn = lastCell - firstCell;
  // A geometry table whose first row has no cell after the dropped one would need an array
  // without columns, which VB cannot declare: such a table gets no routine.
  if (firstCell > 0 && lastColumn < 0) return std::nullopt;

  const QString& e = names.extension;
  // "A_<ext>(<column>," for every column, built once.
  std::vector<QString> itemHeads;
  for (qsizetype column = 0; column <= lastColumn; ++column) {
    QString head = QStringLiteral("A_") + e + u'(';
    AppendNumber(head, column);
    itemHeads.push_back(head + u',');
  }

  // Room for the cells and the items around them, so the text rarely grows while it is built.
  const qsizetype itemSize =
      3 + 2 + e.size() + 1 + DigitCount(lastColumn) + 1 + DigitCount(lastRow) + 5 + 1;
  QString routine;
  routine.reserve(text.size() +
                  (lastRow + 1) * (3 + qMax<qsizetype>(lastColumn + 1, 0) * itemSize) +
                  names.title.size() + names.columnList.size() + 8 * e.size() + 128);

  routine += QStringLiteral("Public Sub AddA_") + e + QStringLiteral("()\r\n\t\r\n");
  routine += QStringLiteral("\t' Таблица \"") + names.title + QStringLiteral("\"\r\n\t\r\n");
  routine += QStringLiteral("\t' Колонки - ") + names.columnList + QStringLiteral("\r\n\t\r\n");
  routine += QStringLiteral("\tDim A_") + e + u'(';
  AppendNumber(routine, lastColumn);
  routine += u',';
  AppendNumber(routine, lastRow);
  routine += QStringLiteral(") As String\r\n\t\r\n");

  RowReader rows(text);
  QStringView row;
  QString itemTail;  // "<row>) = \""
  for (qsizetype r = 0; rows.Next(row); ++r) {
    // Rows shorter than the first row's last cell index, in characters, are left out; the
    // others keep their position in the file as their row number.
    if (row.size() < lastCell) continue;
    itemTail.clear();
    AppendNumber(itemTail, r);
    itemTail += QStringLiteral(") = \"");

    routine += u'\t';
    qsizetype from = 0;
    for (qsizetype c = 0; c <= lastCell; ++c) {
      // A row with fewer cells than the first one gets empty texts for the missing cells.
      QStringView cell;
      if (from <= row.size()) {
        qsizetype tab = row.indexOf(u'\t', from);
        if (tab < 0) tab = row.size();
        cell = row.sliced(from, tab - from);
        from = tab + 1;
      }
      if (c < firstCell) continue;
      if (c > firstCell) routine += QStringLiteral(" : ");
      routine += itemHeads[size_t(c - firstCell)];
      routine += itemTail;
      routine += cell;
      routine += u'"';
    }
    routine += kLineEnd;
  }

  routine += QStringLiteral("\t\r\n\tApi.SetArr \"") + e + QStringLiteral("\", A_") + e +
             QStringLiteral("\r\nEnd Sub\r\n");
  return routine;
}

}  // namespace

std::optional<QString> WriteTableRoutine(QStringView fileText, const TableRoutineNames& names) {
  return WriteRoutine(fileText, names, 0);
}

std::optional<QString> WriteGeometryTableRoutine(QStringView fileText,
                                                 const TableRoutineNames& names) {
  return WriteRoutine(fileText, names, 1);
}

}  // namespace trellis
