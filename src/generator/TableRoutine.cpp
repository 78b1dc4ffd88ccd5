#include "generator/TableRoutine.h"

#include <QLatin1String>

#include <charconv>
#include <vector>

namespace trellis {
namespace {

constexpr QStringView kLineEnd = u"\r\n";
constexpr QStringView kItemSeparator = u" : ";

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

// The rows of a table text, separated by CR LF.
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

std::optional<TableRoutine> Plan(QString fileText, TableRoutineNames names, qsizetype firstCell) {
  if (fileText.size() < 3) return std::nullopt;
  TableRoutine routine{std::move(names), std::move(fileText), 0, firstCell, 0, 0};
  QStringView text = routine.fileText;
  if (text.endsWith(kLineEnd)) text.chop(kLineEnd.size());
  routine.textSize = text.size();

  const qsizetype firstRowEnd = text.indexOf(kLineEnd);
  const QStringView firstRow = firstRowEnd < 0 ? text : text.first(firstRowEnd);
  // The generated program splits like VB, where an empty text has no element at all: an empty
  // first row has no last cell.
  routine.lastCell = firstRow.isEmpty() ? -1 : firstRow.count(u'\t');
  routine.lastRow = text.count(kLineEnd);
  // A geometry table whose first row has no cell after the dropped one would need an array
  // without columns, which VB cannot declare: such a table gets no routine.
  if (firstCell > 0 && routine.lastCell < firstCell) return std::nullopt;
  return routine;
}

}  // namespace

std::optional<TableRoutine> PlanTableRoutine(QString fileText, TableRoutineNames names) {
  return Plan(std::move(fileText), std::move(names), 0);
}

std::optional<TableRoutine> PlanGeometryTableRoutine(QString fileText, TableRoutineNames names) {
  return Plan(std::move(fileText), std::move(names), 1);
}

qsizetype RoutineSizeBound(const TableRoutine& routine) {
  const qsizetype columns = qMax<qsizetype>(routine.lastCell - routine.firstCell + 1, 0);
  const qsizetype item = kItemSeparator.size() + 2 + routine.names.extension.size() + 1 +
                         DigitCount(columns) + 1 + DigitCount(routine.lastRow) + 5 + 1;
  // Cells never hold more characters than the text, plus one for each quote doubled; every
  // row adds a TAB and a CR LF.
  const qsizetype quotes = QStringView(routine.fileText).first(routine.textSize).count(u'"');
  return routine.textSize + quotes + (routine.lastRow + 1) * (3 + columns * item) +
         routine.names.title.size() + routine.names.columnList.size() +
         8 * routine.names.extension.size() + 160;
}

void AppendVbStringText(QString& out, QStringView text) {
  qsizetype from = 0;
  for (qsizetype quote = text.indexOf(u'"'); quote >= 0; quote = text.indexOf(u'"', from)) {
    out += text.sliced(from, quote + 1 - from);
    out += u'"';
    from = quote + 1;
  }
  out += text.sliced(from);
}

void WriteTableRoutine(const TableRoutine& routine, QString& module) {
  const QString& e = routine.names.extension;
  const qsizetype lastColumn = routine.lastCell - routine.firstCell;
  module += QStringLiteral("Public Sub AddA_") + e + QStringLiteral("()\r\n\t\r\n");
  module += QStringLiteral("\t' Таблица \"") + routine.names.title + QStringLiteral("\"\r\n\t\r\n");
  module +=
      QStringLiteral("\t' Колонки - ") + routine.names.columnList + QStringLiteral("\r\n\t\r\n");
  module += QStringLiteral("\tDim A_") + e + u'(';
  AppendNumber(module, lastColumn);
  module += u',';
  AppendNumber(module, routine.lastRow);
  module += QStringLiteral(") As String\r\n\t\r\n");

  // "A_<ext>(<column>," for every column, built once.
  std::vector<QString> itemHeads;
  for (qsizetype column = 0; column <= lastColumn; ++column) {
    QString head = QStringLiteral("A_") + e + u'(';
    AppendNumber(head, column);
    itemHeads.push_back(head + u',');
  }
  RowReader rows(QStringView(routine.fileText).first(routine.textSize));
  QStringView row;
  QString itemTail;  // "<row>) = \""
  for (qsizetype r = 0; rows.Next(row); ++r) {
    // Rows shorter than the first row's last cell index, in characters, are left out; the
    // others keep their position in the file as their row number.
    if (row.size() < routine.lastCell) continue;
    itemTail.clear();
    AppendNumber(itemTail, r);
    itemTail += QStringLiteral(") = \"");

    module += u'\t';
    qsizetype from = 0;
    for (qsizetype c = 0; c <= routine.lastCell; ++c) {
      // A row with fewer cells than the first one gets empty texts for the missing cells.
      QStringView cell;
      if (from <= row.size()) {
        qsizetype tab = row.indexOf(u'\t', from);
        if (tab < 0) tab = row.size();
        cell = row.sliced(from, tab - from);
        from = tab + 1;
      }
      if (c < routine.firstCell) continue;
      if (c > routine.firstCell) module += kItemSeparator;
      module += itemHeads[size_t(c - routine.firstCell)];
      module += itemTail;
      AppendVbStringText(module, cell);
      module += u'"';
    }
    module += kLineEnd;
  }
  module += QStringLiteral("\t\r\n\tApi.SetArr \"") + e + QStringLiteral("\", A_") + e +
            QStringLiteral("\r\nEnd Sub\r\n");
}

}  // namespace trellis
