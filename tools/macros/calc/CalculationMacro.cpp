#include "macros/calc/CalculationMacro.h"

#include "app/AppIdentity.h"
#include "app/SettingsStore.h"
#include "automation/AutomationError.h"
#include "macros/CellValues.h"
#include "macros/MainWindowCalls.h"
#include "macros/calc/CalcOptions.h"
#include "macros/calc/Calculation.h"
#include "macros/calc/ResultsLayer.h"
#include "macros/check/SchemeCheck.h"
#include "macros/layers/LayersInDrawing.h"
#include "macros/scheme/BuiltScheme.h"
#include "macros/scheme/DrawingGroups.h"
#include "macros/settings/ProjectSettingsFile.h"

namespace trellis::macros::calc {

namespace {

using End = CalculationOutcome::End;

ResultsView ViewFrom(SettingsStore& settings) {
  ResultsView view;
  const auto diagram = CellWholeNumber(settings.GetSetting(ProgramTitle(), u"Show", u"Operation"));
  if (diagram && *diagram >= 0 && *diagram <= 3) view.diagram = ResultsView::Diagram(*diagram);
  const auto scale = CellNumber(settings.GetSetting(ProgramTitle(), u"Show", u"GrafScale"));
  if (scale && *scale > 0) view.scale = *scale;
  return view;
}

void DrawResults(Dispatch& document, ProjectTables& tables, const CalculationOutcome& outcome,
                 const ResultsView& view) {
  const Model& model = outcome.model;
  if (model.cases.empty()) return;
  DrawOnLayer(document, kResultsLayer,
              ResultsDrawing(model, outcome.layout, model.cases.front(), outcome.steps.front(),
                             PlaneOf(ReadBuiltScheme(tables)), view));
}

}  // namespace

const MemberTable<CalculationMacro>& CalculationMacro::Members() {
  static const MemberTable<CalculationMacro> table = [] {
    MemberTable<CalculationMacro> t;
    AddStopProperty(t);
    AddMacroMethod(t, QStringLiteral("Run"), &CalculationMacro::Run);
    return t;
  }();
  return table;
}

void CalculationMacro::Run(const MacroCall& call) {
  MainWindowCalls window(call.mainWindow);
  window.ClearErrors();
  ProjectTables tables(call.programFolder, call.workingFolder, call.baseName);
  SettingsStore settings(SettingsStore::DefaultFolder());
  IniFiles ini;
  const QString settingsFile = ProjectSettingsFile(call);
  CalculationInput input;
  input.workingFolder = call.workingFolder;
  input.baseName = call.baseName;
  // The open project's options are in the user's settings; Gf lives in the project's file only.
  input.options = ReadCalcOptions([&](const QString& key) {
    return key == QLatin1String("Gf") ? ini.ReadIni(u"Calc", key, settingsFile)
                                      : settings.GetSetting(ProgramTitle(), u"Calc", key);
  });
  if (call.cadDocument) {
    try {
      input.objectsInGroups = CountGroupObjects(*call.cadDocument, CheckedDrawingGroups(tables));
    } catch (const AutomationError& error) {
      window.Message(QStringLiteral("Расчет не выполнен: чертеж не прочитан (%1).").arg(error.Reason()));
      return;
    }
  }
  CalculationWatch watch;
  watch.status = [&window](const QString& text) { window.Status(text); };
  watch.stopRequested = [this] { return StopRequested(); };
  const CalculationOutcome outcome = Calculate(tables, input, watch);

  switch (outcome.end) {
    case End::Done: {
      window.TablesChanged();
      QString drawn;
      if (call.cadDocument) {
        try {
          DrawResults(*call.cadDocument, tables, outcome, ViewFrom(settings));
          drawn = QStringLiteral("; на слое %1 — загружение %2")
                      .arg(kResultsLayer, outcome.model.cases.front().number);
        } catch (const AutomationError& error) {
          window.Report(QStringLiteral("Результаты не нарисованы на чертеже: %1").arg(error.Reason()));
        }
      }
      window.Status(QStringLiteral("Расчет выполнен: загружений %1, сочетаний %2%3")
                        .arg(outcome.model.cases.size())
                        .arg(outcome.model.combinations.size())
                        .arg(drawn));
      return;
    }
    case End::Refused:
      for (const SchemeProblem& problem : outcome.problems) {
        window.AddError(problem.message, problem.tableKey, problem.row, problem.column);
      }
      window.ShowErrors();
      break;
    case End::Failed:
    case End::Stopped:
      for (const QString& line : outcome.solverWords) window.Report(line);
      break;
  }
  window.Status(outcome.message);
  window.Message(outcome.message);
}

}  // namespace trellis::macros::calc
