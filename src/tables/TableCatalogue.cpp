#include "tables/TableCatalogue.h"

#include "app/IniFiles.h"
#include "app/LocaleNumbers.h"
#include "tables/ColumnSpec.h"
#include "tables/InstallationFiles.h"

namespace trellis {

int TableCatalogue::TableIndexByKey(const QString& key) const {
  for (int i = 1; i <= Count(); ++i) {
    if (TableKeys[size_t(i)] == key) return i;
  }
  return 0;
}

void AddTableLinks(IniFiles& ini, const QString& installationFolder, TableCatalogue& catalogue,
                   int tableIndex) {
  const QString file = DescriptionFilePath(installationFolder, catalogue.TableKeys[size_t(tableIndex)]);
  const int columns = catalogue.ColumnCounts[size_t(tableIndex)];
  for (int c = 1; c <= columns; ++c) {
    const QString source = ini.ReadIni(ColumnSection(c), u"Source", file);
    if (source.isEmpty()) continue;
    const QString var = ini.ReadIni(ColumnSection(c), u"Var", file);
    if (var.isEmpty()) continue;
    if (ini.ReadIni(ColumnSection(c), u"Type", file) != QLatin1String("i")) continue;

    const QString index = ini.ReadIni(ColumnSection(c), u"Index", file);
    const QString sourceFile = DescriptionFilePath(installationFolder, source);
    const int sourceColumns = ColumnCount(ini, sourceFile);

    TableLink link;
    link.table = tableIndex;
    link.sourceTable = catalogue.TableIndexByKey(source);
    link.column = c;
    link.index = ParseLocaleWholeNumber(index).value_or(0);
    link.keyColumn = ColumnWithVar(ini, sourceFile, sourceColumns, var);
    for (int m = 1; m <= columns; ++m) {
      const QString mVar = ini.ReadIni(ColumnSection(m), u"Var", file);
      if (mVar.isEmpty() || ini.ReadIni(ColumnSection(m), u"Source", file) != source ||
          ini.ReadIni(ColumnSection(m), u"Index", file) != index) {
        continue;
      }
      link.pairs.emplace_back(m, ColumnWithVar(ini, sourceFile, sourceColumns, mVar));
    }
    catalogue.TableLinks.push_back(std::move(link));
  }
}

}  // namespace trellis
