#include "tables/TableLinkMaintenance.h"

#include "app/FilePaths.h"
#include "tables/CatalogueLoading.h"
#include "tables/TableContext.h"
#include "tables/TableFiles.h"
#include "tables/TableHooks.h"
#include "tables/WindowModel.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <vector>

namespace trellis {
namespace {

// Loads the linking and the source table of a record into the scratch stores; false when one
// of the files is missing (RequireSource) or the linking one is, and for a record whose key
// column the source table does not have (a description without that Var): such a link could
// only empty or delete rows by mistake. So is a link with a table that could not be read whole:
// that is told in the report.
bool LoadLinkTables(TableContext& ctx, const TableLink& link, bool requireSource) {
  const QString linking = TableFilePath(ctx, link.table);
  const QString source = TableFilePath(ctx, link.sourceTable);
  if (!FileExists(linking) || (requireSource && !FileExists(source))) return false;
  const TableCatalogue& catalogue = ctx.tables.catalogue;
  const int sourceColumns = link.sourceTable >= 1 ? catalogue.ColumnCounts[size_t(link.sourceTable)] : 0;
  if (link.keyColumn > sourceColumns) return false;
  bool whole = true;
  for (const QString& problem :
       {LoadScratchTable(ctx.tables.fgTable, linking, catalogue.ColumnCounts[size_t(link.table)] + 1),
        LoadScratchTable(ctx.tables.fgSource, source, sourceColumns + 1)}) {
    if (problem.isEmpty()) continue;
    whole = false;
    // A file in several links is told once, not once per link and pass.
    if (!ctx.window.Report1.Lines().contains(problem)) ctx.window.Report1.Append(problem);
  }
  return whole;
}

}  // namespace

void DeleteNoLink(TableContext& ctx) {
  const int shown = ctx.window.Tabs1.Selected();
  if (shown < 1) return;
  const std::vector<TableLink>& links = ctx.tables.catalogue.TableLinks;
  for (auto it = links.rbegin(); it != links.rend(); ++it) {
    const TableLink& link = *it;
    if (link.table == shown || !LoadLinkTables(ctx, link, false)) continue;
    TableData& table = ctx.tables.fgTable;
    const TableData& source = ctx.tables.fgSource;
    QSet<QByteArray> keys;
    for (int q = 1; q <= source.RowCount(); ++q) keys.insert(source.CellBytes(q, link.keyColumn).toByteArray());
    // The rows that stay move to the front in one pass and the rest go at once, so a large
    // table costs one copy, not one per removed row. Removing from the last row up stops
    // short of the first when every row would go: a table keeps at least one row.
    std::vector<int> kept, gone;
    for (int r = 1; r <= table.RowCount(); ++r) {
      const QByteArrayView value = table.CellBytes(r, link.column);
      (value.isEmpty() || keys.contains(value.toByteArray()) ? kept : gone).push_back(r);
    }
    if (kept.empty()) {
      kept.push_back(gone.front());
      gone.erase(gone.begin());
    }
    if (gone.empty()) continue;
    const int keptCount = int(kept.size());
    kept.insert(kept.end(), gone.begin(), gone.end());
    table.ReorderRows(kept);
    table.RemoveRows(keptCount + 1, int(gone.size()));
    SaveScratchTable(table, TableFilePath(ctx, link.table), ctx.writer);
  }
}

bool UpdateLinks(TableContext& ctx) {
  bool shownChanged = false;
  const int shown = ctx.window.Tabs1.Selected();
  if (shown < 1) return false;
  for (const TableLink& link : ctx.tables.catalogue.TableLinks) {
    if (!LoadLinkTables(ctx, link, true)) continue;
    TableData& table = ctx.tables.fgTable;
    const TableData& source = ctx.tables.fgSource;
    // The source rows of each key, from the last up to the first, so that the uppermost one
    // is applied last.
    QHash<QByteArray, std::vector<int>> rowsOfKey;
    for (int q = source.RowCount(); q >= 1; --q) {
      rowsOfKey[source.CellBytes(q, link.keyColumn).toByteArray()].push_back(q);
    }
    bool changed = false;
    for (int r = table.RowCount(); r >= 1; --r) {
      const QByteArrayView value = table.CellBytes(r, link.column);
      if (value.isEmpty()) continue;
      const auto match = rowsOfKey.constFind(value.toByteArray());
      if (match == rowsOfKey.cend()) continue;
      for (int q : *match) {
        for (const auto& [m, j] : link.pairs) {
          if (j > source.ColumnCount()) continue;  // a Var the source does not have
          if (table.CellBytes(r, m) != source.CellBytes(q, j)) {
            table.SetCellBytes(r, m, source.CellBytes(q, j));
            changed = true;
          }
        }
      }
    }
    if (!changed) continue;
    const QString path = TableFilePath(ctx, link.table);
    const QDateTime noted = QFileInfo(path).lastModified();
    SaveScratchTable(table, path, ctx.writer);
    if (link.table == shown) {
      // The grid reads the file again: wait until it is on disk, at most a second.
      const QDeadlineTimer deadline(1000);
      while (QFileInfo(path).lastModified() < noted && !deadline.hasExpired()) ctx.hooks.Pause(0.01f);
      shownChanged = true;
    }
  }
  return shownChanged;
}

}  // namespace trellis
