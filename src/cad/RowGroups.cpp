#include "cad/RowGroups.h"

#include "app/LocaleNumbers.h"
#include "app/Prompter.h"
#include "automation/AutomationError.h"
#include "cad/CadConnection.h"
#include "cad/CadTableContext.h"
#include "tables/TableHooks.h"
#include "tables/WindowModel.h"

#include <QVariantList>

#include <cmath>

namespace trellis {
namespace {

const QString kPickStyle = QStringLiteral("PICKSTYLE");
const QString kServiceLayerPrefix = QStringLiteral("KS_FEM_");
const QString kProgress = QStringLiteral("Сделано, %:");
// The status bar shows progress every this many objects.
constexpr int kProgressEvery = 100;

bool IsServiceLayer(const QString& layer) {
  return layer.size() > kServiceLayerPrefix.size() &&
         layer.left(kServiceLayerPrefix.size()).toUpper() == kServiceLayerPrefix;
}

int PickStyle(const CadDocument& document) {
  return document.GetVariable(kPickStyle).toInt();
}

void SetPickStyle(const CadDocument& document, int value) {
  document.SetVariable(kPickStyle, QVariant::fromValue(qint16(value)));
}

void ShowPercent(CadTableContext& ctx, double percent) {
  ctx.tables.window.StatusBar1.SetPanel(3, QString::number(std::lround(percent)));
  ctx.tables.hooks.ProcessEvents();
}

void ClearProgress(CadTableContext& ctx) {
  ctx.tables.window.StatusBar1.SetPanel(2, QString());
  ctx.tables.window.StatusBar1.SetPanel(3, QString());
}

void Warn(CadTableContext& ctx, const QString& text, const QString& caption) {
  ctx.window.ActivateMainWindow();
  ctx.prompter.Ask(Message{text, caption, MessageButtons::Ok, MessageIcon::Exclamation});
}

// The index of the group called Name in any letter case; -1 when there is none.
int FindGroup(const CadGroups& groups, const QString& name) {
  const QString wanted = name.toUpper();
  const int count = groups.Count();
  for (int i = 0; i < count; ++i) {
    if (groups.Item(i).Name().toUpper() == wanted) return i;
  }
  return -1;
}

// Moves the picked objects into the emptied group by copies, since the host keeps an object's
// group membership with the object: copies start free of the groups the originals were in.
void FillGroupByCopies(CadTableContext& ctx, const CadSelectionSet& picked, const QString& name,
                       double step) {
  const CadConnection& cad = ctx.cad;
  const int count = picked.Count();
  ctx.tables.window.StatusBar1.SetPanel(2, kProgress);
  const CadModelSpace modelSpace = cad.Document().ModelSpace();
  std::vector<CadEntity> copies(static_cast<size_t>(count));
  for (int i = count - 1; i >= 0; --i) {
    const CadEntity source = picked.Item(i);
    const CadEntity copy = CopyEntity(modelSpace, source);
    if (copy.IsSet()) {
      source.Erase();
      copies[size_t(i)] = copy;
    } else {
      // An object the program cannot re-create joins the group as it is.
      copies[size_t(i)] = source;
    }
    if (i % kProgressEvery == 0) ShowPercent(ctx, (count - i + 1) * step);
  }
  ctx.tables.window.StatusBar1.SetPanel(3, QStringLiteral("100"));
  cad.Document().Regen(1);
  ClearProgress(ctx);
  cad.Groups().Item(name).AppendItems(copies);
}

}  // namespace

QString CurrentRowGroupName(const TableContext& ctx) {
  const QString group = CurrentTableKeyValue(ctx, QStringLiteral("Group"));
  const Grid& grid = ctx.window.fg1;
  // The grid's own count includes the row-number column, so one data column is enough.
  if (group.isEmpty() || grid.Cols() < 1 || grid.Row() != grid.RowSel()) return QString();
  const QString first = grid.Data().Cell(grid.Row(), 1);
  if (!ParseLocaleNumber(first)) return QString();
  return kServiceLayerPrefix + group + u'_' + FormatWithZeros(first, 3);
}

void AssignRegionToRow(CadTableContext& ctx) {
  if (!ctx.cad.ConnectCad(false)) return;
  const CadDocument& document = ctx.cad.Document();
  if (PickStyle(document) != 0) SetPickStyle(document, 0);
  const QString name = CurrentRowGroupName(ctx.tables);
  if (name.isEmpty() || !AssignSelectionToGroup(ctx, name)) return;
  try {
    ctx.cad.Groups().Item(name).Highlight(ctx.cad.Host().isAutoCad);
  } catch (const CallAbandoned&) {
    throw;
  } catch (const AutomationError&) {
    // The group is built; marking it is a courtesy.
  }
  ctx.window.ActivateMainWindow();
  ctx.tables.hooks.RunTableHook(QStringLiteral("MacrosSel"));
}

bool AssignSelectionToGroup(CadTableContext& ctx, const QString& name) {
  CadConnection& cad = ctx.cad;
  cad.InitSelectionSet();
  const bool found = FindGroup(cad.Groups(), name) >= 0;
  SelectInCad(ctx, CurrentTableKeyValue(ctx.tables, QStringLiteral("FilterType")),
              CurrentTableKeyValue(ctx.tables, QStringLiteral("FilterData")));
  const CadSelectionSet& picked = cad.SelectionSet();
  if (!picked.IsSet()) return false;
  const int count = picked.Count();
  if (count == 0) return false;

  ctx.tables.window.StatusBar1.SetPanel(2, kProgress);
  const double step = 100.0 / (count + 1);
  for (int i = 0; i < count; ++i) {
    if (IsServiceLayer(picked.Item(i).Layer())) {
      Warn(ctx, QStringLiteral("Не допускается выбор в служебном слое"),
           QStringLiteral("Выбор объекта"));
      return false;
    }
    if (i % kProgressEvery == 0) ShowPercent(ctx, i * step);
  }
  ctx.tables.window.StatusBar1.SetPanel(3, QStringLiteral("100"));

  const CadDocument& document = cad.Document();
  const CadApplication& application = cad.Application();
  const int pickStyle = PickStyle(document);
  SetPickStyle(document, 0);
  ClearProgress(ctx);
  if (found) {
    cad.Groups().Item(name).Delete();
    application.Update();
  }
  cad.Groups().Add(name);
  application.Update();

  if (cad.Host().isAutoCad) {
    FillGroupByCopies(ctx, picked, name, step);
  } else {
    document.SetVariable(QStringLiteral("USERS1"), name);
    cad.RunCadMacro(QStringLiteral("SetGroup"));
  }
  cad.SendCadCommand(QStringLiteral("_-group _s ") + name + u' ', false);
  application.Update();
  SetPickStyle(document, pickStyle);
  return true;
}

void SelectInCad(CadTableContext& ctx, const QString& filterTypes, const QString& filterData) {
  CadConnection& cad = ctx.cad;
  if (!cad.Application().IsSet()) return;
  cad.ActivateCadWindow();
  const CadSelectionSet& set = cad.SelectionSet();
  if (!set.IsSet()) return;
  if (!filterTypes.isEmpty() && !filterData.isEmpty()) {
    if (cad.Host().isAutoCad) {
      const QStringList types = filterTypes.split(u'|');
      const QStringList data = filterData.split(u'|');
      std::vector<short> codes;
      QVariantList values;
      for (qsizetype k = 0; k < types.size(); ++k) {
        codes.push_back(short(ParseLocaleWholeNumber(types[k]).value_or(0)));
        values << data.value(k);
      }
      set.SelectOnScreen(codes, values);
    } else {
      const CadDocument& document = cad.Document();
      document.SetVariable(QStringLiteral("USERI1"),
                           QVariant::fromValue(qint16(ParseLocaleWholeNumber(filterTypes).value_or(0))));
      document.SetVariable(QStringLiteral("USERS1"), filterData);
      cad.RunCadMacro(QStringLiteral("SelectOnScreenCode"));
    }
  } else {
    set.SelectOnScreen();
  }
  if (set.Count() < 1) {
    Warn(ctx, QStringLiteral("Объект не выбран в графическом редакторе"),
         QStringLiteral("Выбор региона"));
  }
}

CadEntity CopyEntity(const CadModelSpace& modelSpace, const CadEntity& source) {
  const int color = source.Color();
  const QString layer = source.Layer();
  const QString kind = source.ObjectName();
  CadEntity copy;
  if (kind == QLatin1String("AcDbLine")) {
    copy = modelSpace.AddLine(source.StartPoint(), source.EndPoint());
  } else if (kind == QLatin1String("AcDbPoint")) {
    copy = modelSpace.AddPoint(source.Coordinates());
  } else {
    return copy;
  }
  copy.SetColor(color);
  copy.SetLayer(layer);
  return copy;
}

}  // namespace trellis
