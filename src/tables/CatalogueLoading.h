#pragma once

#include <QString>

namespace trellis {

struct TableContext;

// Builds the tabs and the catalogue of the group whose button is pressed, then opens the
// first table.
void LoadCatalogue(TableContext& ctx);

// Puts the table group buttons at the start of the left toolbar and presses the first.
void BuildGroupButtons(TableContext& ctx);

// A click on the group button at Position of the left toolbar.
void OnGroupButtonClick(TableContext& ctx, int position);

// <working folder>/<project base name>.<Ext> of the table at Index; "" beyond the catalogue.
QString TableFilePath(TableContext& ctx, int index);

// A file of the working folder.
QString WorkingFilePath(TableContext& ctx, const QString& fileName);

// The file name (base name, full stop, Ext) of a table key.
QString TableFileName(TableContext& ctx, const QString& tableKey);

// True when the current table's Edit is "-".
bool IsTableReadOnly(TableContext& ctx);
bool IsTableReadOnly(TableContext& ctx, const QString& tableKey);

}  // namespace trellis
