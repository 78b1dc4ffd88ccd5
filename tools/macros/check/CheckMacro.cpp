#include "macros/check/CheckMacro.h"

#include "app/SettingsStore.h"
#include "automation/AutomationError.h"
#include "macros/MainWindowCalls.h"
#include "macros/layers/LayersInDrawing.h"
#include "macros/ProjectTables.h"
#include "macros/check/SchemeCheck.h"
#include "macros/scheme/DrawingGroups.h"

#include <QCoreApplication>

namespace trellis::macros {

namespace {

// The calculation's own option: "0" is a plane frame in the XZ plane, anything else (unset
// included) a spatial one.
bool SpatialScheme() {
  SettingsStore settings(SettingsStore::DefaultFolder());
  return settings.GetSetting(u"Trellis", u"Calc", u"All3D") != QLatin1String("0");
}

}  // namespace

const MemberTable<CheckMacro>& CheckMacro::Members() {
  static const MemberTable<CheckMacro> table = [] {
    MemberTable<CheckMacro> t;
    AddStopProperty(t);
    AddMacroMethod(t, QStringLiteral("Check"), &CheckMacro::Check);
    return t;
  }();
  return table;
}

void CheckMacro::Check(const MacroCall& call) {
  MainWindowCalls window(call.mainWindow);
  window.Status(QCoreApplication::translate("CheckMacro", "Проверка расчетной схемы..."));
  ProjectTables tables(call.programFolder, call.workingFolder, call.baseName);
  std::optional<QHash<QString, int>> objectsInGroups;
  if (call.cadDocument) {
    try {
      objectsInGroups = CountGroupObjects(*call.cadDocument, CheckedDrawingGroups(tables));
      // The service layers may show loads and supports edited since: the layer switches
      // draw them again from the tables as they are now.
      ForgetServiceLayers(*call.cadDocument);
    } catch (const AutomationError& error) {
      window.Status(QString());
      window.Message(QCoreApplication::translate(
                         "CheckMacro", "Расчетная схема не проверена: чертеж не прочитан (%1).")
                         .arg(error.Reason()));
      return;
    }
  } else {
    window.Report(QCoreApplication::translate(
        "CheckMacro", "Связи с программой САПР нет: объекты групп в чертеже не проверены."));
  }
  if (StopRequested()) {
    window.Status(
        QCoreApplication::translate("CheckMacro", "Проверка расчетной схемы остановлена"));
    return;
  }

  const std::vector<SchemeProblem> problems = CheckScheme(tables, objectsInGroups, SpatialScheme());
  window.ClearErrors();
  if (problems.empty()) {
    window.Status(
        QCoreApplication::translate("CheckMacro", "Расчетная схема проверена: ошибок нет"));
    window.Message(
        QCoreApplication::translate("CheckMacro", "Ошибок в расчетной схеме не найдено."));
    return;
  }
  for (const SchemeProblem& problem : problems) {
    window.AddError(problem.message, problem.tableKey, problem.row, problem.column);
  }
  window.ShowErrors();
  window.Status(
      QCoreApplication::translate("CheckMacro", "Расчетная схема проверена: найдено ошибок — %1")
          .arg(problems.size()));
}

}  // namespace trellis::macros
