#include "cad/RowGroups.h"

#include "app/LocaleNumbers.h"
#include "app/Prompter.h"
#include "automation/Arguments.h"
#include "automation/AutomationError.h"
#include "automation/CallsTogether.h"
#include "cad/CadConnection.h"
#include "cad/CadTableContext.h"
#include "tables/TableHooks.h"
#include "tables/WindowModel.h"

#include <QCoreApplication>
#include <QVariantList>

#include <algorithm>
#include <cmath>
#include <optional>

namespace trellis {
namespace {

const QString kPickStyle = QStringLiteral("PICKSTYLE");
const QString kServiceLayerPrefix = QStringLiteral("KS_FEM_");
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

LateCall GetOf(const CadObject& object, const QString& member) {
  return LateCall{object.Object(), LateCall::Kind::Get, member, {}};
}

// The picked objects From .. From+Count-1, asked for together.
std::vector<CadEntity> PickedItems(const CadSelectionSet& picked, int from, int count) {
  std::vector<LateCall> calls;
  for (int i = from; i < from + count; ++i) {
    calls.push_back(LateCall{picked.Object(), LateCall::Kind::Invoke, QStringLiteral("Item"), {i}});
  }
  std::vector<CadEntity> items;
  for (const QVariant& answer : CallTogether(calls)) {
    DispatchRef object = ObjectOf(answer);
    if (!object) throw AutomationError(QStringLiteral("Item"), QStringLiteral("no object returned"));
    items.emplace_back(std::move(object));
  }
  return items;
}

// Moves the picked objects into the emptied group by copies, since the host keeps an object's
// group membership with the object: copies start free of the groups the originals were in.
// The objects go a hundred at a time, from the last one picked, each hundred's calls together.
void FillGroupByCopies(CadTableContext& ctx, const std::vector<CadEntity>& picked,
                       const QString& name, double step) {
  const CadConnection& cad = ctx.cad;
  const int count = int(picked.size());
  ctx.tables.window.StatusBar1.SetPanel(2, QCoreApplication::translate("RowGroups", "Сделано, %:"));
  const CadModelSpace modelSpace = cad.Document().ModelSpace();
  std::vector<CadEntity> copies(static_cast<size_t>(count));
  for (int last = count - 1; last >= 0;) {
    const int first = last / kProgressEvery * kProgressEvery;
    std::vector<CadEntity> sources;
    for (int i = last; i >= first; --i) sources.push_back(picked[size_t(i)]);
    const std::vector<CadEntity> made = CopyEntities(modelSpace, sources);
    std::vector<LateCall> erasures;
    for (size_t k = 0; k < sources.size(); ++k) {
      const size_t i = size_t(last) - k;
      // An object the program cannot re-create joins the group as it is.
      copies[i] = made[k].IsSet() ? made[k] : sources[k];
      if (made[k].IsSet()) {
        erasures.push_back(LateCall{sources[k].Object(), LateCall::Kind::Invoke,
                                    QStringLiteral("Erase"), {}});
      }
    }
    CallTogether(erasures);
    ShowPercent(ctx, (count - first + 1) * step);
    last = first - 1;
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

  ctx.tables.window.StatusBar1.SetPanel(2, QCoreApplication::translate("RowGroups", "Сделано, %:"));
  const double step = 100.0 / (count + 1);
  // A hundred objects and their layers at a time, asked for together.
  std::vector<CadEntity> items;
  items.reserve(size_t(count));
  for (int first = 0; first < count; first += kProgressEvery) {
    const std::vector<CadEntity> chunk =
        PickedItems(picked, first, std::min(kProgressEvery, count - first));
    std::vector<LateCall> layerCalls;
    for (const CadEntity& item : chunk) layerCalls.push_back(GetOf(item, QStringLiteral("Layer")));
    const std::vector<QVariant> layers = CallTogether(layerCalls);
    for (size_t k = 0; k < chunk.size(); ++k) {
      const int i = first + int(k);
      if (IsServiceLayer(ToText(layers[k], QStringLiteral("Layer")))) {
        Warn(ctx, QCoreApplication::translate("RowGroups", "Не допускается выбор в служебном слое"),
             QCoreApplication::translate("RowGroups", "Выбор объекта"));
        return false;
      }
      if (i % kProgressEvery == 0) ShowPercent(ctx, i * step);
      items.push_back(chunk[k]);
    }
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
    FillGroupByCopies(ctx, items, name, step);
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
    Warn(ctx, QCoreApplication::translate("RowGroups", "Объект не выбран в графическом редакторе"),
         QCoreApplication::translate("RowGroups", "Выбор региона"));
  }
}

std::vector<CadEntity> CopyEntities(const CadModelSpace& modelSpace,
                                    const std::vector<CadEntity>& sources) {
  const QString colorName = QStringLiteral("Color");
  const QString layerName = QStringLiteral("Layer");
  const QString kindName = QStringLiteral("ObjectName");
  std::vector<LateCall> reads;
  for (const CadEntity& source : sources) {
    reads.push_back(GetOf(source, colorName));
    reads.push_back(GetOf(source, layerName));
    reads.push_back(GetOf(source, kindName));
  }
  const std::vector<QVariant> facts = CallTogether(reads);
  struct Kept {
    int color;
    QString layer;
    bool line;
  };
  std::vector<std::optional<Kept>> kept;
  std::vector<LateCall> geometry;
  for (size_t k = 0; k < sources.size(); ++k) {
    const QString kind = ToText(facts[3 * k + 2], kindName);
    const bool line = kind == QLatin1String("AcDbLine");
    if (!line && kind != QLatin1String("AcDbPoint")) {
      kept.emplace_back();
      continue;
    }
    kept.push_back(Kept{int(ToInteger(facts[3 * k], colorName)), ToText(facts[3 * k + 1], layerName),
                        line});
    if (line) {
      geometry.push_back(GetOf(sources[k], QStringLiteral("StartPoint")));
      geometry.push_back(GetOf(sources[k], QStringLiteral("EndPoint")));
    } else {
      geometry.push_back(GetOf(sources[k], QStringLiteral("Coordinates")));
    }
  }
  const std::vector<QVariant> points = CallTogether(geometry);
  std::vector<LateCall> additions;
  size_t at = 0;
  for (const auto& object : kept) {
    if (!object) continue;
    if (object->line) {
      additions.push_back(LateCall{modelSpace.Object(), LateCall::Kind::Invoke,
                                   QStringLiteral("AddLine"),
                                   {PointValue(ToCadPoint(points[at], QStringLiteral("StartPoint"))),
                                    PointValue(ToCadPoint(points[at + 1], QStringLiteral("EndPoint")))}});
      at += 2;
    } else {
      additions.push_back(LateCall{modelSpace.Object(), LateCall::Kind::Invoke,
                                   QStringLiteral("AddPoint"),
                                   {PointValue(ToCadPoint(points[at], QStringLiteral("Coordinates")))}});
      at += 1;
    }
  }
  const std::vector<QVariant> added = CallTogether(additions);
  std::vector<CadEntity> copies;
  std::vector<LateCall> settings;
  size_t next = 0;
  for (const auto& object : kept) {
    if (!object) {
      copies.emplace_back();
      continue;
    }
    DispatchRef copy = ObjectOf(added[next++]);
    if (!copy) throw AutomationError(QStringLiteral("AddLine"), QStringLiteral("no object returned"));
    settings.push_back(LateCall{copy, LateCall::Kind::Set, colorName, {object->color}});
    settings.push_back(LateCall{copy, LateCall::Kind::Set, layerName, {object->layer}});
    copies.emplace_back(std::move(copy));
  }
  CallTogether(settings);
  return copies;
}

}  // namespace trellis
