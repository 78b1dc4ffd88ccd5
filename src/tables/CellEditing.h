#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace trellis {

class Grid;
struct TableContext;
enum class EditorKind : int;

// What a request to edit the current cell leads to.
enum class CellEditAction {
  None,           // more than one cell selected, a kind without an editor, or not editable
  RunClick,       // a read-only table runs the column's Click action instead
  TextBox,        // Text1
  EditableCombo,  // cmb1
  DropDownList,   // cmbL1
  ImageCombo,     // cmbi1
  ValueListPopup, // frmList
};

// Exactly one cell is selected, and it is not a whole row (current column 1 with the selection
// ending at the last column): the cells an editor opens on and a click toggles.
bool IsSingleCellSelected(const Grid& grid);

// The editor that OpenCellEditor(Kind) opens on the current cell.
CellEditAction ChooseCellEditor(TableContext& ctx, int kind);

// A single click on a check or option cell of the current table: toggles it, and choosing an
// option clears the other options of its group of adjacent option columns. False when the
// click changed nothing (not such a cell, not a single cell, a read-only table).
bool ToggleMarkCell(TableContext& ctx);

// The items of the image combo for the current cell: List items with their pictures (from
// bmp/<name>.bmp, else bmp/<table key>/<name>.bmp), the item to select (-1 for none), and
// whether the editor's text must be emptied.
struct ImageComboItem {
  QString text;
  QString picture;
};
struct ImageComboContent {
  std::vector<ImageComboItem> items;
  int selected = -1;
  bool clearText = false;
};
ImageComboContent BuildImageCombo(TableContext& ctx);

// Writes an editor's text into the grid's current cell (the image combo adds its six spaces);
// the project then has unsaved changes.
void WriteEditorText(TableContext& ctx, CellEditAction editor, const QString& text);

// Enter in an editor: write, then one row down unless on the last row.
void EditorEnter(TableContext& ctx, CellEditAction editor, const QString& text);
// Tab in an editor: a non-empty text is written (true: the editor closes); in any case the
// current column moves right unless it is the last one.
bool EditorTab(TableContext& ctx, CellEditAction editor, const QString& text);

// Decimal numbers are typed with a comma: a full stop typed into an editor becomes one.
inline QChar TypedCharacter(QChar typed) { return typed == u'.' ? QChar(u',') : typed; }

}  // namespace trellis
