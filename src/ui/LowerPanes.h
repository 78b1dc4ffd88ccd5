#pragma once

#include <QString>

#include <functional>

namespace trellis {

struct TableContext;

// The help page of a table: Help/<Help of its section>.htm in the installation, or "" when
// the table has none or the file is missing.
QString HelpPageOf(TableContext& ctx, const QString& section);

// One line of the error list, as its cells hold them: the table's tab number, row, column.
struct ErrorEntry {
  QString tabNumber;
  QString row;
  QString column;
};

// Goes to the table and cell an error line names: the first group, the tab, then the cell,
// which Flash marks for a moment. Row or column below 1 switch the table only.
void GoToError(TableContext& ctx, const ErrorEntry& entry, const std::function<void(int, int)>& flash);

}  // namespace trellis
