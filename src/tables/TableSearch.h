#pragma once

#include <QString>

#include <optional>

namespace trellis {

class Grid;
struct TableContext;

// What find and replace look for in the shown table.
struct SearchRequest {
  QString text;
  bool matchCase = false;
  bool wholeCell = false;  // the cell's whole text, not a part of it
};

struct CellPlace {
  int row = 0, column = 0;
  bool operator==(const CellPlace&) const = default;
};

// True when a cell's text (as the grid shows it, without an image list's spaces) holds what
// is looked for.
bool CellMatches(const QString& shownText, const SearchRequest& request);

// The first matching cell after the given one, row by row and left to right, going on from the
// top after the last cell; the given cell itself comes last. Nothing when no cell matches.
std::optional<CellPlace> FindNextCell(const Grid& grid, const SearchRequest& request, CellPlace after);

// Replaces what is looked for in the current cell when it matches and the column takes text:
// the whole text, or each occurrence. True when the cell changed (one step to undo).
bool ReplaceInCurrentCell(TableContext& ctx, const SearchRequest& request, const QString& replacement);

// Replaces in every matching cell whose column takes text, as one step to undo; the count of
// cells changed.
int ReplaceAll(TableContext& ctx, const SearchRequest& request, const QString& replacement);

}  // namespace trellis
