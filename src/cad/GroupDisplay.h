#pragma once

#include <QString>

namespace trellis {

class CadConnection;
struct CadTableContext;
struct TableContext;

// "Arrow" and "Show" are usable only on one selected row of a CAD-bound table; "Arrow" also
// not while "Show" is pressed, nor when the table's key Arrow is "-".
void UpdateGroupButtons(TableContext& ctx);

// The command "Show": pressed, the current row's group is marked in the drawing (after every
// other mark is taken away); released, every mark is taken away.
void ShowSelect(CadTableContext& ctx, bool pressed);
// Follows the current row while "Show" is pressed.
void RefreshShowSelect(CadTableContext& ctx);
void HighlightRowGroup(CadTableContext& ctx);
// Takes the marks off every group, silently when no host can be reached.
void ResetGroupHighlight(CadTableContext& ctx);
bool GroupExists(const CadConnection& cad, const QString& name);

// The host system variables a table asks for while it is current (its key Setvar, items
// "NAME:value" separated by "|"): applied on entering such a table, the host's previous values
// restored on entering a table without them.
class TableSetvar {
 public:
  void Apply(CadTableContext& ctx);
  const QString& Saved() const { return saved_; }

 private:
  // The values the host had before the last list was applied; never cleared.
  QString saved_;
};

}  // namespace trellis
