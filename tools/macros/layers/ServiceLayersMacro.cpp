#include "macros/layers/ServiceLayersMacro.h"

#include "app/AppIdentity.h"
#include "app/SettingsStore.h"
#include "macros/CellValues.h"
#include "macros/MainWindowCalls.h"
#include "macros/layers/LayersInDrawing.h"
#include "macros/settings/CalcSettingsKeys.h"

#include <QCoreApplication>

#include <functional>

namespace trellis::macros {

namespace {

// A display setting of the calculation, or its default when it holds nothing usable.
QString ShowSetting(SettingsStore& store, const QString& key) {
  const CalcSetting* setting = FindCalcSetting(QStringLiteral("Show/") + key);
  const QString stored = store.GetSetting(ProgramTitle(), u"Show", key);
  if (!setting) return stored;
  return stored.isEmpty() || !RefusalOf(*setting, stored).isEmpty() ? setting->defaultValue : stored;
}

LabelSizes SizesFromSettings() {
  SettingsStore store(SettingsStore::DefaultFolder());
  const auto number = [&store](const QString& key) {
    return CellNumber(ShowSetting(store, key)).value_or(0.15);
  };
  return {number(QStringLiteral("TextScale")), number(QStringLiteral("TextScale2")),
          number(QStringLiteral("TextScale3")), ShowSetting(store, QStringLiteral("Points")) != QLatin1String("0")};
}

using Drawer = std::function<LayerDrawing(ProjectTables&, const BuiltScheme&, const LabelSizes&)>;

void DrawLayer(const MacroCall& call, const QString& layer, const Drawer& draw) {
  MainWindowCalls window(call.mainWindow);
  if (!call.cadDocument) return;
  ProjectTables tables(call.programFolder, call.workingFolder, call.baseName);
  try {
    DrawOnLayer(*call.cadDocument, layer, draw(tables, ReadBuiltScheme(tables), SizesFromSettings()));
  } catch (const AutomationError& error) {
    window.Message(QCoreApplication::translate("ServiceLayersMacro", "Слой %1 не нарисован: %2")
                       .arg(layer, error.Reason()));
  }
}

}  // namespace

const MemberTable<ServiceLayersMacro>& ServiceLayersMacro::Members() {
  static const MemberTable<ServiceLayersMacro> table = [] {
    MemberTable<ServiceLayersMacro> t;
    AddStopProperty(t);
    AddMacroMethod(t, QStringLiteral("NodeNumbers"), &ServiceLayersMacro::NodeNumbers);
    AddMacroMethod(t, QStringLiteral("ElementNumbers"), &ServiceLayersMacro::ElementNumbers);
    AddMacroMethod(t, QStringLiteral("Loads"), &ServiceLayersMacro::Loads);
    AddMacroMethod(t, QStringLiteral("Supports"), &ServiceLayersMacro::Supports);
    return t;
  }();
  return table;
}

void ServiceLayersMacro::NodeNumbers(const MacroCall& call) {
  DrawLayer(call, kNodeNumbersLayer,
            [](ProjectTables&, const BuiltScheme& scheme, const LabelSizes& sizes) { return macros::NodeNumbers(scheme, sizes); });
}

void ServiceLayersMacro::ElementNumbers(const MacroCall& call) {
  DrawLayer(call, kElementNumbersLayer, [](ProjectTables&, const BuiltScheme& scheme, const LabelSizes& sizes) {
    return macros::ElementNumbers(scheme, sizes);
  });
}

void ServiceLayersMacro::Loads(const MacroCall& call) { DrawLayer(call, kLoadsLayer, &macros::Loads); }

void ServiceLayersMacro::Supports(const MacroCall& call) { DrawLayer(call, kSupportsLayer, &macros::Supports); }

}  // namespace trellis::macros
