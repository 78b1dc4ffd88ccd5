#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

#include <map>

namespace trellis {

class Grid;
struct ColumnSpec;
struct TableContext;

// Checks of the values typed or pasted into the shown table: a number where the column holds
// numbers, a whole number in an identifier column, an item of a closed list, and a row that
// exists in the table a reference column points to. Nothing is refused: a value that does not
// fit is kept, its cell is marked, the status bar says why and the error list holds it until it
// is fixed.
class ValueChecks {
 public:
  // Reads the keys the shown table's reference columns may name from their source tables'
  // working files (as they are when the table opens).
  void Load(TableContext& ctx);
  // Why the value of a cell does not fit its column; empty when it does.
  QString Problem(const Grid& grid, int row, int column) const;
  // Whether a column's values are checked at all.
  bool Checks(const ColumnSpec& column, int columnNumber) const;

 private:
  struct Reference {
    QSet<QByteArray> keys;
    QString tableName;
  };
  std::map<int, Reference> references_;  // by column
};

// Why a value does not fit a column by its own rules (numbers, whole numbers, closed lists);
// empty when it does or is empty.
QString ValueProblem(const ColumnSpec& column, const QString& value);

// The shown table's cells in rows R1..R2 and columns C1..C2 checked again: the error list's
// lines about them follow, and the status bar tells the problem of the current cell.
void RecheckValues(TableContext& ctx, int r1, int c1, int r2, int c2);
// The status bar tells why the current cell's value does not fit, when it does not.
void TellCurrentValueProblem(TableContext& ctx);
// Every cell of the shown table checked again (after rows moved, or when the table opens).
void RecheckAllValues(TableContext& ctx);

}  // namespace trellis
