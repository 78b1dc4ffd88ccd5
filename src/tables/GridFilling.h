#pragma once

#include <QString>

namespace trellis {

class Grid;
struct TableContext;

// Builds Grid for the table Key: columns from its description file, cells from its working
// file, decoration and widths. The main grid gets styled headers and the help page; the
// popup's grid gets its whole first row selected.
void FillGrid(TableContext& ctx, Grid& grid, const QString& key, bool popup);

// Fills the grid's store from a table file and decorates it; PictureFolder is the table key
// cell pictures are looked up under.
void LoadTable(TableContext& ctx, Grid& grid, const QString& path, const QString& pictureFolder,
               bool popup);

// Identifier fix-up of a one-row table, then the column widths.
void DecorateColumns(Grid& grid);

// Explicit widths, automatic ones from the header text, all scaled down to fit the grid.
void ApplyColumnWidths(Grid& grid);

// Shows the pictures of the current row's image-list cells again after an editor changed one.
void fg1SelectedBmp(Grid& grid);

// Writes the main grid's table unless the file already holds it. True when it wrote (a failed
// write has been told as "PrintToFile" and counts in the writer's failures).
bool SaveTable(TableContext& ctx, const QString& path);
// SaveTable into the current table's working file; nothing while no table is current. False
// only when the file could not be written: it then keeps its previous content, and the
// writer's LastFailure says why.
bool SaveCurrentTable(TableContext& ctx);

}  // namespace trellis
