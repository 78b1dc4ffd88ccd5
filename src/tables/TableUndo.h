#pragma once

#include "tables/EditHistory.h"

#include <QString>

#include <vector>

namespace trellis {

class Toolbar;
struct TableContext;

// Names of the steps, shown in the undo and redo tooltips and the status bar; a step keeps its
// name in the program's language, translated when it is recorded.
namespace step_names {
inline constexpr const char* kTyping = QT_TRANSLATE_NOOP("TableUndo", "ввод");
inline constexpr const char* kPaste = QT_TRANSLATE_NOOP("TableUndo", "вставка");
inline constexpr const char* kClear = QT_TRANSLATE_NOOP("TableUndo", "очистка");
inline constexpr const char* kCut = QT_TRANSLATE_NOOP("TableUndo", "вырезание");
inline constexpr const char* kAddRow = QT_TRANSLATE_NOOP("TableUndo", "добавление строки");
inline constexpr const char* kDeleteRows = QT_TRANSLATE_NOOP("TableUndo", "удаление строк");
inline constexpr const char* kSort = QT_TRANSLATE_NOOP("TableUndo", "сортировка");
inline constexpr const char* kReplace = QT_TRANSLATE_NOOP("TableUndo", "замена");
inline constexpr const char* kMark = QT_TRANSLATE_NOOP("TableUndo", "отметка");
inline constexpr const char* kListChoice = QT_TRANSLATE_NOOP("TableUndo", "выбор из списка");
}  // namespace step_names

// Records what a command did to the shown table, and through links to other tables, as one
// step of the project's history. Nothing is recorded for a command that changed nothing.
void RecordEdit(TableContext& ctx, const char* name, std::vector<TableEditOp> shownOps,
                std::vector<TableEditList> linked = {});
// Reads the block's cells as they are now and records it unless they did not change.
void RecordCellBlock(TableContext& ctx, const char* name, CellBlockEdit block);

// Takes back the last step (or does again the last step taken back) in every table it
// touched: the shown one in the grid, the others in their working files. The status bar
// tells what was done. False when there was nothing to do.
bool UndoEdit(TableContext& ctx);
bool RedoEdit(TableContext& ctx);

// The main toolbar's undo and redo buttons follow the history: enabled when there is a step,
// with the step's name in the tooltip.
void ShowHistoryOnToolbar(Toolbar& toolbar, const EditHistory& history);

}  // namespace trellis
