#include "cad/GroupDisplay.h"

#include "app/LocaleNumbers.h"
#include "automation/AutomationError.h"
#include "cad/CadConnection.h"
#include "cad/CadTableContext.h"
#include "cad/RowGroups.h"
#include "tables/WindowModel.h"

#include <QStringList>

namespace trellis {
namespace {

void EnableButton(Toolbar& toolbar, const char* key, bool enabled) {
  if (const int position = toolbar.Find(QLatin1String(key))) toolbar.SetButtonEnabled(position, enabled);
}

bool IsPressed(const Toolbar& toolbar, const char* key) {
  const int position = toolbar.Find(QLatin1String(key));
  return position != 0 && toolbar.Button(position).pressed;
}

bool AllowsArrow(const TableContext& ctx) {
  return CurrentTableKeyValue(ctx, QStringLiteral("Arrow")) != QLatin1String("-");
}

// "NAME:value|…" with the host's present value of each name in List.
QString HostValuesOf(const CadDocument& document, const QString& list) {
  QStringList current;
  for (const QString& item : list.split(u'|')) {
    const QString name = item.section(u':', 0, 0);
    current << name + u':' + document.GetVariable(name).toString();
  }
  return current.join(u'|');
}

// Sets the items of List the host does not have yet (by a text search of Current, as the
// host's values were listed), as 16-bit whole numbers.
void SetMissing(const CadConnection& cad, const QString& list, const QString& current) {
  const CadDocument& document = cad.Document();
  for (const QString& item : list.split(u'|')) {
    if (item.isEmpty() || current.contains(item)) continue;
    const int value = ParseLocaleWholeNumber(item.section(u':', 1)).value_or(0);
    document.SetVariable(item.section(u':', 0, 0), QVariant::fromValue(qint16(value)));
  }
  if (!cad.Host().isAutoCad) document.Regen(0);
}

}  // namespace

void UpdateGroupButtons(TableContext& ctx) {
  Toolbar& toolbar = ctx.window.Toolbar1;
  EnableButton(toolbar, "Arrow", false);
  EnableButton(toolbar, "Show", false);
  if (CurrentTableKeyValue(ctx, QStringLiteral("Group")).isEmpty()) return;
  const Grid& grid = ctx.window.fg1;
  if (grid.Cols() < 1 || grid.Row() != grid.RowSel()) return;
  EnableButton(toolbar, "Show", true);
  if (AllowsArrow(ctx)) EnableButton(toolbar, "Arrow", !IsPressed(toolbar, "Show"));
}

void ShowSelect(CadTableContext& ctx, bool pressed) {
  ResetGroupHighlight(ctx);
  if (pressed) {
    HighlightRowGroup(ctx);
  } else if (ctx.cad.Document().IsSet()) {
    ctx.cad.Document().Regen(0);
    ctx.cad.Application().Update();
    ctx.window.ActivateMainWindow();
  }
  // No binding while showing; a table that never binds keeps "Arrow" off either way.
  EnableButton(ctx.tables.window.Toolbar1, "Arrow", !pressed && AllowsArrow(ctx.tables));
}

void RefreshShowSelect(CadTableContext& ctx) {
  if (IsPressed(ctx.tables.window.Toolbar1, "Show")) ShowSelect(ctx, true);
}

void HighlightRowGroup(CadTableContext& ctx) {
  if (!ctx.cad.ConnectCad(false)) return;
  const QString name = CurrentRowGroupName(ctx.tables);
  if (name.isEmpty() || !GroupExists(ctx.cad, name)) return;
  const bool autoCad = ctx.cad.Host().isAutoCad;
  ctx.cad.Groups().Item(name).Highlight(!autoCad);
  if (autoCad) {
    ctx.cad.Application().Update();
    ctx.window.ActivateMainWindow();
  }
}

void ResetGroupHighlight(CadTableContext& ctx) {
  if (!ctx.cad.ConnectCad(true)) return;
  const bool autoCad = ctx.cad.Host().isAutoCad;
  const CadGroups& groups = ctx.cad.Groups();
  const int count = groups.Count();
  for (int i = 0; i < count; ++i) groups.Item(i).Highlight(autoCad);
  if (!autoCad) {
    ctx.cad.Application().Update();
    ctx.window.ActivateMainWindow();
  }
}

bool GroupExists(const CadConnection& cad, const QString& name) {
  try {
    return !cad.Groups().Item(name).Name().isEmpty();
  } catch (const CallAbandoned&) {
    throw;
  } catch (const AutomationError&) {
    return false;
  }
}

void TableSetvar::Apply(CadTableContext& ctx) {
  const CadDocument& document = ctx.cad.Document();
  if (!document.IsSet()) return;
  const QString wanted = CurrentTableKeyValue(ctx.tables, QStringLiteral("Setvar"));
  if (!wanted.isEmpty()) {
    const QString current = HostValuesOf(document, wanted);
    if (current == wanted) return;
    saved_ = current;
    SetMissing(ctx.cad, wanted, current);
    return;
  }
  if (saved_.isEmpty()) return;
  const QString current = HostValuesOf(document, saved_);
  if (current == saved_) return;
  SetMissing(ctx.cad, saved_, current);
}

}  // namespace trellis
