#include "macros/scheme/SchemeMacro.h"

#include "app/RunTimeError.h"
#include "macros/MainWindowCalls.h"
#include "macros/layers/LayersInDrawing.h"
#include "macros/ProjectTables.h"
#include "macros/scheme/SchemeFromDrawing.h"
#include "macros/settings/ProjectSettingsFile.h"

#include <QCoreApplication>

namespace trellis::macros {

const MemberTable<SchemeMacro>& SchemeMacro::Members() {
  static const MemberTable<SchemeMacro> table = [] {
    MemberTable<SchemeMacro> t;
    AddStopProperty(t);
    AddMacroMethod(t, QStringLiteral("Build"), &SchemeMacro::Build);
    return t;
  }();
  return table;
}

void SchemeMacro::Build(const MacroCall& call) {
  MainWindowCalls window(call.mainWindow);
  if (!call.cadDocument) {
    window.Message(QCoreApplication::translate(
        "SchemeMacro", "Расчетная схема строится по чертежу, а связи с программой САПР нет."));
    return;
  }
  window.Status(QCoreApplication::translate("SchemeMacro", "Построение расчетной схемы..."));
  ProjectTables tables(call.programFolder, call.workingFolder, call.baseName);
  IniFiles ini;
  SchemeOutcome outcome;
  try {
    outcome = SchemeFromDrawing(tables, *call.cadDocument, NodeTolerance(ini, ProjectSettingsFile(call)), *this);
  } catch (const AutomationError& error) {
    window.Status(QString());
    window.Message(QCoreApplication::translate(
                       "SchemeMacro", "Расчетная схема не построена: чертеж не прочитан (%1).")
                       .arg(error.Reason()));
    return;
  }
  switch (outcome.result) {
    case SchemeOutcome::Result::Stopped:
      window.Status(
          QCoreApplication::translate("SchemeMacro", "Построение расчетной схемы остановлено"));
      return;
    case SchemeOutcome::Result::NotWritten:
      window.Status(QString());
      window.Message(QCoreApplication::translate(
                         "SchemeMacro",
                         "Расчетная схема не записана: %1. Таблицы геометрии остались прежними.")
                         .arg(FileErrorDescription(FileErrorNumber(outcome.writeError))));
      return;
    case SchemeOutcome::Result::Written:
      break;
  }
  window.TablesChanged();
  try {
    ForgetServiceLayers(*call.cadDocument);
  } catch (const AutomationError& error) {
    window.Report(
        QCoreApplication::translate("SchemeMacro", "Служебные слои чертежа не обновлены: %1")
            .arg(error.Reason()));
  }
  const Scheme& scheme = outcome.scheme;
  window.Status(
      QCoreApplication::translate("SchemeMacro",
                                  "Расчетная схема построена: узлов %1 (основных %2), элементов %3")
          .arg(scheme.NodeCount())
          .arg(scheme.mainNodes.size())
          .arg(scheme.elements.size()));
}

}  // namespace trellis::macros
