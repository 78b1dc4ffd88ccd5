#pragma once

#include "tables/EditHistory.h"
#include "tables/TableData.h"

#include <QString>

#include <map>
#include <vector>

namespace trellis {

struct TableContext;

// The rows of other tables that lose their source row, as a delete would leave them: each
// table (by catalogue index) with its rows as they would become and the edits that take them
// there, in the order they happen.
struct UnlinkedRows {
  struct Table {
    QString path;
    TableData data;
    bool whole = true;  // read whole; a table that was not is left alone
  };
  std::map<int, Table> tables;
  std::vector<std::pair<int, RowSetEdit>> removals;  // (table index, rows it loses)
};

// Finds the rows that would go: the shown table as Shown holds it (its file when null); rows
// with an empty link value stay, and no table drops below one row.
UnlinkedRows FindUnlinkedRows(TableContext& ctx, const TableData* shown);

// After rows were deleted from the current table (whose file was just written): rows of the
// other tables whose link value no longer exists in the source are removed and their files
// written. Returns what was removed, for taking it back.
std::vector<TableEditList> DeleteNoLink(TableContext& ctx);

// Brings the paired columns of linking rows up to date from their source rows (the uppermost
// matching source row wins). True when the file of the shown table was changed.
bool UpdateLinks(TableContext& ctx);

}  // namespace trellis
