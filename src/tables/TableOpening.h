#pragma once

#include <QString>

namespace trellis {

struct TableContext;

// A click on a table tab: opens the selected tab's table unless it is already open.
void OnTabClick(TableContext& ctx);

// Opens the table named by the current table key: the table shown until now is written back
// to its working file, then the new one is read and shown.
void OpenCurrentTable(TableContext& ctx);

// Writes the table shown until now to its working file, when it belongs to the current
// project and is not read-only, and records the file of the table about to be loaded.
void LeaveLoadedTable(TableContext& ctx, const QString& nextTableFile);

}  // namespace trellis
