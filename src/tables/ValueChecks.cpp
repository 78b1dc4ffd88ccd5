#include "tables/ValueChecks.h"

#include "app/IniFiles.h"
#include "app/LocaleNumbers.h"
#include "tables/CatalogueLoading.h"
#include "tables/Grid.h"
#include "tables/InstallationFiles.h"
#include "tables/LowerPanes.h"
#include "tables/TableContext.h"
#include "tables/TableFiles.h"
#include "tables/ValueLists.h"
#include "tables/WindowModel.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace trellis {
namespace {

bool IsClosedList(const ColumnSpec& column) {
  return !column.editable && !column.list.isEmpty() &&
         (column.editorKind == EditorKind::DropDownList || column.editorKind == EditorKind::ImageCombo);
}

QString ColumnTitle(const ColumnSpec& column) { return QString(column.name).replace(u'_', u' '); }

}  // namespace

QString ValueProblem(const ColumnSpec& column, const QString& value) {
  if (value.isEmpty()) return QString();
  if (IsClosedList(column)) {
    QString item = value;
    if (item.endsWith(kImageItemSuffix)) item.chop(kImageItemSuffix.size());
    return IsInList(item, column.list)
               ? QString()
               : QCoreApplication::translate("ValueChecks", "«%1» нет в списке колонки")
                     .arg(item.trimmed());
  }
  if (column.IsIdentifier() && column.editorKind == EditorKind::TextBox) {
    const auto number = ParseLocaleNumber(value);
    return number && std::floor(*number) == *number
               ? QString()
               : QCoreApplication::translate("ValueChecks", "«%1» — не целое число").arg(value);
  }
  if (column.HoldsNumbers() && !ParseLocaleNumber(value)) {
    return value.contains(u'.')
               ? QCoreApplication::translate(
                     "ValueChecks", "«%1» — не число (дробная часть пишется через запятую)")
                     .arg(value)
               : QCoreApplication::translate("ValueChecks", "«%1» — не число").arg(value);
  }
  return QString();
}

void ValueChecks::Load(TableContext& ctx) {
  references_.clear();
  const int shown = ctx.window.Tabs1.Selected();
  const TableCatalogue& catalogue = ctx.tables.catalogue;
  for (const TableLink& link : catalogue.TableLinks) {
    if (link.table != shown || link.sourceTable < 1) continue;
    if (link.keyColumn > catalogue.ColumnCounts[size_t(link.sourceTable)]) continue;
    TableData source;
    // A source that cannot be read whole checks nothing: every reference would look broken.
    if (!LoadScratchTable(source, TableFilePath(ctx, link.sourceTable),
                          catalogue.ColumnCounts[size_t(link.sourceTable)] + 1).isEmpty()) {
      continue;
    }
    Reference& reference = references_[link.column];
    for (int r = 1; r <= source.RowCount(); ++r) reference.keys.insert(source.CellBytes(r, link.keyColumn).toByteArray());
    const QString key = catalogue.TableKeys[size_t(link.sourceTable)];
    reference.tableName = ctx.ini.ReadIni(key, u"Name", TablesIniPath(ctx.installationFolder));
    if (reference.tableName.isEmpty()) reference.tableName = key;
  }
}

bool ValueChecks::Checks(const ColumnSpec& column, int columnNumber) const {
  return IsClosedList(column) || column.HoldsNumbers() || references_.count(columnNumber) > 0;
}

QString ValueChecks::Problem(const Grid& grid, int row, int column) const {
  const ColumnSpec* spec = grid.Column(column);
  if (!spec || grid.Data().IsCellEmpty(row, column)) return QString();
  const QString value = grid.Data().Cell(row, column);
  const QString own = ValueProblem(*spec, value);
  if (!own.isEmpty()) return own;
  const auto reference = references_.find(column);
  if (reference == references_.end() || reference->second.keys.contains(grid.Data().CellBytes(row, column).toByteArray())) {
    return QString();
  }
  return QCoreApplication::translate("ValueChecks", "строки «%1» нет в таблице «%2»")
      .arg(value, reference->second.tableName);
}

void RecheckValues(TableContext& ctx, int r1, int c1, int r2, int c2) {
  const Grid& grid = ctx.window.fg1;
  const ValueChecks& checks = ctx.tables.valueChecks;
  const QString key = ctx.tables.currentTableKey;
  if (key.isEmpty()) return;
  std::vector<ValueProblemEntry> found;
  const ErrorEntry place = ErrorAbout(ctx, QString(), key, 0, 0);
  for (int column = std::max(c1, 1); column <= std::min(c2, grid.Cols()); ++column) {
    const ColumnSpec* spec = grid.Column(column);
    if (!spec || !checks.Checks(*spec, column)) continue;
    for (int row = std::max(r1, 1); row <= std::min(r2, grid.Rows()); ++row) {
      const QString problem = checks.Problem(grid, row, column);
      if (problem.isEmpty()) continue;
      ErrorEntry entry = place;
      entry.message = QStringLiteral("%1: %2").arg(ColumnTitle(*spec), problem);
      entry.row = QString::number(row);
      entry.column = QString::number(column);
      found.push_back(ValueProblemEntry{row, column, std::move(entry)});
    }
  }
  ctx.window.fg2.ReplaceValueProblems(key, r1, c1, r2, c2, std::move(found));
  if (grid.Row() >= r1 && grid.Row() <= r2 && grid.Col() >= c1 && grid.Col() <= c2) TellCurrentValueProblem(ctx);
}

void TellCurrentValueProblem(TableContext& ctx) {
  const Grid& grid = ctx.window.fg1;
  const QString problem = ctx.tables.valueChecks.Problem(grid, grid.Row(), grid.Col());
  if (problem.isEmpty()) return;
  ctx.window.StatusBar1.SetPanel(1,
                                 QCoreApplication::translate("ValueChecks", "Строка %1, «%2»: %3")
                                     .arg(grid.Row())
                                     .arg(ColumnTitle(*grid.Column(grid.Col())), problem));
}

void RecheckAllValues(TableContext& ctx) {
  // Also the lines about rows and columns the table no longer has go.
  RecheckValues(ctx, 1, 1, std::numeric_limits<int>::max(), std::numeric_limits<int>::max());
}

}  // namespace trellis
