#include "cad/MacroToolbars.h"

#include "app/AppIdentity.h"
#include "app/FilePaths.h"
#include "app/IniFiles.h"
#include "app/SettingsStore.h"
#include "automation/AutomationError.h"
#include "cad/CadConnection.h"
#include "cad/CadTableContext.h"
#include "cad/MacroCalls.h"
#include "tables/CatalogueLoading.h"
#include "tables/GridFilling.h"
#include "tables/InstallationFiles.h"
#include "tables/TableHooks.h"
#include "tables/TableOpening.h"
#include "tables/WindowModel.h"

#include <exception>

namespace trellis {
namespace {

constexpr int kLeftMacroSections = 20;
// More table toolbar buttons than this show no captions: they would not fit.
constexpr int kMaxCaptionedButtons = 5;

QString ToolLeftIni(const TableContext& ctx) {
  return InstallationPath(ctx.installationFolder, QStringLiteral("ToolLeft.ini"));
}

QString ButtonSection(int number) {
  return QStringLiteral("B%1").arg(number);
}

// Style numbers 0 to 5 as the configuration writes them; the range test compares text, so a
// value such as "12" passes it without being a style: that gives Otherwise.
ButtonStyle StyleOf(const QString& text, ButtonStyle otherwise) {
  if (text < QLatin1String("0") || text > QLatin1String("5")) return ButtonStyle::Default;
  bool number = false;
  const int value = text.toInt(&number);
  return number && value >= 0 && value <= 5 ? ButtonStyle(value) : otherwise;
}

// "NotGetAC" is "true" in any letter case; "ShowTable" and "ReLayers" only in small letters.
bool IsTrue(const QString& text) {
  return text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

// Every layer switch of the left toolbar: the released ones off first, then the pressed ones on,
// so a layer named by both ends up on.
void ApplyLayerSwitches(MacroContext& ctx) {
  const Toolbar& toolbar = ctx.tables.window.ToolbarLeft1;
  const int first = ctx.tables.tables.firstMacroButton;
  for (const bool pressed : {false, true}) {
    for (int position = 1; position <= toolbar.Count(); ++position) {
      const ToolButton& button = toolbar.Button(position);
      if (button.style == ButtonStyle::Check && button.pressed == pressed) {
        RunActionString(ctx, button.tag, pressed, position - first);
      }
    }
  }
}

void RegenActiveViewport(const CadConnection& cad) {
  try {
    if (cad.Document().IsSet()) cad.Document().Regen(0);
  } catch (const CallAbandoned&) {
    throw;
  } catch (const AutomationError&) {
    // The switches are made; the picture catches up at the host's next regeneration.
  }
}

// Disables the clicked button and the toolbars for the length of an action; enables them again
// whatever the action did.
class ToolbarAction {
 public:
  ToolbarAction(WindowModel& window, Toolbar& toolbar, int position)
      : window_(window), toolbar_(toolbar), position_(position) {
    toolbar_.SetButtonEnabled(position_, false);
    AllEnabled(window_, false);
  }
  ~ToolbarAction() {
    toolbar_.SetButtonEnabled(position_, true);
    AllEnabled(window_, true);
  }
  ToolbarAction(const ToolbarAction&) = delete;
  ToolbarAction& operator=(const ToolbarAction&) = delete;

 private:
  WindowModel& window_;
  Toolbar& toolbar_;
  int position_;
};

}  // namespace

void BuildMacroButtons(TableContext& ctx) {
  const QString file = ToolLeftIni(ctx);
  if (!FileExists(file)) return;
  Toolbar& toolbar = ctx.window.ToolbarLeft1;
  for (int i = 1; i <= kLeftMacroSections; ++i) {
    const QString section = ButtonSection(i);
    const QString name = ctx.ini.ReadIni(section, u"Name", file);
    const QString bmp = ctx.ini.ReadIni(section, u"Bmp", file);
    if (name.isEmpty() && bmp.isEmpty()) break;
    const QString layers = ctx.ini.ReadIni(section, u"Layer", file);
    // A section whose picture is missing gets no button; the later buttons then sit one place
    // earlier and take the number of their place, as the click computes it.
    if (!FileExists(InstallationPath(ctx.installationFolder, QStringLiteral("bmp/Left/") + bmp + QStringLiteral(".bmp")))) {
      continue;
    }
    ToolButton button;
    button.key = bmp;
    button.image = bmp;
    button.tooltip = name;
    button.tag = layers.isEmpty() ? ctx.ini.ReadIni(section, u"Macros", file) : QStringLiteral("Layer=") + layers;
    button.style = StyleOf(ctx.ini.ReadIni(section, u"Style", file), ButtonStyle::ButtonGroup);
    toolbar.Add(button, std::min(ctx.tables.firstMacroButton + i, toolbar.Count() + 1));
  }
}

void BuildTableToolbar(TableContext& ctx, SettingsStore& settings, const QString& tableKey) {
  Toolbar& toolbar = ctx.window.ToolbarB;
  toolbar.Clear();
  const QString file = DescriptionFilePath(ctx.installationFolder, tableKey);
  for (int n = 1;; ++n) {
    const QString section = ButtonSection(n);
    const QString name = ctx.ini.ReadIni(section, u"Name", file);
    const QString bmp = ctx.ini.ReadIni(section, u"Bmp", file);
    if (name.isEmpty() && bmp.isEmpty()) break;
    ToolButton button;
    button.key = section;
    button.style = StyleOf(ctx.ini.ReadIni(section, u"Style", file), ButtonStyle::Default);
    if (button.style != ButtonStyle::Separator && button.style != ButtonStyle::Placeholder) button.image = bmp;
    button.tag = ctx.ini.ReadIni(section, u"Macros", file);
    button.tooltip = name;
    toolbar.Add(button);
  }
  if (toolbar.Count() == 0) return;
  ShowTableToolbarCaptions(toolbar, settings.GetSetting(ProgramTitle(), u"View", u"TextBut") == QLatin1String("1"));
}

void ShowTableToolbarCaptions(Toolbar& toolbar, bool show) {
  if (show && toolbar.Count() > kMaxCaptionedButtons) return;
  for (int i = 1; i <= toolbar.Count(); ++i) {
    ToolButton button = toolbar.Button(i);
    const QString caption = show ? button.tooltip : QString();
    if (button.caption == caption) continue;
    button.caption = caption;
    toolbar.Replace(i, button);
  }
}

void LeftToolbarClick(MacroContext& ctx, int position) {
  Toolbar& toolbar = ctx.tables.window.ToolbarLeft1;
  const int first = ctx.tables.tables.firstMacroButton;
  if (position <= first || position > toolbar.Count()) return;
  // The click itself changes a two-state button, whether or not the host answers.
  const ButtonStyle style = toolbar.Button(position).style;
  if (style == ButtonStyle::Check) toolbar.SetPressed(position, !toolbar.Button(position).pressed);
  if (style == ButtonStyle::ButtonGroup) toolbar.SetPressed(position, true);
  if (!ctx.cad.ConnectCad(false)) return;
  ToolbarAction action(ctx.tables.window, toolbar, position);
  ctx.tables.window.ProgressBar1.SetVisible(true);
  ctx.tables.hooks.ProcessEvents();
  try {
    const ToolButton button = toolbar.Button(position);
    if (button.style != ButtonStyle::ButtonGroup) {
      if (button.style == ButtonStyle::Default) {
        RunActionString(ctx, button.tag, button.pressed, position - first);
      }
      ApplyLayerSwitches(ctx);
      RegenActiveViewport(ctx.cad);
      fg1SelectedBmp(ctx.tables.window.fg1);
      ctx.window.ActivateMainWindow();
    }
  } catch (const CallAbandoned&) {
    // The user stopped the action: it is reported, with the toolbars back.
    ctx.tables.window.ProgressBar1.SetVisible(false);
    throw;
  } catch (const std::exception&) {
    // An error ends the action; the toolbars come back below.
  }
  ctx.tables.window.ProgressBar1.SetVisible(false);
}

void TableToolbarClick(MacroContext& ctx, SettingsStore& settings, int position) {
  Toolbar& toolbar = ctx.tables.window.ToolbarB;
  if (position < 1 || position > toolbar.Count()) return;
  ToolbarAction action(ctx.tables.window, toolbar, position);
  settings.SaveSetting(ProgramTitle(), u"Shem", u"NoKC", u"0");
  settings.SaveSetting(ProgramTitle(), u"Shem", u"NoHideKC", u"1");
  const QString file = DescriptionFilePath(ctx.tables.installationFolder, ctx.tables.tables.currentTableKey);
  const QString section = ButtonSection(position);
  if (!IsTrue(ctx.tables.ini.ReadIni(section, u"NotGetAC", file)) && !ctx.cad.ConnectCad(false)) return;
  RunActionString(ctx, toolbar.Button(position).tag, false, 0);
  if (!FileExists(file)) return;
  if (ctx.tables.ini.ReadIni(section, u"ShowTable", file) == QLatin1String("true")) {
    ctx.tables.tables.lastOpenedTableKey.clear();
    OpenCurrentTable(ctx.tables);
  }
  if (ctx.tables.ini.ReadIni(section, u"ReLayers", file) == QLatin1String("true")) ReapplyLayerButtons(ctx, true);
}

void ReapplyLayerButtons(MacroContext& ctx, bool switchOn) {
  Toolbar& toolbar = ctx.tables.window.ToolbarLeft1;
  for (int position = 1; position <= toolbar.Count(); ++position) {
    const ToolButton& button = toolbar.Button(position);
    if (button.style != ButtonStyle::Check) continue;
    if (!switchOn) toolbar.SetPressed(position, false);
    RunActionString(ctx, toolbar.Button(position).tag, switchOn && toolbar.Button(position).pressed, 0);
  }
  RegenActiveViewport(ctx.cad);
}

}  // namespace trellis
