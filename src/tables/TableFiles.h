#pragma once

#include <QByteArray>
#include <QString>

namespace trellis {

class TableData;
class TextFileWriter;

// Reads a table file into the store by the file rules: the row count comes from the line
// ends, LF is dropped, pairs of CR become one, lines fill rows and TAB-separated cells fill
// columns; what lies beyond the store's rows or columns is ignored. A missing, empty or
// line-end-free file gives one empty row. The store keeps its column count.
void ReadTableText(TableData& data, const QString& path);

// The file text of a store: rows joined by CR LF, cells by TAB, without the closing CR LF.
QByteArray TableFileText(const TableData& data);

// Writes the store unless the file already holds exactly its text. True when it wrote.
bool SaveTableData(const TableData& data, const QString& path, TextFileWriter& writer);

// The scratch stores of link maintenance: read with the given number of grid columns (the
// table's column count + 1), written even when nothing changed.
void LoadScratchTable(TableData& data, const QString& path, int columns);
void SaveScratchTable(const TableData& data, const QString& path, TextFileWriter& writer);

}  // namespace trellis
