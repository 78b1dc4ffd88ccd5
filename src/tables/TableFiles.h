#pragma once

#include <QByteArray>
#include <QString>

namespace trellis {

class TableData;
class TextFileWriter;

// At most 2^24 cells (128 MiB of cell references): 838,860 rows of 20 columns, eight times the
// biggest tables the program is measured with, yet a file of nothing but line ends can no longer
// make the store ask for gigabytes.
inline constexpr qsizetype kMaxTableCells = qsizetype(1) << 24;

// Reads a table file into the store: one row per line (CR LF, LF or a lone CR ends a line, and
// a last line without a line end is a row too), TAB-separated cells fill the columns; what lies
// beyond the store's columns is ignored. A missing or empty file gives one empty row. The store
// keeps its column count.
// A file the store cannot hold whole (too many rows, too big, or too little memory) is not
// loaded: the store gets one empty row, is marked partial so that it is never saved over the
// file, and the result tells the user why. "" when the file was read whole.
QString ReadTableText(TableData& data, const QString& path);

// The file text of a store: rows joined by CR LF, cells by TAB, without the closing CR LF.
QByteArray TableFileText(const TableData& data);

// Writes the store unless the file already holds exactly its text, or the store is partial.
// True when it wrote.
bool SaveTableData(const TableData& data, const QString& path, TextFileWriter& writer);

// The scratch stores of link maintenance: read as ReadTableText reads, with the given number of
// grid columns (the table's column count + 1); the result is what to tell the user when the file
// was not loaded. Written even when nothing changed, but never when partial.
QString LoadScratchTable(TableData& data, const QString& path, int columns);
void SaveScratchTable(const TableData& data, const QString& path, TextFileWriter& writer);

}  // namespace trellis
