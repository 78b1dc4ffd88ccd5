#pragma once

#include "tables/EditHistory.h"

#include <QString>

#include <vector>

namespace trellis {

class Toolbar;
struct TableContext;

// Names of the steps, shown in the undo and redo tooltips.
namespace step_names {
inline const QString kTyping = QStringLiteral("ввод");
inline const QString kPaste = QStringLiteral("вставка");
inline const QString kClear = QStringLiteral("очистка");
inline const QString kCut = QStringLiteral("вырезание");
inline const QString kAddRow = QStringLiteral("добавление строки");
inline const QString kDeleteRows = QStringLiteral("удаление строк");
inline const QString kSort = QStringLiteral("сортировка");
inline const QString kReplace = QStringLiteral("замена");
inline const QString kMark = QStringLiteral("отметка");
inline const QString kListChoice = QStringLiteral("выбор из списка");
}  // namespace step_names

// Records what a command did to the shown table, and through links to other tables, as one
// step of the project's history. Nothing is recorded for a command that changed nothing.
void RecordEdit(TableContext& ctx, const QString& name, std::vector<TableEditOp> shownOps,
                std::vector<TableEditList> linked = {});
// Reads the block's cells as they are now and records it unless they did not change.
void RecordCellBlock(TableContext& ctx, const QString& name, CellBlockEdit block);

// Takes back the last step (or does again the last step taken back) in every table it
// touched: the shown one in the grid, the others in their working files. The status bar
// tells what was done. False when there was nothing to do.
bool UndoEdit(TableContext& ctx);
bool RedoEdit(TableContext& ctx);

// The main toolbar's undo and redo buttons follow the history: enabled when there is a step,
// with the step's name in the tooltip.
void ShowHistoryOnToolbar(Toolbar& toolbar, const EditHistory& history);

}  // namespace trellis
