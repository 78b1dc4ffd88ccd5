#include "macros/calc/CalculateCommand.h"

#include "app/IniFiles.h"
#include "macros/calc/CalcOptions.h"
#include "macros/calc/Calculation.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace trellis::macros::calc {

int CalculateFromCommandLine(const QStringList& args, const QString& programFolder,
                             QTextStream& errors) {
  const qsizetype at = args.indexOf(QStringLiteral("--calculate"));
  const QString project = args.value(at + 1);
  const QFileInfo file(project);
  if (project.isEmpty() || project.startsWith(QLatin1String("--"))) {
    errors << "trellis --calculate: name the project's .d01 file\n";
    return 2;
  }
  if (!file.isFile()) {
    errors << "trellis --calculate: no project file " << project << '\n';
    return 2;
  }
  CalculationInput input;
  input.workingFolder = file.absolutePath();
  input.baseName = file.completeBaseName();
  IniFiles ini;
  const QString settingsFile =
      input.workingFolder + QLatin1Char('/') + input.baseName + QStringLiteral(".ini");
  input.options = ReadCalcOptions(
      [&](const QString& key) { return ini.ReadIni(u"Calc", key, settingsFile); });
  ProjectTables tables(programFolder, input.workingFolder, input.baseName);
  const CalculationOutcome outcome = Calculate(tables, input, {});
  if (outcome.end == CalculationOutcome::End::Done) return 0;
  errors << outcome.message << '\n';
  for (const SchemeProblem& problem : outcome.problems) {
    errors << "  " << tables.NameOf(problem.tableKey);
    if (problem.row > 0) {
      errors << QCoreApplication::translate("CalculateCommand", ", строка %1").arg(problem.row);
    }
    if (problem.column > 0) {
      errors << QCoreApplication::translate("CalculateCommand", ", колонка %1").arg(problem.column);
    }
    errors << ": " << problem.message << '\n';
  }
  for (const QString& line : outcome.solverWords) errors << "  " << line << '\n';
  return 1;
}

}  // namespace trellis::macros::calc
