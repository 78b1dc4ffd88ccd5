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

#include <set>

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

UnlinkedRows FindUnlinkedRows(TableContext& ctx, const TableData* shown) {
  UnlinkedRows found;
  const int shownIndex = ctx.window.Tabs1.Selected();
  if (shownIndex < 1) return found;
  const TableCatalogue& catalogue = ctx.tables.catalogue;
  // Each table is read once; later links see what earlier ones removed.
  const auto table = [&](int index) -> UnlinkedRows::Table& {
    auto [it, added] = found.tables.try_emplace(index);
    if (!added) return it->second;
    UnlinkedRows::Table& t = it->second;
    t.path = TableFilePath(ctx, index);
    if (index == shownIndex && shown) {
      t.data = *shown;
      return t;
    }
    const QString problem = LoadScratchTable(t.data, t.path, catalogue.ColumnCounts[size_t(index)] + 1);
    t.whole = problem.isEmpty();
    // A file in several links is told once, not once per link and pass.
    if (!t.whole && !ctx.window.Report1.Lines().contains(problem)) ctx.window.Report1.Append(problem);
    return t;
  };
  const std::vector<TableLink>& links = catalogue.TableLinks;
  for (auto it = links.rbegin(); it != links.rend(); ++it) {
    const TableLink& link = *it;
    if (link.table == shownIndex || link.sourceTable < 1) continue;
    // A link whose key column the source does not have could only delete rows by mistake.
    if (link.keyColumn > catalogue.ColumnCounts[size_t(link.sourceTable)]) continue;
    if (!FileExists(TableFilePath(ctx, link.table))) continue;
    const UnlinkedRows::Table& source = table(link.sourceTable);
    UnlinkedRows::Table& linking = table(link.table);
    if (!source.whole || !linking.whole) continue;
    QSet<QByteArray> keys;
    for (int q = 1; q <= source.data.RowCount(); ++q) keys.insert(source.data.CellBytes(q, link.keyColumn).toByteArray());
    std::vector<int> gone;
    for (int r = 1; r <= linking.data.RowCount(); ++r) {
      const QByteArrayView value = linking.data.CellBytes(r, link.column);
      if (!value.isEmpty() && !keys.contains(value.toByteArray())) gone.push_back(r);
    }
    // Removing from the last row up stops short of the first when every row would go.
    if (gone.size() == size_t(linking.data.RowCount())) gone.erase(gone.begin());
    if (gone.empty()) continue;
    found.removals.emplace_back(link.table, RemoveRowSet(linking.data, std::move(gone)));
  }
  return found;
}

std::vector<TableEditList> DeleteNoLink(TableContext& ctx) {
  UnlinkedRows found = FindUnlinkedRows(ctx, nullptr);
  std::vector<TableEditList> edits;
  std::set<int> changed;
  for (auto& [index, removal] : found.removals) {
    edits.push_back(TableEditList{ExtensionOf(found.tables[index].path),
                                  ctx.tables.catalogue.ColumnCounts[size_t(index)], {}});
    edits.back().ops.emplace_back(std::move(removal));
    changed.insert(index);
  }
  for (const int index : changed) {
    const UnlinkedRows::Table& table = found.tables[index];
    SaveScratchTable(table.data, table.path, ctx.writer);
  }
  return edits;
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
