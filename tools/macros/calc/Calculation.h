#pragma once

#include "macros/ProjectTables.h"
#include "macros/calc/CalcModel.h"
#include "macros/calc/CaseResults.h"
#include "macros/calc/CcxDeck.h"
#include "macros/calc/CcxResults.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace trellis::macros::calc {

// The solver's program: TRELLIS_CCX when set (another build of CalculiX), else "ccx".
QString SolverProgram();

struct CalculationInput {
  QString workingFolder;
  QString baseName;
  CalcOptions options;
  // The object count of every drawing group, when a drawing is at hand to check against.
  std::optional<QHash<QString, int>> objectsInGroups;
  QString solver = SolverProgram();
};

struct CalculationWatch {
  std::function<void(const QString&)> status;
  std::function<bool()> stopRequested;
};

struct CalculationOutcome {
  enum class End { Done, Refused, Failed, Stopped };
  End end = End::Failed;
  QString message;          // what the user is told when it is not done
  QStringList solverWords;  // the solver's own words about a failure, for the report
  std::vector<SchemeProblem> problems;  // why it was refused, each at its cell
  Model model;
  DeckLayout layout;
  std::vector<StepResults> steps;    // the solver's results by load case
  std::vector<CaseResults> results;  // load cases, then combinations
};

// The whole calculation: the check of the tables, the input deck in the working folder's
// "calculix" folder, CalculiX, and the result tables. The settings file's Calc/AfterCalc reads
// "0" during the run and "1" only once the result tables are whole, and then <base>.htm holds
// the summary of the results.
CalculationOutcome Calculate(ProjectTables& tables, const CalculationInput& input,
                             const CalculationWatch& watch);

}  // namespace trellis::macros::calc
