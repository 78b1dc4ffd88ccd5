#pragma once

#include <QString>

namespace trellis {

class SettingsStore;
class Toolbar;
struct MacroContext;
struct TableContext;

// The toolbars built from configuration: the left toolbar's macro and layer buttons after the
// group buttons (ToolLeft.ini, sections B1 to B20) and the current table's own toolbar (sections
// B1, B2, … of its column description file). Their buttons run action strings; the left
// toolbar's check buttons are layer switches that stay in force.

// Appends the buttons of ToolLeft.ini after the group buttons.
void BuildMacroButtons(TableContext& ctx);
// Fills the table toolbar for the table TableKey, with captions when the user asked for them.
void BuildTableToolbar(TableContext& ctx, SettingsStore& settings, const QString& tableKey);
// Captions under the table toolbar's buttons (only while it has five buttons at most), or none.
void ShowTableToolbarCaptions(Toolbar& toolbar, bool show);

// A click on a left toolbar button after the group buttons: its action, then every layer
// switch applied again.
void LeftToolbarClick(MacroContext& ctx, int position);
// A click on the table toolbar's button at Position.
void TableToolbarClick(MacroContext& ctx, SettingsStore& settings, int position);
// The left toolbar's layer switches applied again as pressed (SwitchOn), or all released.
void ReapplyLayerButtons(MacroContext& ctx, bool switchOn);

}  // namespace trellis
