#include "tables/TableCatalogue.h"

#include "app/IniFiles.h"
#include "app/LocaleNumbers.h"
#include "tables/ColumnSpec.h"
#include "tables/InstallationFiles.h"

namespace trellis {
namespace {

QString Section(int k) { return QStringLiteral("F%1").arg(k); }

// The first column of the source description whose Var equals Var, or one past its last.
int SourceColumnWithVar(IniFiles& ini, const QString& sourceFile, int sourceColumns,
                        const QString& var) {
  for (int j = 1; j <= sourceColumns; ++j) {
    if (ini.ReadIni(Section(j), u"Var", sourceFile) == var) return j;
  }
  return sourceColumns + 1;
}

}  // namespace

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
    const QString source = ini.ReadIni(Section(c), u"Source", file);
    if (source.isEmpty()) continue;
    const QString var = ini.ReadIni(Section(c), u"Var", file);
    if (var.isEmpty()) continue;
    if (ini.ReadIni(Section(c), u"Type", file) != QLatin1String("i")) continue;

    const QString index = ini.ReadIni(Section(c), u"Index", file);
    const QString sourceFile = DescriptionFilePath(installationFolder, source);
    const int sourceColumns = ColumnCount(ini, sourceFile);

    TableLink link;
    link.table = tableIndex;
    link.sourceTable = catalogue.TableIndexByKey(source);
    link.column = c;
    link.index = ParseLocaleWholeNumber(index).value_or(0);
    link.keyColumn = SourceColumnWithVar(ini, sourceFile, sourceColumns, var);
    for (int m = 1; m <= columns; ++m) {
      const QString mVar = ini.ReadIni(Section(m), u"Var", file);
      if (mVar.isEmpty() || ini.ReadIni(Section(m), u"Source", file) != source ||
          ini.ReadIni(Section(m), u"Index", file) != index) {
        continue;
      }
      link.pairs.emplace_back(m, SourceColumnWithVar(ini, sourceFile, sourceColumns, mVar));
    }
    catalogue.TableLinks.push_back(std::move(link));
  }
}

}  // namespace trellis
