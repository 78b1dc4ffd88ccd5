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

#include <QCoreApplication>

namespace trellis::macros::calc {

namespace {

using End = CalculationOutcome::End;

ResultsView ViewFrom(SettingsStore& settings) {
  ResultsView view;
  auto setting = [&settings](const char16_t* key) {
    return settings.GetSetting(ProgramTitle(), u"Show", QStringView(key));
  };
  const auto diagram = CellWholeNumber(setting(u"Operation"));
  if (diagram && *diagram >= 0 && *diagram <= 3) view.diagram = ResultsView::Diagram(*diagram);
  const auto scale = CellNumber(setting(u"GrafScale"));
  if (scale && *scale > 0) view.scale = *scale;
  const auto height = CellNumber(setting(u"TextScale3"));
  if (height && *height > 0) view.textHeight = *height;
  view.values = setting(u"WithElSize2") != QLatin1String("0");
  return view;
}

// The load case the settings file names for the drawing (Show/ResultCase), else the first.
size_t ShownCase(const Model& model, const QString& chosen) {
  for (size_t i = 0; i < model.cases.size(); ++i) {
    if (model.cases[i].number == chosen.trimmed()) return i;
  }
  return 0;
}

// Draws the chosen load case; returns its number.
QString DrawSolved(Dispatch& document, ProjectTables& tables, const CalculationOutcome& outcome,
                   const ResultsView& view, const QString& chosen) {
  const Model& model = outcome.model;
  const size_t shown = ShownCase(model, chosen);
  DrawOnLayer(document, kResultsLayer,
              ResultsDrawing(PicturesOfStep(model, outcome.layout, model.cases[shown],
                                            outcome.steps[shown]),
                             model.spatial, PlaneOf(ReadBuiltScheme(tables)), view));
  return model.cases[shown].number;
}

}  // namespace

const MemberTable<CalculationMacro>& CalculationMacro::Members() {
  static const MemberTable<CalculationMacro> table = [] {
    MemberTable<CalculationMacro> t;
    AddStopProperty(t);
    AddMacroMethod(t, QStringLiteral("Run"), &CalculationMacro::Run);
    AddMacroMethod(t, QStringLiteral("DrawResults"), &CalculationMacro::DrawResults);
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
      window.Message(QCoreApplication::translate("CalculationMacro",
                                                 "Расчет не выполнен: чертеж не прочитан (%1).")
                         .arg(error.Reason()));
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
          const QString shown = DrawSolved(*call.cadDocument, tables, outcome, ViewFrom(settings),
                                            ini.ReadIni(u"Show", u"ResultCase", settingsFile));
          drawn = QCoreApplication::translate("CalculationMacro", "; загружение %1 — на слое %2")
                      .arg(shown, kResultsLayer);
        } catch (const AutomationError& error) {
          window.Report(QCoreApplication::translate("CalculationMacro",
                                                    "Результаты не нарисованы на чертеже: %1")
                            .arg(error.Reason()));
        }
      }
      window.Status(QCoreApplication::translate("CalculationMacro",
                                                "Расчет выполнен: загружений %1, сочетаний %2%3")
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

namespace trellis::macros::calc {

void CalculationMacro::DrawResults(const MacroCall& call) {
  MainWindowCalls window(call.mainWindow);
  if (!call.cadDocument) {
    window.Message(QCoreApplication::translate(
        "CalculationMacro", "Результаты рисуются в чертеже, а связи с программой САПР нет."));
    return;
  }
  ProjectTables tables(call.programFolder, call.workingFolder, call.baseName);
  SettingsStore settings(SettingsStore::DefaultFolder());
  IniFiles ini;
  QString shown = ini.ReadIni(u"Show", u"ResultCase", ProjectSettingsFile(call)).trimmed();
  const std::vector<BarPicture> pictures = PicturesFromTables(tables, shown);
  const bool spatial = settings.GetSetting(ProgramTitle(), u"Calc", u"All3D") != QLatin1String("0");
  try {
    DrawOnLayer(*call.cadDocument, kResultsLayer,
                ResultsDrawing(pictures, spatial, PlaneOf(ReadBuiltScheme(tables)), ViewFrom(settings)));
  } catch (const AutomationError& error) {
    window.Message(
        QCoreApplication::translate("CalculationMacro", "Результаты не нарисованы на чертеже: %1")
            .arg(error.Reason()));
    return;
  }
  window.Status(
      shown.isEmpty()
          ? QCoreApplication::translate("CalculationMacro", "Результатов расчета нет: слой %1 пуст")
                .arg(kResultsLayer)
          : QCoreApplication::translate("CalculationMacro", "На слое %1 — загружение %2")
                .arg(kResultsLayer, shown));
}

}  // namespace trellis::macros::calc
