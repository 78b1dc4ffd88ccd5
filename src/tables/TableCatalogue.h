#pragma once

#include <QString>

#include <utility>
#include <vector>

namespace trellis {

class IniFiles;

// A column that refers to rows of another table by identifier, with the columns that follow
// it from the source row.
struct TableLink {
  int table = 0;         // index of the linking table in TableKeys
  int sourceTable = 0;   // index of the Source table in TableKeys; 0 when it is not shown
  int column = 0;        // the linking column
  int keyColumn = 0;     // the source column with the same Var (source column count + 1: none)
  int index = 0;         // the column's Index when numeric, else 0
  std::vector<std::pair<int, int>> pairs;  // (column here, column in the source table)
};

// The tables shown as tabs for the chosen group, indices 1..T (index 0 holds nothing).
struct TableCatalogue {
  std::vector<QString> TableKeys{QString()};
  std::vector<int> ColumnCounts{0};
  std::vector<TableLink> TableLinks;

  int Count() const { return int(TableKeys.size()) - 1; }
  void Clear() {
    TableKeys.assign(1, QString());
    ColumnCounts.assign(1, 0);
    TableLinks.clear();
  }
  // 1..T by exact comparison, 0 when absent.
  int TableIndexByKey(const QString& key) const;
};

// The link records of the table at Index, read from its description file.
void AddTableLinks(IniFiles& ini, const QString& installationFolder, TableCatalogue& catalogue,
                   int tableIndex);

}  // namespace trellis
