#include "cad/CalculationRun.h"

#include "app/FilePaths.h"
#include "app/IniFiles.h"
#include "app/WorkingFolders.h"
#include "cad/CadConnection.h"
#include "cad/MacroCalls.h"
#include "tables/CatalogueLoading.h"
#include "tables/GridFilling.h"
#include "tables/ProjectState.h"
#include "tables/WindowModel.h"

namespace trellis {
namespace {

const QString kResultTag = QStringLiteral("1");

QString SettingsFile(MacroContext& ctx) {
  return PathIn(ctx.tables.folders.GetWorkingFolder(),
                ctx.tables.project.projectBaseName + QStringLiteral(".ini"));
}

bool IsResultButton(const Toolbar& toolbar, int position) {
  return toolbar.Button(position).tag.trimmed() == kResultTag;
}

}  // namespace

void CalculationRun::RunCalculation(MacroContext& ctx) {
  if (!ctx.cad.ConnectCad(false)) return;
  const QString settings = SettingsFile(ctx);
  ctx.tables.ini.WriteIni(u"Calc", u"AfterCalc", u"0", settings);
  SaveCurrentTable(ctx.tables);
  RunButtonsIniSection(ctx, QStringLiteral("Ex"));
  resultsAvailable_ = ctx.tables.ini.ReadIni(u"Calc", u"AfterCalc", settings) == QLatin1String("1");
  EnableResultButtons(ctx);
}

void CalculationRun::EnableResultButtons(MacroContext& ctx) {
  Toolbar& toolbar = ctx.tables.window.ToolbarLeft1;
  for (int position = 1; position < ctx.tables.tables.firstMacroButton; ++position) {
    if (IsResultButton(toolbar, position) && resultsAvailable_) toolbar.SetButtonEnabled(position, true);
  }
}

void CalculationRun::ResetResults(MacroContext& ctx) {
  Toolbar& toolbar = ctx.tables.window.ToolbarLeft1;
  const int groupButtons = ctx.tables.tables.firstMacroButton;
  int ordinary = 0;
  for (int position = 1; position < groupButtons && ordinary == 0; ++position) {
    if (!IsResultButton(toolbar, position)) ordinary = position;
  }
  if (!resultsAvailable_) return;
  for (int position = 1; position < groupButtons; ++position) {
    if (!IsResultButton(toolbar, position)) continue;
    if (toolbar.Button(position).pressed && ordinary != 0) {
      toolbar.SetPressed(ordinary, true);
      OnGroupButtonClick(ctx.tables, ordinary);
    }
    toolbar.SetButtonEnabled(position, false);
  }
}

}  // namespace trellis
