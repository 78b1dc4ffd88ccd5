#pragma once

namespace trellis {

struct TableContext;

// After rows were deleted from the current table (whose file was just written): rows of the
// other tables whose link value no longer exists in the source are removed; rows with an empty
// link value stay, and no table drops below one row.
void DeleteNoLink(TableContext& ctx);

// Brings the paired columns of linking rows up to date from their source rows (the uppermost
// matching source row wins). True when the file of the shown table was changed.
bool UpdateLinks(TableContext& ctx);

}  // namespace trellis
